#include "output/printed_page.h"
#include "output/tile_grid.h"
#include "support/tile_cache.h"

using namespace TileCache;

// A column whose left edge, margin added, lies exactly on the picture's right edge is still started and its
// tiles looked up (nothing of it shows); one a pixel further is skipped. Rows end likewise at the bottom
// edge. Cells of 25 x 20 in a picture of 100 x 60: 4 columns, 3 rows.
TEST(TileGrid, ACellOnTheEdgeCountsAndOnePastItDoesNot) {
    struct Edge {
        const char* name;
        float left, top;
        QList<int> columns;
        int rows;
    };
    const Edge edges[] = {
        {.name = "on both edges", .left = 25, .top = 20, .columns = {0, 1, 2, 3}, .rows = 3},
        {.name = "a pixel past the right edge", .left = 26, .top = 20, .columns = {0, 1, 2}, .rows = 3},
        {.name = "a pixel past the bottom edge", .left = 25, .top = 21, .columns = {0, 1, 2, 3}, .rows = 2},
    };
    for (const Edge& edge : edges) {
        SCOPED_TRACE(edge.name);
        QList<int> started;
        QList<QPoint> lookedUp, expected;
        for (int column : edge.columns)
            for (int row = 0; row < edge.rows; ++row)
                expected.append({column, row});
        const TileSource tiles = [&lookedUp](int c, int r) -> std::optional<FileRange> {
            lookedUp.append({c, r});
            return std::nullopt;
        };
        ASSERT_TRUE(ComposePage(
            {.tileW = 25, .tileH = 20, .width = 100, .height = 60, .left = edge.left, .top = edge.top}, tiles,
            [&started](int column) { started.append(column); }));
        EXPECT_EQ(started, edge.columns);
        EXPECT_EQ(lookedUp, expected);
    }
}

// Trekbuddy tiles are named by their pixel position, column times tile width and row times tile height:
// with tiles of 64 x 40 pixels the grid from level column 1 and row 1 shows t_64_40.png, t_128_40.png, ...
TEST(TileGrid, TrekbuddyTilesAreNamedByTheirPixelPositionAcrossAndDown) {
    g_szAtlasFolder = TestEnv::TempFolder() + QStringLiteral("/level");
    WriteSetTiles(g_szAtlasFolder, 5, 3, {64, 40});
    const std::optional<QImage> page =
        ComposePage({.tileW = 20, .tileH = 20, .width = 80, .height = 40}, TrekbuddyTiles(1, 1, 64, 40));
    ASSERT_TRUE(page);
    for (int row = 0; row < 2; ++row)
        for (int column = 0; column < 4; ++column)
            EXPECT_TRUE(Shows(*page, {column * 20 + 10, row * 20 + 10}, CellColour(column + 1, row + 1)));
}
