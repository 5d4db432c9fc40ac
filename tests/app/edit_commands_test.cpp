#include "app/command_ids.h"
#include "app/main_frame.h"
#include "app/tarnwell_app.h"
#include "state/map_state.h"
#include "support/test_env.h"
#include "support/tile_cache.h"
#include "view/tarnwell_view.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QMenu>
#include <QTest>
#include <gtest/gtest.h>

// Copy from its key and Cut from the view's context menu capture the view beside the program and on the
// clipboard; Cut also takes the tiles it drew out of the cache.
TEST(EditCommands, CopyKeyAndCutFromTheContextMenu) {
    CTarnwellApp app;
    ASSERT_TRUE(app.InitInstance());
    const QString file = QCoreApplication::applicationDirPath() + QStringLiteral("/new.bmp");
    QFile::remove(file);
    const QSize client = app.View()->size();

    QApplication::setActiveWindow(app.MainFrame());
    QTest::keyClick(app.View(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(TestEnv::MessageTexts(),
              QStringList({"Copied the map to a file named new.bmp and to the windows paste buffer. "}));
    EXPECT_EQ(QFileInfo(file).size(), 54 + 4 * client.width() * client.height());
    EXPECT_EQ(QGuiApplication::clipboard()->image().size(), client);

    g_nOsmX = g_nOsmY = g_nTbX = g_nTbY = 0;
    g_nTileWidth = g_nTileHeight = 256;
    TileCache::Write(1, 1);
    const QString tile = g_szAtlasFolder + QStringLiteral("12-0-0.png");
    QAction* cut = app.View()->findChild<QMenu*>()->actions().value(0);
    ASSERT_EQ(cut, app.MainFrame()->Command(ID_EDIT_CUT));
    cut->trigger();
    EXPECT_FALSE(QFile::exists(tile));
    EXPECT_EQ(TestEnv::Messages().size(), 2);
    EXPECT_EQ(TestEnv::Messages().last().title, "Tarnwell");
}
