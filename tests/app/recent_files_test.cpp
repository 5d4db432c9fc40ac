#include "running_app.h"
#include "support/tile_cache.h"

#include <QSettings>

namespace {

// The texts of the File menu's recent-file entries as shown, of the sixteen ids the list may take.
QStringList RecentEntries() {
    QStringList texts;
    for (QAction* action : MainWindow()->Menu(QStringLiteral("&File"))->actions()) {
        const int id = action->data().toInt();
        if (action->isVisible() && id >= ID_FILE_MRU_FILE1 && id < ID_FILE_MRU_FILE1 + 16)
            texts.append(action->text());
    }
    return texts;
}

} // namespace

TEST(RecentFiles, TheFileMenuKeepsTheFourLatestDocumentsInTheFrameworksOwnSettings) {
    QStringList paths;
    for (int i = 0; i < 5; ++i)
        TileCache::WriteFile(paths.emplace_back(TestEnv::TempFolder() + QStringLiteral("/map%1.txt").arg(i)));
    {
        RunningApp app;
        EXPECT_EQ(RecentEntries(), QStringList({"Recent File"}));
        for (const QString& path : paths + QStringList(paths[2]))
            app.OpenDocument(path);
    }
    RunningApp app;
    const QStringList shown = RecentEntries();
    EXPECT_EQ(shown, QStringList({"&1 " + paths[2], "&2 " + paths[4], "&3 " + paths[3], "&4 " + paths[1]}));
    for (QAction* action : MainWindow()->Menu(QStringLiteral("&File"))->actions())
        if (action->text() == shown.value(3))
            action->trigger();
    EXPECT_EQ(MainWindow()->windowTitle(), QStringLiteral("map1.txt - Tarnwell"));
    const QSettings framework(QSettings::NativeFormat, QSettings::UserScope,
                              QStringLiteral("Local AppWizard-Generated Applications"),
                              QStringLiteral("Tarnwell"));
    EXPECT_EQ(QStringList({framework.value(QStringLiteral("Recent File List/File1")).toString(),
                           framework.value(QStringLiteral("Recent File List/File4")).toString()}),
              QStringList({paths[1], paths[3]}));
    const QSettings orvex(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Orvex"));
    EXPECT_FALSE(orvex.allKeys().join(' ').contains(QStringLiteral("Recent")));
}
