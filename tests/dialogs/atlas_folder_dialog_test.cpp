#include "atlas_builder.h"
#include "dialog_driver.h"
#include "dialogs/atlas_folder_dialog.h"
#include "dialogs/url_opener.h"
#include "platform/message_box.h"
#include "state/map_state.h"
#include "state/settings_messages.h"
#include "state/settings_store.h"
#include "support/test_env.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QSettings>
#include <gtest/gtest.h>

using namespace DialogDriver;

namespace {

QLineEdit* FolderEdit(CAtlasFolder& dialog) {
    return dialog.findChild<QLineEdit*>(QStringLiteral("folderEdit"));
}

// A folder path far longer than any fixed buffer, in Cyrillic and Greek, each part short enough for the disk.
QString LongNonLatinPath() {
    QString path = TestEnv::TempFolder() + QStringLiteral("/Карты/Λευκάδα");
    for (int i = 0; i < 12; ++i)
        path += QStringLiteral("/Ταξίδι στη Λευκάδα, μέρος %1 - Путешествие").arg(i);
    return path;
}

} // namespace

TEST(AtlasFolderDialog, ShowsItsTextsAndButtons) {
    SettingsStore::WriteAtlasFolder(QStringLiteral("/maps"));
    CAtlasFolder dialog;
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Default OSM and Trekbuddy atlas folder"));
    EXPECT_TRUE(HasText(&dialog, QStringLiteral("Choose the default OSM and Trekbuddy atlas folder.")));
    EXPECT_TRUE(HasText(&dialog,
                        QStringLiteral("Some examples would be 12, Reading 12 or Layer 14.  For the Tarnwell "
                                       "program to work the folder names must end with the zoom level "
                                       "number.")));
    for (const char* text :
         {"&Browse", "Web Help", "Cancel", "Open current folder", "Apply and view map", "OK"}) {
        const auto* button = qobject_cast<QPushButton*>(Button(&dialog, QString::fromLatin1(text)));
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->isDefault(), QString::fromLatin1(text) == QStringLiteral("OK")) << text;
    }
}

TEST(AtlasFolderDialog, FirstRunTellsTheFolderIsUnsetThenOkStoresAnEmptyFolder) {
    CAtlasFolder dialog;
    ASSERT_EQ(TestEnv::MessageTexts(), QStringList{kMsgAtlasFolderUnreadable});
    EXPECT_EQ(TestEnv::Messages().first().title, kAppTitle);
    EXPECT_TRUE(FolderEdit(dialog)->text().isEmpty());

    dialog.open();
    Click(&dialog, QStringLiteral("OK"));
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(SettingsStore::ReadAtlasFolder(), QString());

    CAtlasFolder again;
    EXPECT_EQ(TestEnv::MessageTexts().size(), 1) << "an empty folder is a set folder";
}

TEST(AtlasFolderDialog, SettingsThatCannotBeCreatedAreReported) {
    // A file where the settings folder should be: the store can be neither created nor opened.
    const QString store =
        QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Orvex")).fileName();
    QFile blocker(QFileInfo(store).absolutePath());
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();

    CAtlasFolder dialog;
    EXPECT_EQ(TestEnv::MessageTexts(), QStringList{kMsgCreateKeyFailed});
    EXPECT_TRUE(FolderEdit(dialog)->text().isEmpty());
}

TEST(AtlasFolderDialog, OkCreatesAndStoresANonLatinPathWhole) {
    SettingsStore::WriteAtlasFolder(QStringLiteral("/old/maps"));
    CAtlasFolder dialog;
    EXPECT_TRUE(TestEnv::Messages().isEmpty());
    EXPECT_EQ(FolderEdit(dialog)->text(), QStringLiteral("/old/maps"));

    const QString path = LongNonLatinPath();
    ASSERT_GT(path.size(), 500);
    dialog.open();
    Type(FolderEdit(dialog), path);
    Click(&dialog, QStringLiteral("OK"));

    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_TRUE(QFileInfo(path).isDir());
    EXPECT_EQ(SettingsStore::ReadAtlasFolder(), path);
    EXPECT_TRUE(TestEnv::Messages().isEmpty());
}

TEST(AtlasFolderDialog, CancelStoresAndCreatesNothing) {
    SettingsStore::WriteAtlasFolder(QStringLiteral("/old/maps"));
    const QString path = TestEnv::TempFolder() + QStringLiteral("/never");
    CAtlasFolder dialog;
    dialog.open();
    Type(FolderEdit(dialog), path);
    Click(&dialog, QStringLiteral("Cancel"));
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_FALSE(QFileInfo::exists(path));
    EXPECT_EQ(SettingsStore::ReadAtlasFolder(), QStringLiteral("/old/maps"));
}

TEST(AtlasFolderDialog, BrowseStartsInTheCurrentFolderAndKeepsTheEditWhenCancelled) {
    QString start;
    QString pick = QStringLiteral("/data/Карты");
    CAtlasFolder::SetFolderPicker([&](const QString& folder) {
        start = folder;
        return pick;
    });
    SettingsStore::WriteAtlasFolder(QStringLiteral("/old/maps"));
    CAtlasFolder dialog;
    dialog.open();

    Click(&dialog, QStringLiteral("&Browse"));
    EXPECT_EQ(start, QDir::currentPath());
    EXPECT_EQ(FolderEdit(dialog)->text(), QStringLiteral("/data/Карты"));

    pick.clear();
    Click(&dialog, QStringLiteral("&Browse"));
    EXPECT_EQ(FolderEdit(dialog)->text(), QStringLiteral("/data/Карты"));
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(SettingsStore::ReadAtlasFolder(), QStringLiteral("/old/maps")) << "Browse only fills the edit";
    CAtlasFolder::SetFolderPicker({});
}

TEST(AtlasFolderDialog, OpenCurrentFolderHandsTheTypedFolderToTheDesktop) {
    QList<QUrl> opened;
    SetUrlOpener([&](const QUrl& url) { opened.append(url); });
    const QString path = LongNonLatinPath();
    CAtlasFolder dialog;
    dialog.open();
    Type(FolderEdit(dialog), path);
    Click(&dialog, QStringLiteral("Open current folder"));
    ASSERT_EQ(opened.size(), 1);
    EXPECT_EQ(opened.first().toLocalFile(), path);
    EXPECT_TRUE(dialog.isVisible());
    SetUrlOpener({});
}

TEST(AtlasFolderDialog, ApplyAndViewMapShowsTheNewAtlasAtOnce) {
    const QString atlas = TestEnv::TempFolder() + QStringLiteral("/Атлас");
    AtlasBuilder::Level level;
    level.folderName = QStringLiteral("Λευκάδα 12");
    level.columns = 2;
    level.rows = 2;
    level.tileSize = QSize(300, 200);
    ASSERT_TRUE(AtlasBuilder::WriteLevel(atlas, level));
    g_nMapType = kMapTypeDialog;
    g_nZoom = 12;
    g_nTbX = 4;
    g_nTbY = 3;
    g_bMoved = 0;

    CAtlasFolder dialog;
    dialog.open();
    Type(FolderEdit(dialog), atlas);
    Click(&dialog, QStringLiteral("Apply and view map"));

    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(SettingsStore::ReadAtlasFolder(), atlas);
    EXPECT_EQ(g_nMapType, kMapTypeTrekbuddy);
    EXPECT_EQ(g_bMoved, 1);
    EXPECT_EQ(g_szAtlasFolder, atlas + QStringLiteral("/Λευκάδα 12"));
    EXPECT_EQ(g_nTileWidth, 300);
    EXPECT_EQ(g_nTileHeight, 200);
    EXPECT_EQ(g_nTbX, 0);
    EXPECT_EQ(g_nTbY, 0);
}
