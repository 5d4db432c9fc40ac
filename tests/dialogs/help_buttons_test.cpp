#include "dialog_driver.h"
#include "dialogs/about_dialog.h"
#include "dialogs/atlas_folder_dialog.h"
#include "dialogs/atlas_zoom_dialog.h"
#include "dialogs/url_opener.h"
#include "dialogs/user_guide.h"
#include "support/test_env.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>
#include <memory>

using namespace DialogDriver;

namespace {

QByteArray Read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Keeps the user guide inside the test's own folder and records what would have gone to the browser.
class HelpButtons : public ::testing::Test {
protected:
    void SetUp() override {
        m_data = TestEnv::TempFolder() + QStringLiteral("/data");
        qputenv("XDG_DATA_HOME", m_data.toUtf8());
        SetUrlOpener([this](const QUrl& url) { m_opened.append(url); });
    }
    void TearDown() override { SetUrlOpener({}); }

    QString m_data;
    QList<QUrl> m_opened;
};

} // namespace

TEST_F(HelpButtons, EveryHelpButtonOpensTheWrittenUserGuide) {
    const QByteArray page = Read(QStringLiteral(":/user_guide.html"));
    ASSERT_TRUE(page.contains("~/.config/Orvex.conf"));
    ASSERT_TRUE(UserGuideUrl().toLocalFile().startsWith(m_data + QLatin1Char('/')));

    CAtlasFolder folder;
    Click(&folder, QStringLiteral("Web Help"));
    CAtlasZoom zoom;
    Click(&zoom, QStringLiteral("Web help"));
    CAboutDlg about;
    Click(&about, QStringLiteral("Go to website"));

    EXPECT_EQ(m_opened, QList<QUrl>(3, UserGuideUrl()));
    EXPECT_EQ(Read(UserGuideUrl().toLocalFile()), page);
}

TEST_F(HelpButtons, NothingOpensWhenTheGuideCannotBeWritten) {
    // A file where the guide's folder belongs.
    QFile blocker(QFileInfo(UserGuideUrl().toLocalFile()).absolutePath());
    ASSERT_TRUE(QDir().mkpath(m_data));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    EXPECT_FALSE(OpenUserGuide());
    EXPECT_TRUE(m_opened.isEmpty());
}

TEST_F(HelpButtons, AboutBoxNamesTheProgramAndShowsTheGuideAddress) {
    CAboutDlg about;
    EXPECT_EQ(about.windowTitle(), QStringLiteral("About Tarnwell"));
    EXPECT_TRUE(HasText(&about, QStringLiteral("Tarnwell, Version 1.0")));
    EXPECT_TRUE(HasText(&about, UserGuideUrl().toString()));
    const QLabel* icon = about.findChild<QLabel*>(QStringLiteral("programIcon"));
    ASSERT_NE(icon, nullptr);
    EXPECT_FALSE(icon->pixmap().isNull());
    about.open();
    Click(&about, QStringLiteral("OK"));
    EXPECT_EQ(about.result(), QDialog::Accepted);
}
