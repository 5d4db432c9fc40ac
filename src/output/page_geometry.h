#pragma once

#include <QSize>
#include <optional>

// A tile grid as drawn onto a page image or a preview: the cell size, the size of the image it is drawn into
// and the margin offsets, all in the image's pixels.
struct GridGeometry {
    float tileW = 0;
    float tileH = 0;
    int width = 0;
    int height = 0;
    float left = 0;
    float top = 0;
};

// The whole cells that fit across and down the image: trunc(width / tileW) and trunc(height / tileH).
int GridColumns(const GridGeometry& grid);
int GridRows(const GridGeometry& grid);

// Margins are whole numbers in units of 1/600 inch.
struct PageMargins {
    int top = 0;
    int left = 0;
};

// The printed page's grid: `printable` is the page's printable size in printer dots, `slider` the tiles
// across on a 600-dpi printer (1 to 20), dpiX and dpiY the printer's resolution. The page image is 6 dots
// smaller each way than the printable area.
GridGeometry PageGeometry(const QSize& printable, int slider, int dpiX, int dpiY, const PageMargins& margins);

// The preview frame's size in pixels for a paper of width x height (any one unit): 250 pixels high, as wide
// as the page's shape asks, but at most 420 wide. Nothing when the paper has no area.
std::optional<QSize> PreviewFrameSize(int width, int height, bool portrait);

// The paper a preview stands for, in whole millimetres; 0 where it is not known.
struct PaperMillimetres {
    int width = 0;
    int height = 0;
};

// The preview's grid inside a frame of `frame` pixels: the image is 6 pixels smaller each way, `slider`
// square tiles across, and the margins scaled from the paper's size onto the image. A margin scales to 0
// when it is below 1 or the paper's side is not known.
GridGeometry PreviewGeometry(const QSize& frame, int slider, const PaperMillimetres& paper,
                             const PageMargins& margins);
