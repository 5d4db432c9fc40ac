#include "app/running_app.h"
#include "dialogs/about_dialog.h"
#include "dialogs/atlas_folder_dialog.h"
#include "dialogs/atlas_zoom_dialog.h"
#include "dialogs/user_guide.h"

using namespace DialogDriver;

TEST(HelpButtons, F1AndEveryHelpButtonOpenTheWrittenGuideOrTellWhereItIs) {
    qputenv("XDG_DATA_HOME", (TestEnv::TempFolder() + QStringLiteral("/data")).toUtf8());
    const QString guide = UserGuideUrl().toLocalFile();
    ASSERT_TRUE(guide.startsWith(TestEnv::TempFolder()));
    SettingsStore::WriteAtlasFolder(TestEnv::TempFolder());
    RunningApp app;
    {
        OpenedUrls opened;
        app.Command(ID_HELP_USERGUIDE)->trigger();
        CAtlasFolder folder;
        Click(&folder, QStringLiteral("Web Help"));
        CAtlasZoom zoom;
        Click(&zoom, QStringLiteral("Web help"));
        CAboutDlg about;
        Click(&about, QStringLiteral("Go to website"));
        EXPECT_EQ(opened, QList<QUrl>(4, UserGuideUrl()));
        EXPECT_EQ(FileContent(guide), FileContent(QStringLiteral(":/user_guide.html")));
        EXPECT_TRUE(HasText(&about, QStringLiteral("Tarnwell, Version 1.0")));
        EXPECT_TRUE(HasText(&about, UserGuideUrl().toString()));
    }
    SetUrlOpener([](const QUrl&) { return false; });
    app.Command(ID_HELP_USERGUIDE)->trigger();
    SetUrlOpener({});
    EXPECT_EQ(
        TestEnv::MessageTexts(),
        QStringList(QStringLiteral("No web browser could be started to show the user guide.\n\nThe guide "
                                   "is the file\n") +
                    guide));

    EXPECT_TRUE(QFile::remove(guide) && QDir().mkpath(guide)); // a guide that cannot be written is not opened
    OpenedUrls opened;
    EXPECT_FALSE(OpenUserGuide());
    EXPECT_TRUE(opened.isEmpty());
}
