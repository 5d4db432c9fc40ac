#include "atlas/level_folder.h"
#include "dialogs/dialog_driver.h"
#include "dialogs/print_dlg.h"
#include "support/tile_cache.h"

#include <QDeadlineTimer>
#include <QPrinterInfo>
#include <QProcess>
#include <QThread>

using namespace TileCache;

namespace {

QStringList JobFiles() {
    return QDir(qEnvironmentVariable("TARNWELL_PRINT_OUT"))
        .entryList({QStringLiteral("job-*.pdf")}, QDir::Files, QDir::Name);
}

// Whether the service of scripts/print-queue answers with its queue, whose every job lands as a PDF in
// $TARNWELL_PRINT_OUT; a printing test asserts this first, so that it fails instead of waiting for a job.
::testing::AssertionResult Ready() {
    const QString jobs = qEnvironmentVariable("TARNWELL_PRINT_OUT");
    if (jobs.isEmpty() || !QDir(jobs).exists() ||
        QPrinterInfo::printerInfo(QStringLiteral("tarnwell-test")).isNull())
        return ::testing::AssertionFailure()
               << "no print queue tarnwell-test at CUPS_SERVER with a job folder at TARNWELL_PRINT_OUT: run "
                  "the tests through scripts/test, or eval \"$(scripts/print-queue "
                  "start <folder>)\" first";
    return ::testing::AssertionSuccess();
}

// The file of job `index` (from 0 since the service started); empty when it has not come within 30 s.
QString WaitForJob(int index) {
    const QDeadlineTimer deadline(30000);
    while (!deadline.hasExpired()) {
        const QStringList files = JobFiles();
        if (index < files.size())
            return QDir(qEnvironmentVariable("TARNWELL_PRINT_OUT")).filePath(files[index]);
        QThread::msleep(50);
    }
    return {};
}

// What `program` writes to its output; nothing when it fails.
QByteArray Output(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    const bool ran = process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit &&
                     process.exitCode() == 0;
    return ran ? process.readAllStandardOutput() : QByteArray();
}

} // namespace

// The dialog opens on the queue's A4 in landscape at slider 5 and stays open after Print, each press sending
// a job of its own. The queue prints at 300 dpi without unprintable margins, so the page holds 10 x 7 tiles
// of 350.2 dots starting 2 dots in from the corner; at 30 dpi each tile is 35 pixels square. The tile missing
// from the cache leaves its cell white.
TEST(PrintDialog, EachPressOfPrintSendsAPageWithTheTilesWhereTheGridPutsThem) {
    ASSERT_TRUE(Ready());
    Write(10, 7, {1, 1});
    const int before = int(JobFiles().size());
    CPrintOSM dialog;
    dialog.show();
    DialogDriver::Click(&dialog, QStringLiteral("Print"));
    DialogDriver::Click(&dialog, QStringLiteral("Print"));
    EXPECT_TRUE(dialog.isVisible());

    const QStringList jobs = {WaitForJob(before), WaitForJob(before + 1)};
    ASSERT_FALSE(jobs[0].isEmpty() || jobs[1].isEmpty()) << "a job has not arrived";
    EXPECT_NE(jobs[0], jobs[1]);
    // Qt names the PDF after the job.
    EXPECT_TRUE(
        Output(QStringLiteral("pdfinfo"), {jobs[0]}).simplified().startsWith("Title: Orvex Trekbuddy map "));
    for (const QString& job : jobs) {
        const QImage page =
            QImage::fromData(Output(QStringLiteral("pdftoppm"), {"-r", "30", "-png", "-singlefile", job}))
                .convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(page.size(), QSize(351, 248)) << "one A4 landscape page at 30 dpi";
        for (int row = 0; row < 7; ++row)
            for (int column = 0; column < 10; ++column) {
                const QPoint centre(column * 35 + 18, row * 35 + 18);
                const QRgb expected = column == 1 && row == 1 ? qRgb(255, 255, 255) : CellColour(column, row);
                EXPECT_TRUE(Shows(page, centre, expected)) << column << "," << row;
            }
        EXPECT_TRUE(Shows(page, {1, 1}, CellColour(0, 0))) << "the grid starts at the page's corner";
    }
}

// A tared level prints like a folder of tiles: from the view's top-left tile on, each tile stretched over its
// cell; the tile missing from the archive leaves its cell white.
TEST(PrintDialog, ATaredLevelPrintsItsTilesFromTheArchive) {
    ASSERT_TRUE(Ready());
    const QString level = Folder() + QStringLiteral("/Alps 12");
    QDir().mkpath(level + QStringLiteral("/set"));
    for (int row = 0; row < 8; ++row)
        for (int column = 0; column < 11; ++column)
            if (QPoint(column, row) != QPoint(3, 2)) {
                ASSERT_TRUE(
                    SolidTile(column, row, QSize(64, 48))
                        .save(level + QStringLiteral("/set/t_%1_%2.png").arg(column * 64).arg(row * 48)));
            }
    ASSERT_TRUE(AtlasBuilder::TarLevel(level, false));
    g_nZoom = 12;
    LoadLevel();
    const int before = int(JobFiles().size());
    CPrintDlg dialog;
    std::tie(dialog.m_nFirstCol, dialog.m_nFirstRow, dialog.m_nTileWidth, dialog.m_nTileHeight) =
        std::tuple{1, 1, g_nTileWidth, g_nTileHeight};
    dialog.show();
    DialogDriver::Click(&dialog, QStringLiteral("Print"));
    const QString job = WaitForJob(before);
    ASSERT_FALSE(job.isEmpty()) << "the job has not arrived";
    const QImage page =
        QImage::fromData(Output(QStringLiteral("pdftoppm"), {"-r", "30", "-png", "-singlefile", job}))
            .convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(page.size(), QSize(351, 248));
    for (int row = 0; row < 7; ++row)
        for (int column = 0; column < 10; ++column) {
            const QRgb expected =
                column == 2 && row == 1 ? qRgb(255, 255, 255) : CellColour(column + 1, row + 1);
            EXPECT_TRUE(Shows(page, QPoint(column * 35 + 18, row * 35 + 18), expected))
                << column << "," << row;
        }
}
