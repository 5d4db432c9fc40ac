#include "output/page_geometry.h"

#include <cmath>

namespace {

// Both the page image and the preview's image leave a 3-pixel border all round their target.
constexpr int kBorder = 6;
constexpr float kMarginUnitsPerInch = 600.0f;
constexpr float kMillimetresPerInch = 25.4f;
constexpr float kFrameHeight = 250.0f;
constexpr float kMaxFrameWidth = 420.0f;

// A cell count: how many `cell`s fit in `extent`. Dividing an extent by its own n-th part can land a hair
// below n in single precision, which would drop a whole column, so the count is rounded up across that hair.
int FittingCells(int extent, float cell) {
    if (cell <= 0)
        return 0;
    return int(std::floor(float(extent) / cell + 1e-4f));
}

// A margin in 1/600 inch on paper `paperMm` millimetres long, scaled onto `pixels` of preview.
float PreviewMargin(int margin, int paperMm, int pixels) {
    if (margin < 1 || paperMm <= 0)
        return 0;
    const float millimetres = float(margin) / kMarginUnitsPerInch * kMillimetresPerInch;
    return millimetres / float(paperMm) * float(pixels);
}

} // namespace

int GridColumns(const GridGeometry& grid) {
    return FittingCells(grid.width, grid.tileW);
}

int GridRows(const GridGeometry& grid) {
    return FittingCells(grid.height, grid.tileH);
}

GridGeometry PageGeometry(const QSize& printable, int slider, int dpiX, int dpiY,
                          const PageMargins& margins) {
    GridGeometry grid;
    grid.width = printable.width() - kBorder;
    grid.height = printable.height() - kBorder;
    const float base = float(grid.width) / float(slider);
    grid.tileW = base * float(dpiX) / kMarginUnitsPerInch;
    grid.tileH = base * float(dpiY) / kMarginUnitsPerInch;
    grid.top = float(margins.top) * float(dpiY) / kMarginUnitsPerInch;
    grid.left = float(margins.left) * float(dpiX) / kMarginUnitsPerInch;
    return grid;
}

std::optional<QSize> PreviewFrameSize(int width, int height, bool portrait) {
    if (width <= 0 || height <= 0)
        return std::nullopt;
    const float w = float(width);
    const float h = float(height);
    float frameWidth = portrait ? w / h * kFrameHeight : h * kFrameHeight / w;
    float frameHeight = kFrameHeight;
    if (frameWidth > kMaxFrameWidth) {
        frameWidth = kMaxFrameWidth;
        frameHeight = portrait ? h * kMaxFrameWidth / w : w * kMaxFrameWidth / h;
    }
    return QSize(int(frameWidth), int(frameHeight));
}

GridGeometry PreviewGeometry(const QSize& frame, int slider, const PaperMillimetres& paper,
                             const PageMargins& margins) {
    GridGeometry grid;
    grid.width = frame.width() - kBorder;
    grid.height = frame.height() - kBorder;
    grid.tileW = grid.tileH = float(grid.width) / float(slider);
    grid.left = PreviewMargin(margins.left, paper.width, grid.width);
    grid.top = PreviewMargin(margins.top, paper.height, grid.height);
    return grid;
}
