#include "app/tarnwell_app.h"
#include "atlas_builder.h"
#include "state/map_state.h"
#include "state/settings_store.h"
#include "support/test_env.h"
#include "view/tarnwell_view.h"

#include <QApplication>
#include <QMenu>
#include <QTest>
#include <QWheelEvent>
#include <gtest/gtest.h>

namespace {

// The main window on an atlas of `columns` x `rows` tiles at level 12.
struct Window {
    explicit Window(int columns = 10, int rows = 8) {
        const QString atlas = TestEnv::TempFolder() + QStringLiteral("/atlas");
        EXPECT_TRUE(AtlasBuilder::WriteLevel(atlas, {QStringLiteral("12"), columns, rows, QSize(64, 64)}));
        SettingsStore::WriteAtlasFolder(atlas);
        EXPECT_TRUE(app.InitInstance());
    }
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(app.View(), key, modifiers);
    }
    CTarnwellApp app;
};

} // namespace

TEST(ViewKeys, TrekbuddyArrowsAndEnd) {
    Window window(10, 2);
    g_bMoved = 0;
    window.Key(Qt::Key_Left);
    window.Key(Qt::Key_Up);
    EXPECT_EQ(QPoint(g_nTbX, g_nTbY), QPoint(0, 0));
    EXPECT_EQ(g_bMoved, 0) << "no move, no moved flag";
    for (int i = 0; i < 12; ++i)
        window.Key(Qt::Key_Right);
    window.Key(Qt::Key_Down);
    window.Key(Qt::Key_Left);
    EXPECT_EQ(QPoint(g_nTbX, g_nTbY), QPoint(11, 1)) << "right and down may pass the last tile";
    EXPECT_EQ(g_bMoved, 1);
    window.Key(Qt::Key_End);
    EXPECT_EQ(QPoint(g_nTbX, g_nTbY), QPoint(7, 0)) << "two rows: 2 - 3 becomes 0";
}

TEST(ViewKeys, KeypadStepsEscapeAndTheMainKeyboardPlus) {
    Window window;
    window.Key(Qt::Key_Plus);
    EXPECT_EQ(g_nZoom, 12u) << "the main keyboard's + is not a zoom key";
    g_bPanView = 1;
    window.Key(Qt::Key_Minus, Qt::KeypadModifier);
    EXPECT_EQ(g_nZoom, 11u);
    EXPECT_EQ(g_bPanView, 1) << "a step out keeps the pan view";
    window.Key(Qt::Key_Plus, Qt::KeypadModifier);
    EXPECT_EQ(g_nZoom, 12u);
    EXPECT_EQ(g_bPanView, 0) << "a step in leaves it";
    EXPECT_EQ(window.app.View()->window()->windowTitle(), QStringLiteral("Orvex Trekbuddy 12.map"));
    EXPECT_EQ(SettingsStore::ReadAtlasZoom(), 12);
    g_bPanView = 1;
    window.Key(Qt::Key_Escape);
    EXPECT_EQ(g_bPanView, 0);

    g_nMapType = kMapTypeDialog;
    window.Key(Qt::Key_Right);
    window.Key(Qt::Key_Plus, Qt::KeypadModifier);
    EXPECT_EQ(g_nZoom, 12u) << "behind a dialog no key acts";
    EXPECT_EQ(g_nTbX, 0);
}

TEST(ViewKeys, OsmKeysMoveWithoutLimitsAndHomeUsesTheFixedTable) {
    Window window;
    g_nMapType = kMapTypeOsm;
    g_nOsmX = 0;
    g_bMoved = 0;
    window.Key(Qt::Key_Left);
    window.Key(Qt::Key_Up);
    window.Key(Qt::Key_PageUp);
    EXPECT_EQ(QPoint(g_nOsmX, g_nOsmY), QPoint(-1, 1360));
    EXPECT_EQ(g_bMoved, 0) << "left sets the flag only past Trekbuddy column 0; up never";
    window.Key(Qt::Key_PageDown);
    EXPECT_EQ(g_bMoved, 1);

    g_nZoom = 13;
    g_bMoved = 0;
    window.Key(Qt::Key_Home);
    EXPECT_EQ(QPoint(g_nOsmX, g_nOsmY), QPoint(-1, 1361)) << "no home at zoom 13";
    EXPECT_EQ(g_bMoved, 1);
    g_nZoom = 10;
    window.Key(Qt::Key_Home);
    EXPECT_EQ(QPoint(g_nOsmX, g_nOsmY), QPoint(506, 339)) << "a fixed value, not a halving of 2032";
    window.Key(Qt::Key_Plus, Qt::KeypadModifier);
    EXPECT_EQ(g_nZoom, 11u);
    EXPECT_EQ(g_nOsmX, 1012);
    g_nZoom = 4;
    window.Key(Qt::Key_Minus, Qt::KeypadModifier);
    EXPECT_EQ(g_nZoom, 4u);
}

TEST(ViewKeys, RightButtonOpensTheEditMenu) {
    Window window;
    CTarnwellView* view = window.app.View();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(view->window()));
    QTest::mouseClick(view, Qt::RightButton, Qt::NoModifier, QPoint(100, 100));
    ASSERT_TRUE(
        QTest::qWaitFor([] { return qobject_cast<QMenu*>(QApplication::activePopupWidget()) != nullptr; }));
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    QStringList texts;
    for (QAction* action : menu->actions())
        texts.append(action->text() + QLatin1Char('\t') + action->shortcut().toString());
    EXPECT_EQ(texts, QStringList({"Cu&t\tCtrl+X", "&Copy\tCtrl+C", "&Paste\tCtrl+V"}));
    menu->close();
}

TEST(ViewKeys, TheWheelZoomsAsTheKeypadDoesNotchByNotch) {
    Window window;
    const struct {
        int angle;
        quint32 zoom;
    } turns[] = {{-120, 11}, {-60, 11}, {-60, 10}, {240, 12}, {119, 12}};
    for (const auto& [angle, zoom] : turns) {
        QWheelEvent wheel(QPointF(100, 100), QPointF(100, 100), QPoint(), QPoint(0, angle), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(window.app.View(), &wheel);
        EXPECT_EQ(g_nZoom, zoom) << angle;
    }
}
