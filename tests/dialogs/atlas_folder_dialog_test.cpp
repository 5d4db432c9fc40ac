#include "atlas/level_folder.h"
#include "atlas_builder.h"
#include "dialog_driver.h"
#include "dialogs/atlas_folder_dialog.h"

#include <QPushButton>
#include <utility>

using namespace DialogDriver;

TEST(AtlasFolderDialog, FirstRunTellsTheFolderIsUnsetThenOkStoresAnEmptyFolder) {
    CAtlasFolder dialog;
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Default OSM and Trekbuddy atlas folder"));
    EXPECT_TRUE(HasText(&dialog, QStringLiteral("Choose the default OSM and Trekbuddy atlas folder.")));
    for (const QPushButton* button : dialog.findChildren<QPushButton*>())
        EXPECT_EQ(button->isDefault(), button->text() == QStringLiteral("OK"))
            << button->text().toStdString();
    EXPECT_EQ(
        TestEnv::MessageTexts(),
        QStringList{QStringLiteral("Unable read the Trekbuddy folder name from the settings file.\n\n The "
                                   "settings file\n%1/Orvex.conf\ncould not be opened.\n\nThis message will "
                                   "stop appearing once you have set the Default Atlas Folder.\n")
                        .arg(qEnvironmentVariable("XDG_CONFIG_HOME"))});
    EXPECT_TRUE(Find<QLineEdit>(&dialog, "folderEdit")->text().isEmpty());

    dialog.open();
    Click(&dialog, QStringLiteral("OK"));
    EXPECT_EQ(SettingsStore::ReadAtlasFolder(), QString());
    CAtlasFolder again;
    EXPECT_EQ(TestEnv::MessageTexts().size(), 1) << "an empty folder is a set folder";
}

// A settings store that cannot be created: the dialog and the level look-up say so by the store's full path,
// and the zoom is neither written nor read.
TEST(AtlasFolderDialog, ASettingsStoreThatCannotBeCreatedIsReported) {
    TestEnv::BlockSettingsStore();
    const QString store = qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/Orvex.conf");
    CAtlasFolder dialog;
    EXPECT_TRUE(Find<QLineEdit>(&dialog, "folderEdit")->text().isEmpty());
    g_wszLevelFolder = QStringLiteral("old");
    EXPECT_EQ((std::array{bool(FindLevelFolder()), g_wszLevelFolder.isEmpty()}), (std::array{false, true}));
    EXPECT_FALSE(SettingsStore::WriteAtlasZoom(12));
    EXPECT_FALSE(SettingsStore::ReadAtlasZoomValue());
    EXPECT_EQ(
        TestEnv::MessageTexts(),
        QStringList({QStringLiteral("An error occurred creating the settings file\n%1\n\nThis message might "
                                    "appear if this is the first time you have run the program.")
                         .arg(store),
                     QStringLiteral("An error occurred opening or creating the settings file\n") + store}));
}

TEST(AtlasFolderDialog, PickedNonLatinFolderIsOpenedOnRequestAndStoredWholeByOkOnly) {
    // Far longer than any fixed buffer, each part short enough for the disk.
    QString path = TestEnv::TempFolder() + QStringLiteral("/Карты");
    for (int i = 0; i < 12; ++i)
        path += QStringLiteral("/Ταξίδι στη Λευκάδα, μέρος %1 - Путешествие").arg(i);
    QString pick;
    CAtlasFolder::SetFolderPicker([&](const QString&) { return std::exchange(pick, QString()); });
    OpenedUrls opened;
    SettingsStore::WriteAtlasFolder(QStringLiteral("/old/maps"));
    for (const QString& button : {QStringLiteral("Cancel"), QStringLiteral("OK")}) {
        CAtlasFolder dialog;
        EXPECT_EQ(Find<QLineEdit>(&dialog, "folderEdit")->text(), QStringLiteral("/old/maps"));
        dialog.open();
        pick = path;
        Click(&dialog, QStringLiteral("&Browse"));
        Click(&dialog, QStringLiteral("&Browse")); // cancelled: the edit stays
        Click(&dialog, QStringLiteral("Open current folder"));
        Click(&dialog, button);
        EXPECT_EQ(QFileInfo(path).isDir(), button == QStringLiteral("OK"));
    }
    EXPECT_EQ(opened, QList<QUrl>(2, QUrl::fromLocalFile(path)));
    EXPECT_EQ(SettingsStore::ReadAtlasFolder(), path);
    EXPECT_TRUE(TestEnv::Messages().isEmpty());
    CAtlasFolder::SetFolderPicker({});
}

TEST(AtlasFolderDialog, ApplyAndViewMapShowsTheNewAtlasAtOnce) {
    const QString atlas = TestEnv::TempFolder() + QStringLiteral("/Атлас");
    ASSERT_TRUE(AtlasBuilder::WriteLevel(
        atlas, {.folderName = QStringLiteral("Λευκάδα 12"), .tileSize = QSize(300, 200)}));
    std::tie(g_nMapType, g_nZoom, g_nTbX, g_bMoved) = std::tuple(kMapTypeDialog, 12u, 4, 0);
    // Typed relative to the folder the program was started from, stored whole.
    const QString startFolder = QDir::currentPath();
    QDir::setCurrent(TestEnv::TempFolder());
    CAtlasFolder dialog;
    dialog.open();
    Type(Find<QLineEdit>(&dialog, "folderEdit"), QStringLiteral("Атлас"));
    Click(&dialog, QStringLiteral("Apply and view map"));
    QDir::setCurrent(startFolder);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(SettingsStore::ReadAtlasFolder(), atlas);
    EXPECT_EQ(g_szAtlasFolder, atlas + QStringLiteral("/Λευκάδα 12"));
    EXPECT_EQ(std::tuple(g_nMapType, g_bMoved, g_nTbX, g_nTileWidth, g_nTileHeight),
              std::tuple(kMapTypeTrekbuddy, 1, 0, 300, 200));
}
