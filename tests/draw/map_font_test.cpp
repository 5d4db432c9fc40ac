#include "draw/map_band.h"
#include "draw/map_font.h"
#include "support/tile_cache.h"

#include <QFontMetrics>

namespace {

// A blank target of `dpiX` by `dpiY` dots per inch.
QImage Target(QSize size, int dpiX, int dpiY) {
    QImage image(size, QImage::Format_RGB32);
    image.setDotsPerMeterX(qRound(dpiX / 0.0254));
    image.setDotsPerMeterY(qRound(dpiY / 0.0254));
    image.fill(TileCache::kUntouched);
    return image;
}

} // namespace

// The sizes are cell heights, ascent plus descent, on screens and printers alike; the width keeps the stretch
// to the average character width. Whole-pixel em sizes of this face reach about eight cells in nine: where
// the specified one is out of reach (18 and 100 here) the cell is the one just below, never taller.
TEST(MapFont, TheCellIsTheSpecifiedHeightAndTheAverageCharacterTheSpecifiedWidth) {
    struct Size {
        int dpiX, dpiY, heightDivisor, widthDivisor, cell;
    };
    const Size sizes[] = {
        {.dpiX = 96, .dpiY = 96, .heightDivisor = 3, .widthDivisor = 6, .cell = 32},
        {.dpiX = 96, .dpiY = 96, .heightDivisor = 6, .widthDivisor = 12, .cell = 16},
        {.dpiX = 96, .dpiY = 96, .heightDivisor = 8, .widthDivisor = 16, .cell = 12},
        {.dpiX = 96, .dpiY = 96, .heightDivisor = 4, .widthDivisor = 8, .cell = 24},
        {.dpiX = 120, .dpiY = 144, .heightDivisor = 8, .widthDivisor = 16, .cell = 17},
        {.dpiX = 300, .dpiY = 300, .heightDivisor = 4, .widthDivisor = 8, .cell = 75},
        {.dpiX = 300, .dpiY = 600, .heightDivisor = 3, .widthDivisor = 6, .cell = 200},
        {.dpiX = 600, .dpiY = 600, .heightDivisor = 6, .widthDivisor = 12, .cell = 99},
    };
    for (const Size& size : sizes) {
        SCOPED_TRACE(size.cell);
        const QImage target = Target(QSize(8, 8), size.dpiX, size.dpiY);
        const QFontMetrics metrics(MapFont(target, size.heightDivisor, size.widthDivisor));
        EXPECT_EQ(metrics.ascent() + metrics.descent(), size.cell);
        EXPECT_NEAR(metrics.averageCharWidth(), size.dpiX / size.widthDivisor, 1 + size.dpiX / 200);
    }
}

// At 96 dpi the zoom number's cell is 32 pixels high and stays inside the 33-pixel band; the status line's is
// 16 pixels from y = 8.
TEST(MapFont, TheZoomNumberAndTheStatusLineStayInsideTheBand) {
    QImage band = Target(QSize(800, 60), 96, 96);
    g_nZoom = 18;
    QPainter painter(&band);
    DrawMapBand(painter, band, 2032, 1362);
    painter.end();
    const QImage blank = Target(QSize(1, 60), 96, 96);
    EXPECT_EQ(TileCache::DifferingArea(band.copy(82, 0, 1, 60), blank), QRect(0, 0, 1, 32));
    EXPECT_EQ(TileCache::DifferingArea(band.copy(412, 0, 1, 60), blank), QRect(0, 8, 1, 16));
}
