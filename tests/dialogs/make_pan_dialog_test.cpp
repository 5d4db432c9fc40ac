#include "app/settings_commands.h"
#include "atlas_builder.h"
#include "dialog_driver.h"
#include "dialogs/make_pan_dialog.h"

#include <QFileDialog>
#include <QProgressBar>
#include <fcntl.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

using namespace DialogDriver;

namespace {

// Level "12" of 10 x 5 tiles in an atlas the settings point at; returns the level folder.
QString WriteAtlas() {
    const QString atlas = TestEnv::TempFolder() + QStringLiteral("/atlas");
    SettingsStore::WriteAtlasFolder(atlas);
    EXPECT_TRUE(AtlasBuilder::WriteLevel(
        atlas, {.folderName = QStringLiteral("12"), .columns = 10, .rows = 5, .calibration = false}));
    return atlas + QStringLiteral("/12");
}

// Notes whether anything opened the FIFO at `path` to read and lets it go by opening the other end, so that a
// test of code that must not block fails rather than hangs.
struct FifoWatchdog {
    explicit FifoWatchdog(const QString& path) : name(QFile::encodeName(path)) {}
    ~FifoWatchdog() {
        done = true;
        thread.join();
    }
    const QByteArray name;
    std::atomic_bool done{false}, released{false};
    std::thread thread{[this] {
        for (; !done; std::this_thread::sleep_for(std::chrono::milliseconds(100)))
            if (const int fd = ::open(name.constData(), O_WRONLY | O_NONBLOCK); fd >= 0) {
                released = true;
                ::close(fd);
            }
    }};
};

const QString kFirstTileUnreadable = QStringLiteral(
    "Unable to find a image with the name t_0_0.jpg\nin the set folder for the current zoom level.\n\nCheck "
    "that the default Trekbuddy atlas folder is set\nto a proper folder name and that a image with the name "
    "t_0_0.jpg\nexists in the set folder of the subfolder for the current zoom level.");
const QString kNoFolder = QStringLiteral(
    "Unable to find a tile sub folder for the current zoom level.\n\nCheck that the default Trekbuddy atlas "
    "folder is set\nto a proper folder name and that a subfolder exists for the current zoom level.");

} // namespace

TEST(MakePanDialog, ShowsTheCountsAndMakesTheImageOfItsLevelWhateverBrowsePicked) {
    const QString level = WriteAtlas();
    const QString other = TestEnv::TempFolder() + QStringLiteral("/other");
    QDir().mkpath(other);
    CDialogMakePanFile dialog(level);
    dialog.show();
    for (const char* text : {"Tile count width 10, height 5\nPan image pixal size width 800, height 400",
                             "Tile 0_0 pixels width  256, height 256\nTile 0_0 colour depth 24"})
        EXPECT_TRUE(HasText(&dialog, QString::fromLatin1(text))) << text;

    WhenModal<QFileDialog>([other](QFileDialog* picker) {
        picker->setDirectory(other);
        static_cast<QDialog*>(picker)->accept();
    });
    Click(&dialog, QStringLiteral("&Browse"));
    EXPECT_EQ(Find<QLineEdit>(&dialog, "folderEdit")->text(), other);

    QAbstractButton* create = Button(&dialog, QStringLiteral("Create pan.jpg file"));
    Click(create);
    EXPECT_FALSE(create->isEnabled()) << "while the image is made";
    EXPECT_TRUE(QTest::qWaitFor([create] { return create->isEnabled(); }, 30000));
    const QProgressBar* bar = dialog.findChild<QProgressBar*>();
    EXPECT_EQ(std::pair(bar->value(), bar->maximum()), std::pair(399, 400));
    EXPECT_EQ(QImage(level + QStringLiteral("/pan.jpg")).size(), QSize(800, 400));
    EXPECT_FALSE(QFile::exists(other + QStringLiteral("/pan.jpg")));
    EXPECT_EQ(TestEnv::MessageTexts(), QStringList());
}

TEST(MakePanDialog, TheCommandOpensItOnTheLevelOfTheZoomOrSaysWhyNot) {
    QWidget window;
    g_pMapWnd = new QWidget(&window);
    g_nZoom = 12;
    OnTrekbuddyMakepanfiles();
    EXPECT_EQ(
        TestEnv::MessageTexts(),
        QStringList(QStringLiteral("OnTrekbuddyMakepanfiles:\nUnable to get the map folder name.\n\nAre the "
                                   "map folder and zoom level set?\nTry setting the default atlas folder "
                                   "and the zoom.")));
    EXPECT_EQ(g_nMapType, kMapTypeTrekbuddy);

    const QString level = WriteAtlas();
    QString shown;
    WhenModal([&](QWidget* dialog) {
        shown = Find<QLineEdit>(dialog, "folderEdit")->text();
        Click(dialog, QStringLiteral("Create pan.jpg file"));
        // Closing at once stops the run and waits for it: no half-written file is left behind.
        Click(dialog, QStringLiteral("Cancel"));
    });
    OnTrekbuddyMakepanfiles();
    EXPECT_EQ(shown, level);
    EXPECT_EQ(QDir(level).entryList({QStringLiteral("pan.jpg.part")}), QStringList());
}

// A first tile that is a FIFO counts as unreadable: the dialog neither waits on it when it opens nor makes
// the image before its stop-icon warning is closed. Without a folder nothing is made.
TEST(MakePanDialog, AFifoFirstTileIsUnreadableAndItsStopWarningComesBeforeTheImage) {
    const QString level = WriteAtlas();
    const QString fifo = level + QStringLiteral("/set/t_0_0.jpg");
    ASSERT_TRUE(QFile::remove(fifo));
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString pan = level + QStringLiteral("/pan.jpg");
    struct Shown {
        QString text;
        MessageIcon icon;
        bool panMade;
    };
    QList<Shown> shown;
    SetMessageRecorder([&](const QString&, const QString& text, MessageIcon icon) {
        shown.append({text, icon, QFile::exists(pan)});
    });
    const FifoWatchdog watchdog(fifo);
    {
        CDialogMakePanFile dialog(level);
        dialog.show();
        // Counted in steps of 256 pixels, as for any first tile that cannot be read.
        for (const char* text : {"Tile count width 10, height 5\nPan image pixal size width 800, height 400",
                                 "Tile 0_0 pixels width  0, height 0\nTile 0_0 colour depth 0"})
            EXPECT_TRUE(HasText(&dialog, QString::fromLatin1(text))) << text;
        QAbstractButton* create = Button(&dialog, QStringLiteral("Create pan.jpg file"));
        Click(create);
        EXPECT_TRUE(QTest::qWaitFor([create] { return create->isEnabled(); }, 30000));
        EXPECT_EQ(QImage(pan).size(), QSize(800, 400));
    }
    EXPECT_FALSE(watchdog.released) << "something waited on the FIFO";
    ASSERT_EQ(shown.size(), 1);
    EXPECT_EQ(std::tuple(shown[0].text, shown[0].icon, shown[0].panMade),
              std::tuple(kFirstTileUnreadable, MessageIcon::Stop, false));

    CDialogMakePanFile unset{QString()};
    unset.show();
    Click(&unset, QStringLiteral("Create pan.jpg file"));
    ASSERT_EQ(shown.size(), 2);
    EXPECT_EQ(std::tuple(shown[1].text, shown[1].icon), std::tuple(kNoFolder, MessageIcon::Stop));
    EXPECT_TRUE(Button(&unset, QStringLiteral("Create pan.jpg file"))->isEnabled()) << "no run started";
}
