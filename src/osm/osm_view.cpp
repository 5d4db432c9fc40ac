#include "osm/osm_view.h"

#include "draw/attribution.h"
#include "draw/back_buffer.h"
#include "draw/button_strip.h"
#include "draw/map_band.h"
#include "draw/map_font.h"
#include "draw/map_notes.h"
#include "draw/tile_pictures.h"
#include "osm/osm_grid.h"
#include "osm/osm_moves.h"
#include "osm/tile_address.h"
#include "osm/tile_downloader.h"
#include "osm/tile_servers.h"
#include "platform/safe_file.h"
#include "state/map_settings.h"
#include "state/map_state.h"
#include "state/osm_zoom_steps.h"

#include <QPainter>
#include <vector>

namespace {

const QStringList kNoTilesLines = {
    QStringLiteral("No image tiles were found for this zoom level."),
    QStringLiteral("Do you have an internet connection ?"),
    QStringLiteral("Do you have  write access to the selected disk folder ?"),
    QStringLiteral("Go and look in the folder"),
    QStringLiteral("Try a different OSM tile server."),
};

bool CanRead(const QString& path) {
    return OpenFileSafely(path, kMaxTileBytes) != nullptr;
}

// Walks the grid row by row from (g_nOsmX, g_nOsmY), widened by the Trekbuddy offsets. A missing tile is
// downloaded and left for the next paint; the cached ones are returned in drawing order.
std::vector<TilePicture> FetchGrid(const QSize& grid) {
    std::vector<TilePicture> cached;
    bool serverAnswers = true;
    WalkOsmGrid(qint64(grid.width()) + g_nTbX, qint64(grid.height()) + g_nTbY, [&](qint32 x, qint32 y) {
        const QString path = TilePath(g_nZoom, x, y);
        if (CanRead(path)) {
            cached.push_back({TilePlacement(x, y), FileRange{path}});
            return true;
        }
        // One stalled transfer holds the window for the whole idle time-out; the other missing tiles of this
        // paint wait for the next one rather than each waiting as long.
        if (!serverAnswers)
            return true;
        serverAnswers = DownloadTile(TileUrl(g_nZoom, x, y), path) != DownloadResult::TimedOut;
        if (g_bOsmRepaint == 0 && CanRead(path))
            g_bOsmRepaint = 1;
        return true;
    });
    return cached;
}

void ReportNoTiles(QPainter& painter, const QFont& font) {
    g_nTbX = qMax(g_nTbX, 0);
    g_nTbY = qMax(g_nTbY, 0);
    g_bMoved = 1;
    DrawMapNote(painter, kNoTilesLines, font);
}

void DrawMap(QPainter& painter, const QPaintDevice& device, const QSize& size) {
    const QFont textFont = MapFont(device, 6, 12);
    DrawMapBand(painter, device, g_nOsmX, g_nOsmY);
    if (!GetAtlasFolder()) {
        g_nTbX = 0;
        g_nTbY = 0;
        if (!GetAtlasFolder()) {
            // Without a cache folder the tiles would land in whatever folder the program was started from.
            DrawMapNote(painter, NoTileFolderLines(), textFont);
            return;
        }
    }
    if (DrawTilePictures(painter, FetchGrid(TileGrid(size))) == 0)
        ReportNoTiles(painter, textFont);
}

// Pan only asks for a move here: the next paint leaves the overview again. The zoom dialog belongs to the
// Trekbuddy map.
void OnStripButton(StripAction action) {
    if (MoveOnStrip(action, {OsmMoveLeft, OsmMoveUp, OsmMoveDown, OsmMoveRight}))
        return;
    if (action == StripAction::ZoomIn)
        OsmZoomIn();
    else if (action == StripAction::ZoomOut)
        OsmZoomOut();
}

} // namespace

void COsmView::DrawOsmMap(QPainter& target, const QRect& clipBox) {
    if (g_bPanView == 1)
        g_bPanView = 0;
    const bool drawn =
        DrawOffScreen(target, clipBox, [&clipBox](QPainter& painter, const QPaintDevice& device) {
            DrawMap(painter, device, clipBox.size());
        });
    // Inside the black edge the back buffer leaves.
    m_attributionBox =
        drawn ? DrawAttribution(target, clipBox.adjusted(0, 0, -1, -1), TileServerAttribution(g_wszOsmUrl))
              : QRect();
}

MapReply COsmView::Draw(QPainter& painter, const QRect& clipBox, DrawPurpose) {
    DrawOsmMap(painter, clipBox);
    if (g_bOsmRepaint != 1)
        return {};
    g_bOsmRepaint = 0;
    return RepaintReply();
}

MapReply COsmView::OnClick(const QPoint& point, const QSize&) {
    if (m_attributionBox.contains(point))
        return {};
    if (const std::optional<StripAction> action = StripButtonAt(point))
        OnStripButton(*action);
    return RepaintReply();
}
