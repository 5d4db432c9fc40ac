#include "atlas/trekbuddy.h"

#include "atlas/level_folder.h"
#include "atlas/level_source.h"
#include "atlas/pan_view.h"
#include "atlas/position_clamp.h"
#include "atlas/tile_count.h"
#include "draw/back_buffer.h"
#include "draw/map_band.h"
#include "draw/map_font.h"
#include "draw/map_notes.h"
#include "draw/tile_pictures.h"
#include "platform/directory_listing.h"
#include "state/map_state.h"

#include <QPainter>

namespace {

constexpr int kWindowColumns = 8;
constexpr int kWindowRows = 6;

const QStringList kNoTilesLines = {
    QStringLiteral("No image tiles were found for this zoom level."),
    QStringLiteral("Check that the default Trekbuddy atlas folder"),
    QStringLiteral("is set to the correct folder and that there is "),
    QStringLiteral("a subfolder for the current zoom level. "),
    QStringLiteral("Check that the x and y pan values are"),
    QStringLiteral("not outside of the map area."),
    QStringLiteral("Note: the x and y pan values will now be reset."),
};

// The tile of window cell (column, row), if the level has one.
std::optional<TilePicture> FindTile(const LevelSource& level, int column, int row) {
    const qint64 px = (qint64(g_nTbX) + column) * g_nTileWidth;
    const qint64 py = (qint64(g_nTbY) + row) * g_nTileHeight;
    std::optional<FileRange> file = level.TileAt(px, py);
    if (!file)
        return std::nullopt;
    return TilePicture{QPoint(column * g_nTileWidth, row * g_nTileHeight + kBandHeight), std::move(*file)};
}

// The tiles of the 8 x 6 window from (g_nTbX, g_nTbY), cut where the cells start beyond the picture.
std::vector<TilePicture> TileWindow(const QSize& size) {
    // Tile sizes come from images and are never negative; with a negative one the cell positions, which
    // otherwise stay within the picture, could leave the range of an int.
    if (g_nTileWidth < 0 || g_nTileHeight < 0)
        return {};
    const std::unique_ptr<LevelSource> level = OpenLevelSource(g_szAtlasFolder);
    std::vector<TilePicture> tiles;
    for (int column = 0; column < kWindowColumns; ++column) {
        if (qint64(column) * g_nTileWidth > size.width())
            continue;
        for (int row = 0; row < kWindowRows; ++row) {
            if (qint64(row) * g_nTileHeight + kBandHeight > size.height())
                break;
            if (std::optional<TilePicture> tile = FindTile(*level, column, row))
                tiles.push_back(std::move(*tile));
        }
    }
    return tiles;
}

// The map shows nothing: note it, and pull the position back into the level for the next paint.
void ReportNoTiles(QPainter& painter, const QFont& font) {
    g_bMoved = 1;
    g_nTbX = ClampTilePosition(g_nTbX, CountTileColumns());
    g_nTbY = ClampTilePosition(g_nTbY, CountTileRows());
    DrawMapNote(painter, kNoTilesLines, font);
}

// `tiles` holds the window's tiles already decoding, when the level was known before the paint.
void DrawMap(QPainter& painter, const QPaintDevice& device, const QSize& size,
             const std::unique_ptr<TileDecoding>& tiles) {
    const QFont smallFont = MapFont(device, 6, 12);
    DrawMapBand(painter, device, g_nTbX, g_nTbY);

    int drawn = 0;
    if (g_szAtlasFolder.isEmpty()) {
        g_nTbX = 0;
        g_nTbY = 0;
        GetLevelFolder();
        if (g_szAtlasFolder.isEmpty()) {
            DrawMapNote(painter, NoTileFolderLines(), smallFont);
            ++drawn;
        }
    }
    // Without a level folder the tile names would be looked up from the file-system root.
    if (!g_szAtlasFolder.isEmpty())
        drawn += tiles ? tiles->Draw(painter) : DrawTilePictures(painter, TileWindow(size));
    if (drawn == 0)
        ReportNoTiles(painter, smallFont);
}

} // namespace

void CTrekbuddy::DrawAtlas(QPainter& target, const QRect& clipBox) {
    std::unique_ptr<TileDecoding> ahead = std::move(m_ahead);
    if (g_bPanView == 1) {
        DrawPanImage(target, clipBox);
        return;
    }
    StartListingRound();
    // The tiles decode on the other cores while the back buffer is made and the band drawn.
    std::unique_ptr<TileDecoding> tiles;
    if (!g_szAtlasFolder.isEmpty()) {
        std::vector<TilePicture> window = TileWindow(clipBox.size());
        tiles = ahead && ahead->Tiles() == window ? std::move(ahead)
                                                  : std::make_unique<TileDecoding>(std::move(window));
    }
    DrawOffScreen(target, clipBox, [&clipBox, &tiles](QPainter& painter, const QPaintDevice& device) {
        DrawMap(painter, device, clipBox.size(), tiles);
    });
}

MapReply CTrekbuddy::Draw(QPainter& painter, const QRect& clipBox, DrawPurpose purpose) {
    if (purpose == DrawPurpose::Print)
        return RepaintReply();
    DrawAtlas(painter, clipBox);
    return {};
}

void CTrekbuddy::DecodeAhead(const QSize& size) {
    m_ahead.reset();
    if (g_bPanView == 1 || g_szAtlasFolder.isEmpty())
        return;
    StartListingRound();
    m_ahead = std::make_unique<TileDecoding>(TileWindow(size));
}

void CTrekbuddy::ZoomChosen() {
    LoadLevel();
}
