// Measures one printed page: A4 landscape at 600 dpi, slider 5, OSM tiles of 256 x 256 pixels, printed to a
// 600-dpi PDF file through QPrinter. Reports the grid's composition into a picture of the page's size, the
// whole job until it is handed over, one preview redraw and the peak memory; then an A0 portrait page printed
// to a PDF file as the print dialog does, in a process of its own, for its peak memory and time.
// Usage: print_page [work folder].

#include "output/page_geometry.h"
#include "output/paper_codes.h"
#include "output/printed_page.h"
#include "output/tile_grid.h"
#include "platform/message_box.h"
#include "state/map_state.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kSlider = 5;
constexpr int kDpi = 600;
constexpr int kColumns = 5;
// A0 portrait holds 7 rows at slider 5.
constexpr int kRows = 8;
const char* const kA0Mode = "--a0";

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

// The child's part: one A0 portrait page to a PDF file, then its time and its own peak memory.
int PrintA0(const TileSource& tiles, const QString& work) {
    const PrintRequest request{.pageSize = PageSizeOfCode(118),
                               .orientation = QPageLayout::Portrait,
                               .slider = kSlider,
                               .margins = {}};
    QElapsedTimer timer;
    timer.start();
    if (!PrintToPdfFile(work + QStringLiteral("/a0.pdf"), request, tiles))
        return 1;
    // The peak of this process's own memory: the kernel's ru_maxrss would also count the parent's memory
    // that this process had between its fork and its exec.
    std::printf("%.2f %.1f\n", double(timer.nsecsElapsed()) / 1e9, PeakMebibytes());
    return 0;
}

// Runs the A0 page in a child process, so that its peak is its own; false when the child fails.
bool MeasureA0(const QString& work, double& seconds, double& peakMebibytes) {
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QCoreApplication::applicationFilePath(), {QString::fromLatin1(kA0Mode), work});
    if (!child.waitForFinished(600000) || child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0)
        return false;
    const QStringList figures = QString::fromLatin1(child.readAllStandardOutput()).split(QLatin1Char(' '));
    if (figures.size() != 2)
        return false;
    seconds = figures[0].toDouble();
    peakMebibytes = figures[1].toDouble();
    return true;
}

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    SetMessageRecorder([](const QString&, const QString& text, MessageIcon) {
        std::fprintf(stderr, "print_page: %s\n", qPrintable(text));
    });
    const bool a0Child = argc > 2 && QByteArray(argv[1]) == kA0Mode;
    QTemporaryDir temporary;
    const QString work = a0Child    ? QString::fromLocal8Bit(argv[2])
                         : argc > 1 ? QString::fromLocal8Bit(argv[1])
                                    : temporary.path();
    QDir().mkpath(work);
    g_szAtlasFolder = work + QStringLiteral("/cache/");
    g_nZoom = 12;
    if (!QDir().mkpath(g_szAtlasFolder) || !WriteTiles(g_szAtlasFolder)) {
        std::fprintf(stderr, "print_page: cannot write tiles under %s\n", qPrintable(work));
        return 1;
    }
    const TileSource tiles = OsmTiles(0, 0);
    if (a0Child)
        return PrintA0(tiles, work);

    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(work + QStringLiteral("/page.pdf"));
    printer.setResolution(kDpi);
    const PrintRequest request{.pageSize = PageSizeOfCode(9),
                               .orientation = QPageLayout::Landscape,
                               .slider = kSlider,
                               .margins = {}};

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

    double a0Seconds = 0;
    double a0Peak = 0;
    if (!MeasureA0(work, a0Seconds, a0Peak)) {
        std::fprintf(stderr, "print_page: the A0 page failed\n");
        return 1;
    }

    std::printf("print_page compose_ms: %.1f\n", composeMs);
    std::printf("print_page job_seconds: %.2f\n", jobSeconds);
    std::printf("print_page preview_ms: %.1f\n", previewMs);
    std::printf("print_page peak_mib: %.0f\n", PeakMebibytes());
    std::printf("print_page a0_peak_mib: %.0f\n", a0Peak);
    std::printf("print_page a0_seconds: %.2f\n", a0Seconds);
    return image ? 0 : 1;
}
