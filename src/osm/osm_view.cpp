#include "osm/osm_view.h"

#include "draw/back_buffer.h"
#include "draw/map_band.h"
#include "draw/map_font.h"
#include "draw/map_notes.h"
#include "draw/tile_pictures.h"
#include "osm/osm_moves.h"
#include "osm/tile_address.h"
#include "osm/tile_downloader.h"
#include "platform/safe_file.h"
#include "state/map_state.h"
#include "state/osm_zoom_steps.h"
#include "state/stored_position.h"

#include <QPainter>
#include <array>
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
    for (qint64 y = g_nOsmY; y - g_nOsmY < qint64(grid.height()) + g_nTbY; ++y) {
        for (qint64 x = g_nOsmX; x - g_nOsmX < qint64(grid.width()) + g_nTbX; ++x) {
            const QString path = TilePath(g_nZoom, qint32(x), qint32(y));
            if (CanRead(path)) {
                cached.push_back({TilePlacement(qint32(x), qint32(y)), FileRange{path}});
                continue;
            }
            // One stalled transfer holds the window for the whole idle time-out; the other missing tiles of
            // this paint wait for the next one rather than each waiting as long.
            if (!serverAnswers)
                continue;
            serverAnswers =
                DownloadTile(TileUrl(g_nZoom, qint32(x), qint32(y)), path) != DownloadResult::TimedOut;
            if (g_bOsmRepaint == 0 && CanRead(path))
                g_bOsmRepaint = 1;
        }
    }
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

struct StripButton {
    int left;
    int right;
    void (*action)();
};

constexpr int kStripHeight = 32;

// Open ranges, tried in this order; the first that holds the click acts. "Pan" only asks for a move, since
// the next paint leaves the overview again, and "Zoom" (1 ... 78) does nothing on this map.
constexpr std::array<StripButton, 7> kStripButtons{{
    {126, 158, [] { OsmZoomIn(); }},
    {159, 192, [] { OsmZoomOut(); }},
    {278, 310, OsmMoveLeft},
    {310, 342, OsmMoveUp},
    {342, 374, OsmMoveDown},
    {374, 406, OsmMoveRight},
    {218, 271,
     [] {
         g_bPanView = 1;
         g_bMoved = 1;
     }},
}};

} // namespace

void COsmView::DrawOsmMap(QPainter& target, const QRect& clipBox) {
    if (g_bPanView == 1)
        g_bPanView = 0;
    if (!target.isActive() || !target.device() || clipBox.isEmpty())
        return;
    std::optional<QImage> buffer = CreateBackBuffer(clipBox);
    if (!buffer)
        return;
    {
        QPainter painter(&*buffer);
        DrawMap(painter, *target.device(), clipBox.size());
    }
    CopyBackBuffer(target, clipBox, *buffer);
}

bool COsmView::OnOsmClick(const QPoint& point) {
    if (point.y() < kStripHeight) {
        for (const StripButton& button : kStripButtons) {
            if (button.left < point.x() && point.x() < button.right) {
                button.action();
                break;
            }
        }
    }
    return true;
}
