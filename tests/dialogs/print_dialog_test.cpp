#include "dialogs/dialog_driver.h"
#include "dialogs/print_osm.h"
#include "support/printed_pages.h"
#include "support/tile_cache.h"

#include <QComboBox>
#include <QProcess>
#include <QPushButton>
#include <QSlider>
#include <cmath>

using namespace DialogDriver;
using namespace PrintedPages;
using namespace TileCache;

namespace {

// Chooses `text` in `list` as a user does, by keys, so that the list tells the dialog of the choice.
void Choose(QComboBox* list, const QString& text) {
    ASSERT_NE(list->findText(text), -1) << text.toStdString();
    QTest::keyClick(list, Qt::Key_Home);
    while (list->currentText() != text)
        QTest::keyClick(list, Qt::Key_Down);
}

} // namespace

// The preview frame takes the page's shape: 250 pixels high, at most 420 wide. "All paper sizes" lists the
// whole table with A4 (the printer's paper) at position 8; a custom size may be up to 3276 mm each way, and a
// refused one leaves the frame as it was.
TEST(PrintDialog, PreviewFrameFollowsPaperAndOrientationAndApplyClampsTheScale) {
    CPrintOSM dialog;
    dialog.show();
    auto* papers = Find<QComboBox>(&dialog, "papers");
    QWidget* frame = Find(&dialog, "preview");
    Click(&dialog, QStringLiteral("All paper sizes"));
    ASSERT_EQ(papers->count(), 118);
    EXPECT_EQ(papers->currentIndex(), 8);
    EXPECT_EQ(papers->currentText(), QStringLiteral("A4 sheet 210 x 297 mm"));
    EXPECT_EQ(Find<QLabel>(&dialog, "paperSize")->text(), QStringLiteral(" 210.00 mm X 297.00 mm"));

    Click(&dialog, QStringLiteral("Landscape"));
    EXPECT_EQ(frame->size(), QSize(353, 250)) << "A4 landscape";
    Click(&dialog, QStringLiteral("Portrait"));
    EXPECT_EQ(frame->size(), QSize(176, 250)) << "A4 portrait";
    Click(&dialog, QStringLiteral("Landscape"));
    QTest::keyClick(papers, Qt::Key_End);
    EXPECT_EQ(frame->size(), QSize(353, 250)) << "A0 landscape";

    Click(&dialog, QStringLiteral("Portrait"));
    Click(&dialog, QStringLiteral("Custom paper size"));
    struct Custom {
        const char* width;
        const char* height;
        QSize frame;
        bool refused;
    };
    for (const Custom& custom :
         {Custom{.width = "1000", .height = "100", .frame = {420, 42}, .refused = false},
          Custom{.width = "1000", .height = "0", .frame = {420, 42}, .refused = true},
          Custom{.width = "3276", .height = "3000", .frame = {273, 250}, .refused = false},
          Custom{.width = "3000", .height = "3276", .frame = {228, 250}, .refused = false},
          Custom{.width = "3277", .height = "3000", .frame = {228, 250}, .refused = true},
          Custom{.width = "3000", .height = "3277", .frame = {228, 250}, .refused = true}}) {
        const qsizetype messages = TestEnv::Messages().size();
        Type(Find<QLineEdit>(&dialog, "customWidth"), QString::fromLatin1(custom.width));
        Type(Find<QLineEdit>(&dialog, "customHeight"), QString::fromLatin1(custom.height));
        Click(Find<QPushButton>(&dialog, "applyCustom"));
        EXPECT_EQ(frame->size(), custom.frame) << "custom " << custom.width << " x " << custom.height;
        EXPECT_EQ(TestEnv::MessageTexts().mid(messages),
                  custom.refused
                      ? QStringList({QStringLiteral("The custom paper width and height must each be a "
                                                    "whole number of millimetres from 1 to 3276.")})
                      : QStringList())
            << "custom " << custom.width << " x " << custom.height;
    }
    EXPECT_EQ(papers->currentText(), QStringLiteral("A0 sheet, 841 x 1189 mm"));

    // Apply clamps the typed scale.
    auto* slider = dialog.findChild<QSlider*>();
    auto* scale = Find<QLineEdit>(&dialog, "scale");
    ASSERT_EQ(slider->value(), 5);
    for (const auto& [typed, position] : {std::pair{"35", 20}, {"0", 1}, {"7", 7}}) {
        Type(scale, QString::fromLatin1(typed));
        Click(Find<QPushButton>(&dialog, "applyScaling"));
        EXPECT_EQ(slider->value(), position) << typed;
        EXPECT_EQ(scale->text(), QString::number(position)) << typed;
    }
}

// The preview scales each margin by the paper's side in its direction, as the table gives it: on A4 (210 mm
// by 297 mm) in landscape a left margin of 2 inches is 50.8 / 210 of the 347-pixel picture, 83 pixels, and a
// top margin of 1 inch 25.4 / 297 of its 244 pixels, 20; the picture stands 3 pixels down in the frame.
TEST(PrintDialog, PreviewMarginsScaleByTheirOwnSideOfThePaper) {
    Write(6, 4);
    CPrintOSM dialog;
    dialog.show();
    Click(&dialog, QStringLiteral("All paper sizes"));
    ASSERT_EQ(Find<QComboBox>(&dialog, "papers")->currentText(), QStringLiteral("A4 sheet 210 x 297 mm"));
    Type(Find<QLineEdit>(&dialog, "topMargin"), QStringLiteral("600"));
    Type(Find<QLineEdit>(&dialog, "leftMargin"), QStringLiteral("1200"));
    Click(Find<QPushButton>(&dialog, "applyScaling"));
    const QImage preview = Find(&dialog, "preview")->grab().toImage();
    ASSERT_EQ(preview.size(), QSize(353, 250));
    const QRgb white = qRgb(255, 255, 255);
    // Tiles of 69.4 pixels: the second column starts at 83 + 69, the second row at 20 + 69.
    EXPECT_TRUE(Shows(preview, {83, 3 + 20}, CellColour(0, 0)));
    EXPECT_TRUE(Shows(preview, {82, 3 + 40}, white));
    EXPECT_TRUE(Shows(preview, {120, 3 + 19}, white));
    EXPECT_TRUE(Shows(preview, {83 + 69, 3 + 20 + 69}, CellColour(1, 1)));
    EXPECT_TRUE(Shows(preview, {83 + 68, 3 + 20 + 68}, CellColour(0, 0)));
}

// The dialog opens on the queue's A4 in landscape at slider 5 and stays open after Print, each press sending
// a job of its own. The queue prints at 300 dpi without unprintable margins, so the page holds 10 x 7 tiles
// of 350.2 dots starting 2 dots in from the corner; at 30 dpi each tile is 35 pixels square. The tile missing
// from the cache leaves its cell white.
TEST(PrintQueue, EachPressOfPrintSendsAPageWithTheTilesWhereTheGridPutsThem) {
    ASSERT_TRUE(QueueReady());
    Write(10, 7, {1, 1});
    const int before = int(JobFiles().size());
    CPrintOSM dialog;
    dialog.show();
    Click(&dialog, QStringLiteral("Print"));
    Click(&dialog, QStringLiteral("Print"));
    EXPECT_TRUE(dialog.isVisible());

    const QStringList jobs = {WaitForJob(before), WaitForJob(before + 1)};
    ASSERT_FALSE(jobs[0].isEmpty() || jobs[1].isEmpty()) << "a job has not arrived";
    EXPECT_NE(jobs[0], jobs[1]);
    // Qt names the PDF after the job.
    EXPECT_TRUE(
        Output(QStringLiteral("pdfinfo"), {jobs[0]}).simplified().startsWith("Title: Orvex Trekbuddy map "));
    for (const QString& job : jobs) {
        const QImage page = PageImage(job, 30);
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

// The page is laid out at the resolution the queue prints at, whether its driver offers the resolution as
// a choice or only states it: slider 5 across A4 landscape is 5 tiles of 1402 dots at 600 dpi, 10 of 350.2
// at 300 dpi; a printer of 1200 x 600 dpi has tiles of 5610.4 dots across and 2805.2 down, 4.675 inches
// either way. Below the last row the page stays white.
TEST(PrintQueue, ThePageFollowsTheResolutionTheQueuePrintsAt) {
    ASSERT_TRUE(QueueReady());
    struct Queue {
        const char* name;
        const char* dpi;
        int columns;
        int rows;
        double tileInches;
    };
    Write(12, 8);
    for (const Queue& queue :
         {Queue{.name = "tarnwell-test", .dpi = "", .columns = 10, .rows = 7, .tileInches = 350.2 / 300},
          Queue{.name = "tarnwell-300", .dpi = "300", .columns = 10, .rows = 7, .tileInches = 350.2 / 300},
          Queue{.name = "tarnwell-600", .dpi = "600", .columns = 5, .rows = 3, .tileInches = 1402.0 / 600},
          Queue{.name = "tarnwell-1200x600",
          .dpi = "1200x600",
          .columns = 2,
          .rows = 1,
          .tileInches = 5610.4 / 1200}}) {
        SCOPED_TRACE(queue.name);
        if (*queue.dpi) {
            ASSERT_TRUE(AddQueue(QString::fromLatin1(queue.name), QString::fromLatin1(queue.dpi)));
        }
        const int before = int(JobFiles().size());
        CPrintOSM dialog;
        dialog.show();
        Choose(Find<QComboBox>(&dialog, "printers"), QString::fromLatin1(queue.name));
        Click(&dialog, QStringLiteral("Print"));
        const QString job = WaitForJob(before);
        ASSERT_FALSE(job.isEmpty()) << "no job";
        const QImage page = PageImage(job, 30);
        ASSERT_EQ(page.size(), QSize(351, 248)) << "one A4 landscape page at 30 dpi";
        const double tile = queue.tileInches * 30;
        for (int row = 0; row < queue.rows; ++row)
            for (int column = 0; column < queue.columns; ++column) {
                const QPoint centre(int((column + 0.5) * tile), int((row + 0.5) * tile));
                EXPECT_TRUE(Shows(page, centre, CellColour(column, row))) << column << "," << row;
            }
        const int belowGrid = int(std::ceil(queue.rows * tile)) + 2;
        EXPECT_TRUE(Shows(page, {int(tile / 2), std::min(belowGrid, 247)}, qRgb(255, 255, 255)));
    }
}

// A printer removed while the dialog is open is not replaced by the default printer: Print names it and no
// job goes anywhere.
TEST(PrintQueue, APrinterThatWentAwayGetsAMessageAndNoJob) {
    ASSERT_TRUE(QueueReady());
    ASSERT_TRUE(AddQueue(QStringLiteral("tarnwell-gone"), QStringLiteral("600")));
    Write(5, 3);
    CPrintOSM dialog;
    dialog.show();
    Choose(Find<QComboBox>(&dialog, "printers"), QStringLiteral("tarnwell-gone"));
    ASSERT_EQ(QProcess::execute(QStringLiteral("lpadmin"), {"-x", "tarnwell-gone"}), 0);
    const QStringList jobs = ServiceJobs();
    Click(&dialog, QStringLiteral("Print"));
    EXPECT_EQ(TestEnv::MessageTexts(),
              QStringList({QStringLiteral("The printer \"tarnwell-gone\" is no longer installed. Nothing was "
                                          "printed.")}));
    // The job would have been handed over before Print returned.
    EXPECT_EQ(ServiceJobs(), jobs);
}
