#include "dialogs/dialog_driver.h"
#include "dialogs/print_dlg.h"
#include "support/print_queue.h"
#include "support/tile_cache.h"

#include <QProcess>
#include <QRegularExpression>

using namespace TileCache;

namespace {

// Page images travel compressed; a colour counts as arrived within a small step per channel.
bool Near(QRgb seen, QRgb expected) {
    return std::abs(qRed(seen) - qRed(expected)) <= 6 && std::abs(qGreen(seen) - qGreen(expected)) <= 6 &&
           std::abs(qBlue(seen) - qBlue(expected)) <= 6;
}

// The title the PDF of a job carries, which Qt takes from the job's name.
QString PdfTitle(const QString& pdf) {
    QProcess pdfinfo;
    pdfinfo.start(QStringLiteral("pdfinfo"), {pdf});
    pdfinfo.waitForFinished();
    return QRegularExpression(QStringLiteral("^Title: +(.*)$"), QRegularExpression::MultilineOption)
        .match(QString::fromUtf8(pdfinfo.readAllStandardOutput()))
        .captured(1);
}

} // namespace

// The dialog opens on the queue's A4 in landscape at slider 5 and stays open after Print, each press sending
// a job of its own. The queue prints at 300 dpi without unprintable margins, so the page holds 10 x 7 tiles
// of 350.2 dots starting 2 dots in from the corner; at 30 dpi each tile is 35 pixels square. The tile missing
// from the cache leaves its cell white.
TEST(PrintDialog, EachPressOfPrintSendsAPageWithTheTilesWhereTheGridPutsThem) {
    ASSERT_TRUE(PrintQueue::Ready());
    Write(10, 7, {1, 1});
    const int before = PrintQueue::JobCount();
    CPrintOSM dialog;
    dialog.show();
    DialogDriver::Click(&dialog, QStringLiteral("Print"));
    DialogDriver::Click(&dialog, QStringLiteral("Print"));
    EXPECT_TRUE(dialog.isVisible());

    const QStringList jobs = {PrintQueue::WaitForJob(before), PrintQueue::WaitForJob(before + 1)};
    ASSERT_FALSE(jobs[0].isEmpty() || jobs[1].isEmpty()) << "a job has not arrived";
    EXPECT_NE(jobs[0], jobs[1]);
    EXPECT_EQ(PdfTitle(jobs[0]), QStringLiteral("Orvex Trekbuddy map"));
    for (const QString& job : jobs) {
        const QImage page = PrintQueue::PdfPage(job, 30);
        ASSERT_EQ(page.size(), QSize(351, 248)) << "one A4 landscape page at 30 dpi";
        for (int row = 0; row < 7; ++row)
            for (int column = 0; column < 10; ++column) {
                const QPoint centre(column * 35 + 18, row * 35 + 18);
                const QRgb expected = column == 1 && row == 1 ? qRgb(255, 255, 255) : CellColour(column, row);
                EXPECT_TRUE(Near(page.pixel(centre), expected))
                    << column << "," << row << " shows " << std::hex << page.pixel(centre);
            }
        EXPECT_TRUE(Near(page.pixel(1, 1), CellColour(0, 0))) << "the grid starts at the page's corner";
    }
}
