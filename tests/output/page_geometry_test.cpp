#include "output/page_geometry.h"
#include "output/printed_page.h"
#include "support/tile_cache.h"

using namespace TileCache;

// Slider 5 on A4 landscape at 300 dpi gives twice the tiles across of 600 dpi. A top margin of 600 on a
// 600-dpi page moves the whole grid one inch down; the rows still start inside the page image, so all three
// are drawn.
TEST(PageGeometry, HalfTheResolutionGivesTwiceTheTilesAcrossAndATopMarginMovesTheGridDown) {
    const GridGeometry low = PageGeometry({3358, 2330}, 5, 300, 300, {});
    EXPECT_EQ((std::tuple{GridColumns(low), GridRows(low), low.tileW, low.tileH}),
              (std::tuple{10, 6, 335.2f, 335.2f}));
    Write(5, 3);
    const GridGeometry grid = PageGeometry({6716, 4661}, 5, 600, 600, {600, 0});
    const std::optional<QImage> page = ComposePage(grid, OsmTiles(0, 0));
    ASSERT_TRUE(page);
    ASSERT_EQ(page->size(), QSize(6710, 4655));
    EXPECT_EQ((std::array{page->pixel(10, 599), page->pixel(10, 600), page->pixel(4 * 1342 + 10, 600 + 1341),
                          page->pixel(10, 600 + 1342), page->pixel(10, 600 + 2 * 1342 + 1341),
                          page->pixel(10, 600 + 3 * 1342)}),
              (std::array{0xffffffffu, CellColour(0, 0), CellColour(4, 0), CellColour(0, 1), CellColour(0, 2),
                          0xffffffffu}));
}

// The cells that fit are counted whole, across from the width and down from the height. A width divided by
// its own seventh lands a hair below 7 in single precision, which still counts as 7 cells; a cell 3 parts in
// 100,000 larger than a seventh leaves 6.
TEST(PageGeometry, CellCountsForgiveOnlyTheRoundingOfTheirOwnDivision) {
    ASSERT_LT(114 / (114.0f / 7), 7.0f) << "the rounding that the count must forgive";
    struct Count {
        const char* name;
        float tileW, tileH;
        int columns, rows;
    };
    const Count counts[] = {
        {.name = "whole cells", .tileW = 38, .tileH = 28, .columns = 3, .rows = 4},
        {.name = "a seventh", .tileW = 114.0f / 7, .tileH = 112.0f / 13, .columns = 7, .rows = 13},
        {.name = "a hair more", .tileW = 114 / 6.9997f, .tileH = 112 / 12.9997f, .columns = 6, .rows = 12},
    };
    for (const Count& count : counts) {
        const GridGeometry grid{.tileW = count.tileW, .tileH = count.tileH, .width = 114, .height = 112};
        EXPECT_EQ((std::pair{GridColumns(grid), GridRows(grid)}), (std::pair{count.columns, count.rows}))
            << count.name;
    }
}
