#include "dialog_driver.h"
#include "dialogs/about_dialog.h"
#include "dialogs/atlas_folder_dialog.h"
#include "dialogs/atlas_zoom_dialog.h"
#include "dialogs/user_guide.h"

using namespace DialogDriver;

TEST(HelpButtons, EveryHelpButtonOpensTheWrittenUserGuide) {
    qputenv("XDG_DATA_HOME", (TestEnv::TempFolder() + QStringLiteral("/data")).toUtf8());
    const QString guide = UserGuideUrl().toLocalFile();
    ASSERT_TRUE(guide.startsWith(TestEnv::TempFolder()));
    OpenedUrls opened;
    CAtlasFolder folder;
    Click(&folder, QStringLiteral("Web Help"));
    CAtlasZoom zoom;
    Click(&zoom, QStringLiteral("Web help"));
    CAboutDlg about;
    Click(&about, QStringLiteral("Go to website"));
    EXPECT_EQ(opened, QList<QUrl>(3, UserGuideUrl()));
    EXPECT_EQ(FileContent(guide), FileContent(QStringLiteral(":/user_guide.html")));
    EXPECT_TRUE(HasText(&about, QStringLiteral("Tarnwell, Version 1.0")));
    EXPECT_TRUE(HasText(&about, UserGuideUrl().toString()));

    EXPECT_TRUE(QFile::remove(guide) && QDir().mkpath(guide)); // a guide that cannot be written is not opened
    EXPECT_FALSE(OpenUserGuide());
    EXPECT_EQ(opened.size(), 3);
}
