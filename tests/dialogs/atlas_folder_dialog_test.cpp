#include "atlas_builder.h"
#include "dialog_driver.h"
#include "dialogs/atlas_folder_dialog.h"
#include "dialogs/url_opener.h"
#include "state/map_state.h"
#include "state/settings_store.h"
#include "support/test_env.h"

#include <QFileInfo>
#include <QPushButton>
#include <gtest/gtest.h>
#include <utility>

using namespace DialogDriver;

namespace {

QLineEdit* FolderEdit(CAtlasFolder& dialog) {
    return dialog.findChild<QLineEdit*>(QStringLiteral("folderEdit"));
}

} // namespace

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
    EXPECT_TRUE(FolderEdit(dialog)->text().isEmpty());

    dialog.open();
    Click(&dialog, QStringLiteral("OK"));
    EXPECT_EQ(SettingsStore::ReadAtlasFolder(), QString());
    CAtlasFolder again;
    EXPECT_EQ(TestEnv::MessageTexts().size(), 1) << "an empty folder is a set folder";
}

TEST(AtlasFolderDialog, SettingsThatCannotBeCreatedAreReported) {
    TestEnv::BlockSettingsStore();
    CAtlasFolder dialog;
    EXPECT_EQ(TestEnv::MessageTexts(),
              QStringList{QStringLiteral(
                              "An error occurred creating the settings file\n%1/Orvex.conf\n\nThis message "
                              "might appear if this is the first time you have run the program.")
                              .arg(qEnvironmentVariable("XDG_CONFIG_HOME"))});
    EXPECT_TRUE(FolderEdit(dialog)->text().isEmpty());
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
        EXPECT_EQ(FolderEdit(dialog)->text(), QStringLiteral("/old/maps"));
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
    g_nMapType = kMapTypeDialog;
    g_nZoom = 12;
    g_nTbX = 4;
    g_bMoved = 0;
    // Typed relative to the folder the program was started from, stored whole.
    const QString startFolder = QDir::currentPath();
    QDir::setCurrent(TestEnv::TempFolder());
    CAtlasFolder dialog;
    dialog.open();
    Type(FolderEdit(dialog), QStringLiteral("Атлас"));
    Click(&dialog, QStringLiteral("Apply and view map"));
    QDir::setCurrent(startFolder);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(SettingsStore::ReadAtlasFolder(), atlas);
    EXPECT_EQ(g_nMapType, kMapTypeTrekbuddy);
    EXPECT_EQ(g_bMoved, 1);
    EXPECT_EQ(g_szAtlasFolder, atlas + QStringLiteral("/Λευκάδα 12"));
    EXPECT_EQ(QSize(g_nTileWidth, g_nTileHeight), QSize(300, 200));
    EXPECT_EQ(g_nTbX, 0);
}
