#include "app/settings_commands.h"
#include "atlas_builder.h"
#include "dialog_driver.h"
#include "dialogs/make_pan_dialog.h"

#include <QFileDialog>
#include <QProgressBar>

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

} // namespace

TEST(MakePanDialog, ShowsTheCountsAndMakesTheImageOfItsLevelWhateverBrowsePicked) {
    const QString level = WriteAtlas();
    const QString other = TestEnv::TempFolder() + QStringLiteral("/other");
    QDir().mkpath(other);
    CDialogMakePanFile dialog(level);
    dialog.show();
    for (const char* text : {"Tile count width 10, height 5\nPan image pixal size width 800, height 400",
                             "Tile 0_0 pixels width  256, height 256\nTile 0_0 colour depth 32"})
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
