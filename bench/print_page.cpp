// Measures one printed page: A4 landscape at 600 dpi, slider 5, OSM tiles of 256 x 256 pixels, printed to a
// 600-dpi PDF file through QPrinter. Reports the page image's composition, the whole job until it is handed
// over, one preview redraw and the peak memory. Usage: print_page [work folder].

#include "output/page_geometry.h"
#include "output/paper_codes.h"
#include "output/printed_page.h"
#include "output/tile_grid.h"
#include "state/map_state.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kSlider = 5;
constexpr int kDpi = 600;
constexpr int kColumns = 5;
constexpr int kRows = 4;

// Tiles with some detail, so that decoding costs what a map tile costs.
bool WriteTiles(const QString& cache) {
    for (int row = 0; row < kRows; ++row)
        for (int column = 0; column < kColumns; ++column) {
            QImage tile(256, 256, QImage::Format_RGB32);
            for (int y = 0; y < 256; ++y)
                for (int x = 0; x < 256; ++x)
                    tile.setPixel(x, y,
                                  qRgb((x * 7 + column * 40) & 255, (y * 5 + row * 60) & 255, (x ^ y) & 255));
            if (!tile.save(cache + QStringLiteral("12-%1-%2.png").arg(column).arg(row)))
                return false;
        }
    return true;
}

double PeakMebibytes() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    const QRegularExpression hwm(QStringLiteral("VmHWM:\\s+(\\d+) kB"));
    return hwm.match(QString::fromLatin1(status.readAll())).captured(1).toDouble() / 1024.0;
}

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTemporaryDir temporary;
    const QString work = argc > 1 ? QString::fromLocal8Bit(argv[1]) : temporary.path();
    QDir().mkpath(work);
    g_szAtlasFolder = work + QStringLiteral("/cache/");
    g_nZoom = 12;
    if (!QDir().mkpath(g_szAtlasFolder) || !WriteTiles(g_szAtlasFolder)) {
        std::fprintf(stderr, "print_page: cannot write tiles under %s\n", qPrintable(work));
        return 1;
    }
    const TileSource tiles = OsmTiles(0, 0);

    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(work + QStringLiteral("/page.pdf"));
    printer.setResolution(kDpi);
    PrintRequest request;
    request.pageSize = PageSizeOfCode(9);
    request.orientation = QPageLayout::Landscape;
    request.slider = kSlider;

    QElapsedTimer timer;
    timer.start();
    if (!PrintMapPage(printer, {kDpi, kDpi}, request, tiles)) {
        std::fprintf(stderr, "print_page: the job failed\n");
        return 1;
    }
    const double jobSeconds = double(timer.nsecsElapsed()) / 1e9;
    const QSize printable = printer.pageRect(QPrinter::DevicePixel).size().toSize();
    std::printf("page %d x %d dots, PDF %lld bytes\n", printable.width(), printable.height(),
                QFile(printer.outputFileName()).size());

    const GridGeometry page = PageGeometry(printable, kSlider, kDpi, kDpi, {});
    timer.restart();
    const std::optional<QImage> image = ComposePage(page, tiles);
    const double composeMs = double(timer.nsecsElapsed()) / 1e6;
    std::printf("page image %d x %d, %d x %d tiles, composed in %.1f ms\n", page.width, page.height,
                GridColumns(page), GridRows(page), composeMs);

    // The dialog's redraw: the 353 x 250 frame of A4 landscape, its image cleared and the grid drawn. The
    // machine is shared, so the middle of five redraws stands for one.
    std::vector<double> redraws;
    for (int round = 0; round < 5; ++round) {
        timer.restart();
        const GridGeometry preview = PreviewGeometry(QSize(353, 250), kSlider, {297, 210}, {});
        QImage frame(preview.width, preview.height, QImage::Format_RGB32);
        frame.fill(Qt::white);
        QPainter painter(&frame);
        DrawTileGrid(painter, preview, tiles);
        painter.end();
        redraws.push_back(double(timer.nsecsElapsed()) / 1e6);
        std::printf("preview redraw %.1f ms\n", redraws.back());
    }
    std::sort(redraws.begin(), redraws.end());
    const double previewMs = redraws[redraws.size() / 2];

    std::printf("print_page compose_ms: %.1f\n", composeMs);
    std::printf("print_page job_seconds: %.2f\n", jobSeconds);
    std::printf("print_page preview_ms: %.1f\n", previewMs);
    std::printf("print_page peak_mib: %.0f\n", PeakMebibytes());
    return image ? 0 : 1;
}
