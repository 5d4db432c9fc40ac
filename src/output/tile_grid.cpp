#include "output/tile_grid.h"

#include "atlas/level_source.h"
#include "draw/tile_pictures.h"
#include "osm/tile_address.h"
#include "state/map_state.h"

#include <QImage>
#include <QPainter>
#include <cmath>

TileSource TrekbuddyTiles(qint32 firstCol, qint32 firstRow, qint32 tileWidth, qint32 tileHeight) {
    std::shared_ptr<const LevelSource> level = OpenLevelSource(g_szAtlasFolder);
    return [=](int c, int r) {
        return level->TileAt((qint64(firstCol) + c) * tileWidth, (qint64(firstRow) + r) * tileHeight);
    };
}

TileSource OsmTiles(qint32 firstCol, qint32 firstRow) {
    return [=](int c, int r) -> std::optional<FileRange> {
        return FileRange{TilePath(qint32(g_nZoom), firstCol + c, firstRow + r)};
    };
}

void DrawTileGrid(QPainter& target, const GridGeometry& grid, const TileSource& tiles,
                  const std::function<void(int column)>& column) {
    const int columns = GridColumns(grid);
    const int rows = GridRows(grid);
    const QSize cell(int(grid.tileW), int(grid.tileH));
    float x = 0;
    for (int c = 0; c < columns; ++c) {
        if (float(c) * grid.tileW + grid.left > float(grid.width))
            continue;
        if (column)
            column(c);
        float y = 0;
        for (int r = 0; r < rows; ++r) {
            if (float(r) * grid.tileH + grid.top > float(grid.height))
                break;
            if (const std::optional<FileRange> file = tiles(c, r)) {
                const QImage tile = DecodeTilePicture(*file);
                if (!tile.isNull())
                    target.drawImage(QRect(QPoint(int(x + grid.left), int(y + grid.top)), cell), tile);
            }
            y = std::trunc(y + grid.tileH);
        }
        x = std::trunc(x + grid.tileW);
    }
}
