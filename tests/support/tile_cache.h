#pragma once

#include "state/map_state.h"
#include "support/test_env.h"

#include <QImage>
#include <QString>
#include <gtest/gtest.h>

// An OSM tile cache of one-colour tiles, so that a printed page or a preview tells which tile lies where.
namespace TileCache {

inline QRgb CellColour(int column, int row) {
    return qRgb(20 + 22 * column, 20 + 30 * row, 120);
}

// Tiles 0..columns-1 by 0..rows-1 of zoom 12 in a fresh cache folder that g_szAtlasFolder names; the tile
// at `missing` is left out.
inline void Write(int columns, int rows, QPoint missing = {-1, -1}) {
    g_szAtlasFolder = TestEnv::TempFolder() + QLatin1Char('/');
    g_nZoom = 12;
    for (int row = 0; row < rows; ++row)
        for (int column = 0; column < columns; ++column) {
            if (QPoint(column, row) == missing)
                continue;
            QImage tile(256, 256, QImage::Format_RGB32);
            tile.fill(CellColour(column, row));
            ASSERT_TRUE(tile.save(g_szAtlasFolder + QStringLiteral("12-%1-%2.png").arg(column).arg(row)));
        }
}

} // namespace TileCache
