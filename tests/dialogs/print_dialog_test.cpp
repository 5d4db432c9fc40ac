#include "atlas/level_folder.h"
#include "dialogs/dialog_driver.h"
#include "dialogs/print_dlg.h"
#include "dialogs/print_osm.h"
#include "support/printed_pages.h"
#include "support/tile_cache.h"

#include <QComboBox>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrinterInfo>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QSlider>
#include <cmath>
#include <cups/cups.h>
#include <unistd.h>

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

// While it lives the print service cannot be reached, as on a machine without printers.
struct NoPrintService {
    NoPrintService() { cupsSetServer("/nonexistent/tarnwell-print-service.sock"); }
    ~NoPrintService() { cupsSetServer(nullptr); }
};

// While it lives the user's home is the test's folder, with an empty documents folder.
struct TestHome {
    QByteArray saved = qgetenv("HOME");
    QString home = TestEnv::TempFolder() + QStringLiteral("/home");
    QString documents = home + QStringLiteral("/Documents");
    TestHome() {
        QDir().mkpath(documents);
        qputenv("HOME", home.toUtf8());
    }
    ~TestHome() { qputenv("HOME", saved); }
};

// Answers the question that `dialog` asks in a message box with `button`, once it is up. The wait ends with
// the dialog, so that an answer left over cannot answer a later question.
void AnswerQuestion(QWidget* dialog, QMessageBox::StandardButton button) {
    QTimer::singleShot(10, dialog, [dialog, button] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
            box->button(button)->click();
        else
            AnswerQuestion(dialog, button);
    });
}

// Answers the save dialog that Print is about to open: `look` sees it first, then `path` goes into its
// name box and Enter accepts it; asked whether to replace a file, the answer is `replace`. A save dialog
// still open after that is cancelled.
void AnswerSaveDialog(const QString& path, QMessageBox::StandardButton replace = QMessageBox::NoButton,
                      std::function<void(QFileDialog*)> look = {}) {
    WhenModal<QFileDialog>([=](QFileDialog* dialog) {
        if (look)
            look(dialog);
        if (replace != QMessageBox::NoButton)
            AnswerQuestion(dialog, replace);
        auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        ASSERT_NE(name, nullptr);
        name->setText(path);
        QTest::keyClick(name, Qt::Key_Return);
        if (dialog->isVisible())
            dialog->reject();
    });
}

// The page size of page 1 of `pdf` in millimetres, from pdfinfo.
QSizeF PdfPageMillimetres(const QString& pdf) {
    static const QRegularExpression size(QStringLiteral(R"(Page size:\s+([\d.]+) x ([\d.]+) pts)"));
    const QRegularExpressionMatch match =
        size.match(QString::fromUtf8(Output(QStringLiteral("pdfinfo"), {pdf})));
    const double millimetresPerPoint = 25.4 / 72;
    return match.hasMatch() ? QSizeF(match.captured(1).toDouble() * millimetresPerPoint,
                                     match.captured(2).toDouble() * millimetresPerPoint)
                            : QSizeF();
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
    struct Scale {
        const char* typed;
        int position;
    };
    for (const Scale& scaling : {Scale{.typed = "21", .position = 20}, Scale{.typed = "20", .position = 20},
                                 Scale{.typed = "0", .position = 1}, Scale{.typed = "1", .position = 1},
                                 Scale{.typed = "7", .position = 7}}) {
        Type(scale, QString::fromLatin1(scaling.typed));
        Click(Find<QPushButton>(&dialog, "applyScaling"));
        EXPECT_EQ(slider->value(), scaling.position) << scaling.typed;
        EXPECT_EQ(scale->text(), QString::number(scaling.position)) << scaling.typed;
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

// The printers come first, then "PDF file"; the default printer stays chosen, and choosing "PDF file" and
// back reloads each one's papers. The dialog opens on the queue's A4 in landscape at slider 5 and stays open
// after Print, each press sending a job of its own. The queue prints at 300 dpi without unprintable margins,
// so the page holds 10 x 7 tiles of 350.2 dots starting 2 dots in from the corner; at 30 dpi each tile is 35
// pixels square. The tile missing from the cache leaves its cell white.
TEST(PrintQueue, EachPressOfPrintSendsAPageWithTheTilesWhereTheGridPutsThem) {
    ASSERT_TRUE(QueueReady());
    Write(10, 7, {1, 1});
    const int before = int(JobFiles().size());
    CPrintOSM dialog;
    dialog.show();
    auto* printers = Find<QComboBox>(&dialog, "printers");
    auto* papers = Find<QComboBox>(&dialog, "papers");
    QStringList entries;
    for (int index = 0; index < printers->count(); ++index)
        entries.append(printers->itemText(index));
    EXPECT_EQ(entries, QPrinterInfo::availablePrinterNames() << QStringLiteral("PDF file"));
    EXPECT_EQ(printers->currentText(), QStringLiteral("tarnwell-test"));
    Choose(printers, QStringLiteral("PDF file"));
    EXPECT_EQ(papers->count(), 118);
    Choose(printers, QStringLiteral("tarnwell-test"));
    EXPECT_EQ(papers->count(), 3) << "the queue's A4, Letter and A3";

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

// With no printer installed "PDF file" is the one entry and chosen, offering every paper of the table from
// A4 on. Print asks for a file in the documents folder, proposing "Orvex Trekbuddy map.pdf", and
// writes one page of the chosen paper at 600 dpi, as the page a 600-dpi printer gets: slider 5 across A4
// landscape is tiles of 1402 dots, across A0 portrait 3972, from the page's dot (3, 3) on. The Trekbuddy
// level's tiles are 64 x 40 pixels, named by their pixel position from level column 1 and row 1.
TEST(PrintDialog, PrintToAPdfFileWritesThePageAt600DpiOnTheChosenPaper) {
    const NoPrintService none;
    const TestHome home;
    g_szAtlasFolder = TestEnv::TempFolder() + QStringLiteral("/level");
    ASSERT_TRUE(QDir().mkpath(g_szAtlasFolder + QStringLiteral("/set")));
    for (int row = 0; row < 9; ++row)
        for (int column = 0; column < 7; ++column)
            ASSERT_TRUE(SolidTile(column, row, {64, 40})
                            .save(g_szAtlasFolder +
                                  QStringLiteral("/set/t_%1_%2.png").arg(column * 64).arg(row * 40)));
    struct Paper {
        const char* name;
        bool portrait;
        QSizeF millimetres;
        int tileDots;
        int rows;
    };
    for (const Paper& paper : {Paper{.name = "A4 sheet 210 x 297 mm",
                              .portrait = false,
                              .millimetres = {297, 210},
                              .tileDots = 1402,
                              .rows = 3},
                               Paper{.name = "A0 sheet, 841 x 1189 mm",
                               .portrait = true,
                               .millimetres = {841, 1189},
                               .tileDots = 3972,
                               .rows = 7}}) {
        SCOPED_TRACE(paper.name);
        CPrintDlg dialog;
        dialog.m_nFirstCol = dialog.m_nFirstRow = 1;
        dialog.m_nTileWidth = 64;
        dialog.m_nTileHeight = 40;
        dialog.show();
        auto* printers = Find<QComboBox>(&dialog, "printers");
        auto* papers = Find<QComboBox>(&dialog, "papers");
        EXPECT_EQ((std::pair{printers->count(), printers->currentText()}),
                  (std::pair{1, QStringLiteral("PDF file")}));
        EXPECT_EQ((std::pair{papers->count(), papers->currentText()}),
                  (std::pair{118, QStringLiteral("A4 sheet 210 x 297 mm")}));
        Choose(papers, QString::fromLatin1(paper.name));
        if (paper.portrait)
            Click(&dialog, QStringLiteral("Portrait"));
        const QString file = home.documents + QStringLiteral("/map.pdf");
        QFile::remove(file);
        QString folder;
        QString proposed;
        AnswerSaveDialog(file, QMessageBox::NoButton, [&](QFileDialog* save) {
            folder = save->directory().absolutePath();
            proposed = save->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->text();
        });
        Click(&dialog, QStringLiteral("Print"));
        EXPECT_EQ((std::pair{folder, proposed}),
                  (std::pair{home.documents, QStringLiteral("Orvex Trekbuddy map.pdf")}));
        EXPECT_EQ(TestEnv::MessageTexts(), QStringList());
        EXPECT_EQ(QDir(home.documents).entryList(QDir::Files | QDir::Hidden), QStringList({"map.pdf"}))
            << "written aside and renamed";
        EXPECT_EQ(dialog.findChild<QProgressBar*>()->value(), 5);

        EXPECT_TRUE(Output(QStringLiteral("pdfinfo"), {file}).simplified().contains("Pages: 1 "));
        const QSizeF size = PdfPageMillimetres(file);
        // The file gives the size in whole points.
        EXPECT_NEAR(size.width(), paper.millimetres.width(), 0.5);
        EXPECT_NEAR(size.height(), paper.millimetres.height(), 0.5);
        // At 20 dpi, the cells' middles and the white below the last row.
        const QImage page = PageImage(file, 20);
        const double tile = paper.tileDots / 30.0;
        for (int row = 0; row < paper.rows; ++row)
            for (int column = 0; column < 5; ++column)
                EXPECT_TRUE(Shows(page, {int((column + 0.5) * tile), int((row + 0.5) * tile)},
                                  CellColour(column + 1, row + 1)))
                    << column << "," << row;
        EXPECT_TRUE(Shows(page, {int(tile / 2), int(paper.rows * tile) + 2}, qRgb(255, 255, 255)));
        // At 600 dpi, dot for dot: the page's corner, then the first column's last dot and the second's
        // first.
        const QImage corner = PageImage(file, 600, QRect(0, 0, 8, 8));
        EXPECT_TRUE(Shows(corner, {2, 2}, qRgb(255, 255, 255)));
        EXPECT_TRUE(Shows(corner, {3, 3}, CellColour(1, 1)));
        const QImage edge = PageImage(file, 600, QRect(paper.tileDots, 100, 8, 1));
        EXPECT_TRUE(Shows(edge, {1, 0}, CellColour(1, 1)));
        EXPECT_TRUE(Shows(edge, {2, 0}, CellColour(2, 1)));
    }
}

// A file that is there is replaced only when the user agrees, by a new file put in its place (a second
// name of the old file keeps the old content); a file that cannot be written is named in a message. Only a
// page that went into its file shows as printed.
TEST(PrintDialog, PrintToAPdfFileAsksBeforeReplacingAndNamesAFileItCannotWrite) {
    const NoPrintService none;
    const TestHome home;
    Write(5, 3);
    const QString file = home.documents + QStringLiteral("/map.pdf");
    const QString oldName = home.documents + QStringLiteral("/old.pdf");
    WriteFile(file, "kept");
    ASSERT_EQ(link(QFile::encodeName(file).constData(), QFile::encodeName(oldName).constData()), 0);
    const QString blocker = home.documents + QStringLiteral("/blocker");
    WriteFile(blocker, "a file where a folder should be");
    CPrintOSM dialog;
    dialog.show();
    auto* progress = dialog.findChild<QProgressBar*>();

    AnswerSaveDialog(file, QMessageBox::No);
    Click(&dialog, QStringLiteral("Print"));
    EXPECT_EQ(FileContent(file), "kept");
    EXPECT_EQ(progress->value(), 0);

    AnswerSaveDialog(file, QMessageBox::Yes);
    Click(&dialog, QStringLiteral("Print"));
    EXPECT_TRUE(FileContent(file).startsWith("%PDF-"));
    EXPECT_EQ(FileContent(oldName), "kept");
    EXPECT_EQ(progress->value(), 5);

    const QString unwritable = blocker + QStringLiteral("/map.pdf");
    AnswerSaveDialog(unwritable);
    Click(&dialog, QStringLiteral("Print"));
    ASSERT_EQ(TestEnv::MessageTexts().size(), 1);
    EXPECT_TRUE(TestEnv::MessageTexts()[0].startsWith(
        QStringLiteral("The PDF file \"%1\" could not be written (").arg(unwritable)))
        << TestEnv::MessageTexts()[0].toStdString();
    EXPECT_TRUE(TestEnv::MessageTexts()[0].endsWith(QStringLiteral("). Nothing was printed.")));
    EXPECT_EQ(FileContent(blocker), "a file where a folder should be");
    EXPECT_EQ(progress->value(), 0);
    EXPECT_EQ(QDir(home.documents).entryList(QDir::Files | QDir::Hidden),
              QStringList({"blocker", "map.pdf", "old.pdf"}));
}

// A tared level prints like a folder of tiles: from the view's top-left tile on, each tile stretched over its
// cell of the 10 x 7 grid of the queue's page; the tile missing from the archive leaves its cell white.
TEST(PrintQueue, ATaredLevelPrintsItsTilesFromTheArchive) {
    ASSERT_TRUE(QueueReady());
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
    Click(&dialog, QStringLiteral("Print"));
    const QString job = WaitForJob(before);
    ASSERT_FALSE(job.isEmpty()) << "the job has not arrived";
    const QImage page = PageImage(job, 30);
    ASSERT_EQ(page.size(), QSize(351, 248));
    for (int row = 0; row < 7; ++row)
        for (int column = 0; column < 10; ++column) {
            const QRgb expected =
                column == 2 && row == 1 ? qRgb(255, 255, 255) : CellColour(column + 1, row + 1);
            EXPECT_TRUE(Shows(page, QPoint(column * 35 + 18, row * 35 + 18), expected))
                << column << "," << row;
        }
}
