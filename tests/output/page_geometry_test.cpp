#include "output/page_geometry.h"
#include "output/paper_codes.h"
#include "output/printed_page.h"
#include "support/tile_cache.h"

using namespace TileCache;

// A printer's paper sizes become table codes in the printer's order; sizes the table lacks (no Windows paper
// number, or one above 118) are left out, and A1 and A0 have codes of their own.
TEST(PaperCodes, MapPrinterSizesToTableCodes) {
    // A driver's own 100 mm form has Windows number 256, Executive none.
    using P = QPageSize;
    const QList<P> printer = {P(P::A4),          P(P::Letter),  P(QSizeF(100, 100), P::Millimeter),
                              P(P::A0),          P(P::A1),      P(P::Executive),
                              P(P::LetterExtra), P(P::A4Extra), P(P::EnvelopePrc10)};
    EXPECT_EQ(PaperCodes(printer), QList<int>({9, 1, 118, 117, 48, 51, 103}));
}

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
