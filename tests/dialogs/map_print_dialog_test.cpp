#include "app/print_commands.h"
#include "atlas/trekbuddy.h"
#include "dialogs/dialog_driver.h"
#include "dialogs/print_dlg.h"
#include "dialogs/print_osm.h"
#include "output/paper_table.h"
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
#include <cups/cups.h>
#include <unistd.h>

using namespace DialogDriver;
using namespace PrintedPages;
using namespace TileCache;

namespace {

const QRgb kWhite = qRgb(255, 255, 255);

// Chooses `text` in `list` as a user does, by keys, so that the list tells the dialog of the choice.
void Choose(QComboBox* list, const QString& text) {
    ASSERT_NE(list->findText(text), -1) << text.toStdString();
    QTest::keyClick(list, Qt::Key_Home);
    while (list->currentText() != text)
        QTest::keyClick(list, Qt::Key_Down);
}

// While it lives the print service cannot be reached, as on a machine without printers, and the user's home
// is the test's folder, with an empty documents folder.
struct NoPrinterHome {
    QByteArray saved = qgetenv("HOME");
    QString home = TestEnv::TempFolder() + QStringLiteral("/home");
    QString documents = home + QStringLiteral("/Documents");
    NoPrinterHome() {
        cupsSetServer("/nonexistent/tarnwell-print-service.sock");
        QDir().mkpath(documents);
        qputenv("HOME", home.toUtf8());
    }
    ~NoPrinterHome() {
        cupsSetServer(nullptr);
        qputenv("HOME", saved);
    }
};

// Answers the save dialog that Print is about to open: `look` sees it first, then `path` goes into its
// name box and Enter accepts it; asked whether to replace a file, the answer is `replace`. A save dialog
// still open after that is cancelled.
void AnswerSaveDialog(const QString& path, QMessageBox::StandardButton replace = QMessageBox::NoButton,
                      std::function<void(QFileDialog*)> look = {}) {
    WhenModal<QFileDialog>([=](QFileDialog* dialog) {
        if (look)
            look(dialog);
        if (replace != QMessageBox::NoButton)
            WhenModal<QMessageBox>([replace](QMessageBox* box) { box->button(replace)->click(); });
        auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        ASSERT_NE(name, nullptr);
        name->setText(path);
        QTest::keyClick(name, Qt::Key_Return);
        if (dialog->isVisible())
            dialog->reject();
    });
}

// Whether each of the `cells` of `tile` pixels from the page's corner shows the colour of its cell moved by
// `first`, but the cell `missing` white, and the page is white below the last row.
::testing::AssertionResult ShowsGrid(const QImage& page, QSizeF tile, QSize cells, QPoint first,
                                     QPoint missing = {-1, -1}) {
    for (int row = 0; row <= cells.height(); ++row)
        for (int column = 0; column < cells.width(); ++column) {
            const QPoint middle(int((column + 0.5) * tile.width()), int((row + 0.5) * tile.height()));
            const bool white = row == cells.height() || QPoint(column, row) == missing;
            const QPoint at =
                row < cells.height() ? middle : QPoint(middle.x(), int(row * tile.height()) + 2);
            if (::testing::AssertionResult shown =
                    Shows(page, {at.x(), std::min(at.y(), page.height() - 1)},
                          white ? kWhite : CellColour(column + first.x(), row + first.y()));
                !shown)
                return shown << " in cell " << column << "," << row;
        }
    return ::testing::AssertionSuccess();
}

} // namespace

// The preview frame takes the page's shape: 250 pixels high, at most 420 wide. "All paper sizes" lists the
// whole table with A4 (the printer's paper) at position 8; a custom size may be up to 3276 mm each way, and a
// refused one leaves the frame as it was. The preview scales each margin by the paper's side in its
// direction: on A4 landscape a left margin of 2 inches is 50.8 / 210 of the 347-pixel picture, 83 pixels, a
// top margin of 1 inch 25.4 / 297 of its 244 pixels, 20; the picture stands 3 pixels down in the frame.
TEST(PrintDialog, PreviewFollowsPaperOrientationAndMarginsAndApplyClampsTheScale) {
    Write(6, 4);
    CPrintOSM dialog;
    dialog.show();
    auto* papers = Find<QComboBox>(&dialog, "papers");
    QWidget* frame = Find(&dialog, "preview");
    Click(&dialog, QStringLiteral("All paper sizes"));
    ASSERT_EQ(papers->count(), 118);
    EXPECT_EQ(papers->currentIndex(), 8);
    EXPECT_EQ(papers->currentText(), QStringLiteral("A4 sheet 210 x 297 mm"));
    EXPECT_EQ(Find<QLabel>(&dialog, "paperSize")->text(), QStringLiteral(" 210.00 mm X 297.00 mm"));
    Type(Find<QLineEdit>(&dialog, "topMargin"), QStringLiteral("600"));
    Type(Find<QLineEdit>(&dialog, "leftMargin"), QStringLiteral("1200"));
    Click(Find<QPushButton>(&dialog, "applyScaling"));
    const QImage preview = frame->grab().toImage();
    ASSERT_EQ(preview.size(), QSize(353, 250));
    // Tiles of 69.4 pixels: the second column starts at 83 + 69, the second row at 20 + 69.
    for (const auto& [at, cell] : {std::pair{QPoint(83, 23), QPoint(0, 0)},
                                   {{83 + 69, 23 + 69}, {1, 1}},
                                   {{83 + 68, 23 + 68}, {0, 0}},
                                   {{82, 43}, {-1, 0}},
                                   {{120, 22}, {-1, 0}}})
        EXPECT_TRUE(Shows(preview, at, cell.x() < 0 ? kWhite : CellColour(cell.x(), cell.y())));

    Click(&dialog, QStringLiteral("Portrait"));
    EXPECT_EQ(frame->size(), QSize(176, 250)) << "A4 portrait";
    Click(&dialog, QStringLiteral("Landscape"));
    QTest::keyClick(papers, Qt::Key_End);
    EXPECT_EQ(frame->size(), QSize(353, 250)) << "A0 landscape";
    Click(&dialog, QStringLiteral("Portrait"));
    Click(&dialog, QStringLiteral("Custom paper size"));
    struct Custom {
        const char *width, *height;
        QSize frame;
        bool refused;
    };
    for (const Custom& custom :
         {Custom{.width = "1000", .height = "100", .frame = {420, 42}, .refused = false},
          {.width = "1000", .height = "0", .frame = {420, 42}, .refused = true},
          {.width = "3276", .height = "3000", .frame = {273, 250}, .refused = false},
          {.width = "3000", .height = "3276", .frame = {228, 250}, .refused = false},
          {.width = "3277", .height = "3000", .frame = {228, 250}, .refused = true},
          {.width = "3000", .height = "3277", .frame = {228, 250}, .refused = true}}) {
        SCOPED_TRACE(std::string(custom.width) + " x " + custom.height);
        const qsizetype messages = TestEnv::Messages().size();
        Type(Find<QLineEdit>(&dialog, "customWidth"), QString::fromLatin1(custom.width));
        Type(Find<QLineEdit>(&dialog, "customHeight"), QString::fromLatin1(custom.height));
        Click(Find<QPushButton>(&dialog, "applyCustom"));
        EXPECT_EQ(frame->size(), custom.frame);
        EXPECT_EQ(
            TestEnv::MessageTexts().mid(messages),
            QStringList(custom.refused ? 1 : 0, QStringLiteral("The custom paper width and height must each "
                                                               "be a whole number of millimetres from 1 to "
                                                               "3276.")));
    }
    EXPECT_EQ(papers->currentText(), QStringLiteral("A0 sheet, 841 x 1189 mm"));

    auto* slider = dialog.findChild<QSlider*>();
    auto* scale = Find<QLineEdit>(&dialog, "scale");
    ASSERT_EQ(slider->value(), 5);
    for (const auto& [typed, position] : {std::pair{"21", 20}, {"20", 20}, {"0", 1}, {"1", 1}, {"7", 7}}) {
        Type(scale, QString::fromLatin1(typed));
        Click(Find<QPushButton>(&dialog, "applyScaling"));
        EXPECT_EQ(std::pair(slider->value(), scale->text()), std::pair(position, QString::number(position)))
            << typed;
    }
}

// The printers come first, then "PDF file"; the default printer is chosen, and choosing "PDF file" and back
// reloads each one's papers. Each press of Print sends one job, to the chosen queue, laid out at the
// resolution that queue prints at whether its driver offers it as a choice or only states it: slider 5 across
// A4 landscape is 10 x 7 tiles of 350.2 dots at 300 dpi, 5 x 3 of 1402 at 600 dpi, and a printer of 1200 x
// 600 dpi has tiles of 5610.4 dots across and 2805.2 down, 4.675 inches either way. The queues print without
// unprintable margins, so the grid starts 2 dots in from the corner; the tile missing from the cache leaves
// its cell white. A printer removed while the dialog is open is named and gets no job, nor does another.
TEST(PrintQueue, EachPressOfPrintSendsAPageToTheChosenQueueLaidOutAtItsResolution) {
    ASSERT_TRUE(QueueReady());
    struct Queue {
        const char *name, *dpi;
        QSize cells;
        double tileInches;
    };
    const Queue queues[] = {
        {.name = "tarnwell-300", .dpi = "300", .cells = {10, 7}, .tileInches = 350.2 / 300},
        {.name = "tarnwell-test", .dpi = "", .cells = {10, 7}, .tileInches = 350.2 / 300},
        {.name = "tarnwell-600", .dpi = "600", .cells = {5, 3}, .tileInches = 1402.0 / 600},
        {.name = "tarnwell-1200x600", .dpi = "1200x600", .cells = {2, 1}, .tileInches = 5610.4 / 1200},
    };
    for (const Queue& queue : queues)
        ASSERT_TRUE(!*queue.dpi || AddQueue(QString::fromLatin1(queue.name), QString::fromLatin1(queue.dpi)));
    ASSERT_TRUE(AddQueue(QStringLiteral("tarnwell-gone"), QStringLiteral("600")));
    Write(12, 8, {1, 1});
    const int jobs = int(JobFiles().size());
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
    for (const Queue& queue : queues) {
        SCOPED_TRACE(queue.name);
        Choose(printers, QString::fromLatin1(queue.name));
        EXPECT_EQ(papers->count(), 3) << "the queue's A4, Letter and A3";
        const int before = int(JobFiles().size());
        Click(&dialog, QStringLiteral("Print"));
        const QString job = WaitForJob(before);
        ASSERT_FALSE(job.isEmpty()) << "no job";
        EXPECT_EQ(JobQueue(job), QString::fromLatin1(queue.name));
        const QImage page = PageImage(job, 30);
        ASSERT_EQ(page.size(), QSize(351, 248)) << "one A4 landscape page at 30 dpi";
        EXPECT_TRUE(ShowsGrid(page, QSizeF(30, 30) * queue.tileInches, queue.cells, {0, 0}, {1, 1}));
        EXPECT_TRUE(Shows(page, {1, 1}, CellColour(0, 0))) << "the grid starts at the page's corner";
    }
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(JobFiles().size(), jobs + 4) << "one job a press";
    // Qt names the PDF after the job.
    EXPECT_TRUE(Output(QStringLiteral("pdfinfo"), {WaitForJob(jobs)})
                    .simplified()
                    .startsWith("Title: Orvex Trekbuddy map "));

    Choose(printers, QStringLiteral("tarnwell-gone"));
    ASSERT_EQ(QProcess::execute(QStringLiteral("lpadmin"), {"-x", "tarnwell-gone"}), 0);
    const QStringList listed = ServiceJobs();
    Click(&dialog, QStringLiteral("Print"));
    EXPECT_EQ(TestEnv::MessageTexts(),
              QStringList({QStringLiteral("The printer \"tarnwell-gone\" is no longer installed. Nothing was "
                                          "printed.")}));
    EXPECT_EQ(ServiceJobs(), listed) << "the job would have been handed over before Print returned";
}

// With no printer installed "PDF file" is the one entry and chosen, offering every paper of the table from
// A4 on. Print asks for a file in the documents folder, proposing "Orvex Trekbuddy map.pdf", and writes one
// page of the chosen paper at 600 dpi, as the page a 600-dpi printer gets: slider 5 across A4 landscape is
// tiles of 1402 dots, across A0 portrait 3972, from the page's dot (3, 3) on. The level's tiles are 64 x 40
// pixels, named by their pixel position, from the dialog's first column and row; a tared level prints
// alike, the tile missing from its archive leaving its cell white.
TEST(PrintDialog, PrintToAPdfFileWritesThePageAt600DpiOnTheChosenPaperFromAFolderOrATaredLevel) {
    const NoPrinterHome home;
    struct Paper {
        int paper; // the table's index
        QSizeF mm; // the page as it comes out
        int dots, rows;
        QPoint first;
        bool tared;
    };
    const QPoint missing(2, 1);
    const Paper papers[] = {
        {.paper = 8, .mm = {297, 210}, .dots = 1402, .rows = 3, .first = {1, 1}, .tared = false},
        {.paper = 117, .mm = {841, 1189}, .dots = 3972, .rows = 7, .first = {2, 1}, .tared = true},
    };
    for (const Paper& paper : papers) {
        SCOPED_TRACE(paper.paper);
        g_szAtlasFolder =
            TestEnv::TempFolder() + (paper.tared ? QStringLiteral("/tared") : QStringLiteral("/level"));
        WriteSetTiles(g_szAtlasFolder, 7, 9, {64, 40}, "png", paper.first + missing);
        ASSERT_TRUE(!paper.tared || AtlasBuilder::TarLevel(g_szAtlasFolder, false));
        CPrintDlg dialog;
        std::tie(dialog.m_nFirstCol, dialog.m_nFirstRow, dialog.m_nTileWidth, dialog.m_nTileHeight) =
            std::tuple(paper.first.x(), paper.first.y(), 64, 40);
        dialog.show();
        auto* printers = Find<QComboBox>(&dialog, "printers");
        auto* list = Find<QComboBox>(&dialog, "papers");
        EXPECT_EQ(std::tuple(printers->count(), printers->currentText(), list->count(), list->currentText()),
                  std::tuple(1, QStringLiteral("PDF file"), 118, QStringLiteral("A4 sheet 210 x 297 mm")));
        Choose(list, PaperName(paper.paper));
        if (paper.mm.height() > paper.mm.width())
            Click(&dialog, QStringLiteral("Portrait"));
        const QString file = home.documents + QStringLiteral("/map.pdf");
        QFile::remove(file);
        QString folder, proposed;
        AnswerSaveDialog(file, QMessageBox::NoButton, [&](QFileDialog* save) {
            folder = save->directory().absolutePath();
            proposed = save->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->text();
        });
        Click(&dialog, QStringLiteral("Print"));
        EXPECT_EQ(std::pair(folder, proposed),
                  std::pair(home.documents, QStringLiteral("Orvex Trekbuddy map.pdf")));
        EXPECT_EQ(TestEnv::MessageTexts(), QStringList());
        EXPECT_EQ(QDir(home.documents).entryList(QDir::Files | QDir::Hidden), QStringList({"map.pdf"}))
            << "written aside and renamed";
        EXPECT_EQ(dialog.findChild<QProgressBar*>()->value(), 5);

        const QString info = QString::fromUtf8(Output(QStringLiteral("pdfinfo"), {file})).simplified();
        EXPECT_TRUE(info.contains(QStringLiteral("Pages: 1 ")));
        // The file gives the size in whole points.
        const QRegularExpressionMatch size =
            QRegularExpression(QStringLiteral(R"(Page size: ([\d.]+) x ([\d.]+) pts)")).match(info);
        EXPECT_NEAR(size.captured(1).toDouble() * 25.4 / 72, paper.mm.width(), 0.5);
        EXPECT_NEAR(size.captured(2).toDouble() * 25.4 / 72, paper.mm.height(), 0.5);
        EXPECT_TRUE(ShowsGrid(PageImage(file, 20), QSizeF(1, 1) * paper.dots / 30.0, {5, paper.rows},
                              paper.first, missing));
        // At 600 dpi, dot for dot: the page's corner, then the first column's last dot and the second's
        // first.
        const QImage corner = PageImage(file, 600, QRect(0, 0, 8, 8));
        EXPECT_TRUE(Shows(corner, {2, 2}, kWhite) &&
                    Shows(corner, {3, 3}, CellColour(paper.first.x(), paper.first.y())));
        const QImage edge = PageImage(file, 600, QRect(paper.dots, 100, 8, 1));
        EXPECT_TRUE(Shows(edge, {1, 0}, CellColour(paper.first.x(), paper.first.y())) &&
                    Shows(edge, {2, 0}, CellColour(paper.first.x() + 1, paper.first.y())));
    }
}

// A file that is there is replaced only when the user agrees, by a new file put in its place (a second
// name of the old file keeps the old content); a file that cannot be written is named in a message. Only a
// page that went into its file shows as printed.
TEST(PrintDialog, PrintToAPdfFileAsksBeforeReplacingAndNamesAFileItCannotWrite) {
    const NoPrinterHome home;
    Write(5, 3);
    const QString file = home.documents + QStringLiteral("/map.pdf"), oldName = home.documents + "/old.pdf";
    WriteFile(file, "kept");
    ASSERT_EQ(link(QFile::encodeName(file).constData(), QFile::encodeName(oldName).constData()), 0);
    const QString blocker = home.documents + QStringLiteral("/blocker");
    WriteFile(blocker, "a file where a folder should be");
    CPrintOSM dialog;
    dialog.show();
    auto* progress = dialog.findChild<QProgressBar*>();
    AnswerSaveDialog(file, QMessageBox::No);
    Click(&dialog, QStringLiteral("Print"));
    EXPECT_EQ(std::pair(FileContent(file), progress->value()), std::pair(QByteArray("kept"), 0));
    AnswerSaveDialog(file, QMessageBox::Yes);
    Click(&dialog, QStringLiteral("Print"));
    EXPECT_TRUE(FileContent(file).startsWith("%PDF-"));
    EXPECT_EQ(std::pair(FileContent(oldName), progress->value()), std::pair(QByteArray("kept"), 5));

    const QString unwritable = blocker + QStringLiteral("/map.pdf");
    AnswerSaveDialog(unwritable);
    Click(&dialog, QStringLiteral("Print"));
    ASSERT_EQ(TestEnv::MessageTexts().size(), 1);
    EXPECT_TRUE(
        QRegularExpression(QStringLiteral("^The PDF file \"%1\" could not be written \\(.+\\)\\. Nothing was "
                                          "printed\\.$")
                               .arg(QRegularExpression::escape(unwritable)))
            .match(TestEnv::MessageTexts()[0])
            .hasMatch())
        << TestEnv::MessageTexts()[0].toStdString();
    EXPECT_EQ(std::pair(FileContent(blocker), progress->value()),
              std::pair(QByteArray("a file where a folder should be"), 0));
    EXPECT_EQ(QDir(home.documents).entryList(QDir::Files | QDir::Hidden),
              QStringList({"blocker", "map.pdf", "old.pdf"}));
}

// The print commands start the page at the view's top-left tile: the Trekbuddy level's column and row, with
// its tile size, and the OSM map's tile.
TEST(PrintDialog, TheCommandsPrintFromTheTileAtTheViewsTopLeft) {
    CTrekbuddy trekbuddy;
    COsmView osm;
    std::tie(g_pTrekbuddy, g_pOsmView) = std::tuple(&trekbuddy, &osm);
    Write(6, 5);
    WriteSetTiles(g_szAtlasFolder, 6, 5, {64, 40});
    std::tie(g_nTbX, g_nTbY, g_nTileWidth, g_nTileHeight, g_nOsmX, g_nOsmY) = std::tuple(2, 1, 64, 40, 3, 2);
    for (const auto& [print, first] :
         {std::pair{&OnTrekbuddyPrint, QPoint(2, 1)}, {&OnOsmPrint, QPoint(3, 2)}}) {
        QImage preview;
        WhenModal<CMapPrintDialog>([&preview](CMapPrintDialog* dialog) {
            preview = Find(dialog, "preview")->grab().toImage();
            dialog->reject();
        });
        print();
        // Tiles of 69.4 pixels from (0, 3).
        EXPECT_TRUE(ShowsGrid(preview.copy(0, 3, 347, 244), {69.4, 69.4}, {3, 3}, first));
    }
}
