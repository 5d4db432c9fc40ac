#include "output/printed_page.h"

#include "draw/back_buffer.h"

#include <QPainter>
#include <QPrinter>

namespace {

// The page image goes onto the page from its pixel (1, 1) on, at (3, 3) of the printable area.
constexpr QPoint kImageSource(1, 1);
constexpr QPoint kPagePosition(3, 3);

void Notify(const std::function<void(int)>& listener, int value) {
    if (listener)
        listener(value);
}

} // namespace

std::optional<QImage> ComposePage(const GridGeometry& grid, const TileSource& tiles,
                                  const std::function<void(int column)>& column) {
    std::optional<QImage> page = CreateBackBuffer(QRect(0, 0, grid.width, grid.height));
    if (!page)
        return std::nullopt;
    page->fill(Qt::white);
    QPainter painter(&*page);
    DrawTileGrid(painter, grid, tiles, column);
    return page;
}

bool PrintMapPage(QPrinter& printer, const PrintRequest& request, const TileSource& tiles,
                  const PrintProgress& progress) {
    printer.setDocName(kPrintJobName);
    printer.setCopyCount(1);
    printer.setPageSize(request.pageSize);
    printer.setPageOrientation(request.orientation);
    // The printable area is what the printer can reach, not the toolkit's default margins inside it.
    printer.setPageMargins(printer.pageLayout().minimumMargins(), printer.pageLayout().units());
    const int dpi = printer.resolution();
    const QSize printable = printer.pageRect(QPrinter::DevicePixel).size().toSize();
    const GridGeometry grid = PageGeometry(printable, request.slider, dpi, dpi, request.margins);
    if (grid.width <= 0 || grid.height <= 0)
        return false;

    const int columns = GridColumns(grid);
    Notify(progress.started, columns);
    const std::optional<QImage> image = ComposePage(grid, tiles, progress.column);
    if (!image)
        return false;
    QPainter page;
    if (!page.begin(&printer))
        return false;
    page.fillRect(QRect(QPoint(0, 0), printable), Qt::white);
    page.drawImage(kPagePosition, *image, QRect(kImageSource, image->size()));
    page.end();
    Notify(progress.finished, columns);
    return true;
}
