#include "running_app.h"
#include "support/tile_cache.h"

// Copy from its key and Cut from the menu the right button opens on the view capture the view beside the
// program and on the clipboard; Cut also takes the tiles it drew out of the cache.
TEST(EditCommands, CopyKeyAndCutFromTheContextMenu) {
    RunningApp app;
    const QString file = QCoreApplication::applicationDirPath() + QStringLiteral("/new.bmp");
    QFile::remove(file);
    const QSize client = MapView()->size();

    QApplication::setActiveWindow(MainWindow());
    QTest::keyClick(MapView(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(TestEnv::MessageTexts(),
              QStringList({"Copied the map to a file named new.bmp and to the windows paste buffer. "}));
    EXPECT_EQ(QFileInfo(file).size(), 54 + 4 * client.width() * client.height());

    g_nOsmX = g_nOsmY = g_nTbX = g_nTbY = 0;
    g_nTileWidth = g_nTileHeight = 256;
    TileCache::Write(1, 1);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(MainWindow()));
    QTest::mouseClick(MapView(), Qt::RightButton, Qt::NoModifier, QPoint(100, 100));
    ASSERT_TRUE(QTest::qWaitFor([] { return qobject_cast<QMenu*>(QApplication::activePopupWidget()); }));
    const QList<QAction*> menu = QApplication::activePopupWidget()->actions();
    EXPECT_EQ(menu, QList<QAction*>(
                        {app.Command(ID_EDIT_CUT), app.Command(ID_EDIT_COPY), app.Command(ID_EDIT_PASTE)}));
    QApplication::activePopupWidget()->close();
    QTest::qWait(20);
    const PaintCounter counter(MapView());
    menu.value(0)->trigger();
    EXPECT_FALSE(QFile::exists(g_szAtlasFolder + QStringLiteral("12-0-0.png")));
    EXPECT_TRUE(QTest::qWaitFor([&counter] { return counter.paints > 0; })) << "Cut draws the map afresh";
    EXPECT_EQ(TestEnv::Messages().size(), 2);
    EXPECT_EQ(TestEnv::Messages().last().title, "Tarnwell");
}
