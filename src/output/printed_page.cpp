#include "output/printed_page.h"

#include "draw/back_buffer.h"
#include "platform/message_box.h"

#include <QDir>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSaveFile>

namespace {

// The page image of the grid goes onto the page from its pixel (1, 1) on, at (3, 3) of the printable area:
// its first row and column are not printed.
constexpr QPoint kImageSource(1, 1);
constexpr QPoint kPagePosition(3, 3);
// A PDF file holds the page a 600-dpi printer prints: slider n puts n tiles across.
constexpr int kPdfDpi = 600;

void Notify(const std::function<void(int)>& listener, int value) {
    if (listener)
        listener(value);
}

// The printable area in printer dots, across at dpi.x and down at dpi.y.
QSize PrintableDots(const QPagedPaintDevice& device, PrinterDpi dpi) {
    const QPageLayout layout = device.pageLayout();
    return {layout.paintRectPixels(dpi.x).width(), layout.paintRectPixels(dpi.y).height()};
}

// The page in printer dots, `painter` standing at the printable area's top-left: white, and the grid where
// its page image would lie, cut where that image ends.
void DrawPrintedPage(QPainter& painter, const QSize& printable, const GridGeometry& grid,
                     const TileSource& tiles, const std::function<void(int column)>& column) {
    painter.fillRect(QRect(QPoint(0, 0), printable), Qt::white);
    painter.setClipRect(QRect(kPagePosition, QSize(grid.width, grid.height) - QSize(1, 1)));
    painter.translate(kPagePosition - kImageSource);
    DrawTileGrid(painter, grid, tiles, column);
}

QString PrinterGone(const QString& printer) {
    return QStringLiteral("The printer \"%1\" is no longer installed. Nothing was printed.").arg(printer);
}

QString PdfNotWritten(const QString& path, const QString& reason) {
    return QStringLiteral("The PDF file \"%1\" could not be written (%2). Nothing was printed.")
        .arg(QDir::toNativeSeparators(path), reason);
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

bool PrintMapPage(QPagedPaintDevice& device, PrinterDpi dpi, const PrintRequest& request,
                  const TileSource& tiles, const PrintProgress& progress) {
    device.setPageSize(request.pageSize);
    device.setPageOrientation(request.orientation);
    // The printable area is what the printer can reach, not the toolkit's default margins inside it.
    device.setPageMargins(device.pageLayout().minimumMargins(), device.pageLayout().units());
    const QSize printable = PrintableDots(device, dpi);
    const GridGeometry grid = PageGeometry(printable, request.slider, dpi.x, dpi.y, request.margins);
    if (grid.width <= 0 || grid.height <= 0)
        return false;

    const int columns = GridColumns(grid);
    Notify(progress.started, columns);
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    // The device counts dots of dpi.x both ways; a printer with fewer dots down gets taller ones.
    painter.scale(1.0, double(dpi.x) / double(dpi.y));
    DrawPrintedPage(painter, printable, grid, tiles, progress.column);
    if (!painter.end())
        return false;
    Notify(progress.finished, columns);
    return true;
}

bool PrintOnPrinter(const QString& printer, const PrintRequest& request, const TileSource& tiles,
                    const PrintProgress& progress) {
    // Qt would print on the default printer in place of one it does not know.
    const QPrinterInfo installed = QPrinterInfo::printerInfo(printer);
    if (installed.isNull()) {
        ShowMessage(PrinterGone(printer));
        return false;
    }
    const PrinterDpi dpi = PrinterResolution(printer);
    QPrinter job(installed, QPrinter::HighResolution);
    job.setDocName(kPrintJobName);
    job.setCopyCount(1);
    job.setResolution(dpi.x);
    return PrintMapPage(job, dpi, request, tiles, progress);
}

bool PrintToPdfFile(const QString& path, const PrintRequest& request, const TileSource& tiles,
                    const PrintProgress& progress) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        ShowMessage(PdfNotWritten(path, file.errorString()));
        return false;
    }
    // The page has gone only once the file is in place.
    int columns = 0;
    PrintProgress drawing = progress;
    drawing.started = [&columns, &progress](int count) {
        columns = count;
        Notify(progress.started, count);
    };
    drawing.finished = nullptr;
    bool drawn = false;
    {
        QPdfWriter pdf(&file);
        pdf.setTitle(kPrintJobName);
        pdf.setResolution(kPdfDpi);
        drawn = PrintMapPage(pdf, {kPdfDpi, kPdfDpi}, request, tiles, drawing);
    }
    if (!drawn || !file.commit()) {
        ShowMessage(PdfNotWritten(path, file.errorString()));
        return false;
    }
    Notify(progress.finished, columns);
    return true;
}
