#include "app/tarnwell_app.h"
#include "atlas_builder.h"
#include "state/map_state.h"
#include "state/settings_store.h"
#include "support/test_env.h"
#include "view/tarnwell_view.h"

#include <QApplication>
#include <QMenu>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// The main window on an atlas of `columns` x `rows` tiles at level 12.
struct Window {
    explicit Window(int columns = 10, int rows = 8) {
        const QString atlas = TestEnv::TempFolder() + QStringLiteral("/atlas");
        AtlasBuilder::Level level{QStringLiteral("12"), columns, rows, QSize(64, 64)};
        EXPECT_TRUE(AtlasBuilder::WriteLevel(atlas, level));
        SettingsStore::WriteAtlasFolder(atlas);
        EXPECT_TRUE(app.InitInstance());
        view = app.View();
    }
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(view, key, modifiers);
    }

    CTarnwellApp app;
    CTarnwellView* view = nullptr;
};

} // namespace

TEST(ViewKeys, TrekbuddyArrowsStopAtTheTopLeftButNotAtTheFarEdges) {
    Window window;
    g_bMoved = 0;
    window.Key(Qt::Key_Left);
    window.Key(Qt::Key_Up);
    EXPECT_EQ(g_nTbX, 0);
    EXPECT_EQ(g_nTbY, 0);
    EXPECT_EQ(g_bMoved, 0) << "no move, no moved flag";
    for (int i = 0; i < 12; ++i)
        window.Key(Qt::Key_Right);
    window.Key(Qt::Key_Down);
    EXPECT_EQ(g_nTbX, 12) << "right may pass the last column";
    EXPECT_EQ(g_nTbY, 1);
    EXPECT_EQ(g_bMoved, 1);
    window.Key(Qt::Key_Left);
    EXPECT_EQ(g_nTbX, 11);
}

TEST(ViewKeys, TrekbuddyEndShowsTheLastThreeColumnsAndRows) {
    Window window(10, 2);
    g_bMoved = 0;
    window.Key(Qt::Key_End);
    EXPECT_EQ(g_nTbX, 7);
    EXPECT_EQ(g_nTbY, 0) << "fewer than three rows: 0, not negative";
    EXPECT_EQ(g_bMoved, 1);
}

TEST(ViewKeys, OnlyTheKeypadPlusAndMinusZoomAndNothingActsBehindADialog) {
    Window window;
    window.Key(Qt::Key_Plus);
    window.Key(Qt::Key_Minus);
    EXPECT_EQ(g_nZoom, 12u);
    g_nMapType = kMapTypeOsm;
    window.Key(Qt::Key_Plus);
    EXPECT_EQ(g_nZoom, 12u);
    window.Key(Qt::Key_Plus, Qt::KeypadModifier);
    EXPECT_EQ(g_nZoom, 13u);
    EXPECT_EQ(SettingsStore::ReadAtlasZoom(), 13);

    g_nMapType = kMapTypeDialog;
    window.Key(Qt::Key_Right);
    window.Key(Qt::Key_Plus, Qt::KeypadModifier);
    EXPECT_EQ(g_nZoom, 13u);
    EXPECT_EQ(g_nOsmX, 4064);
    EXPECT_EQ(g_nTbX, 0);
}

TEST(ViewKeys, OsmKeysMoveWithoutLimitsAndHomeUsesTheFixedTable) {
    Window window;
    g_nMapType = kMapTypeOsm;
    g_nOsmX = 0;
    g_bMoved = 0;
    window.Key(Qt::Key_Left);
    EXPECT_EQ(g_nOsmX, -1);
    EXPECT_EQ(g_bMoved, 0) << "left sets the moved flag only when the Trekbuddy column is past 0";
    g_nTbX = 1;
    window.Key(Qt::Key_Left);
    EXPECT_EQ(g_bMoved, 1);

    g_bMoved = 0;
    const qint32 y = g_nOsmY;
    window.Key(Qt::Key_Up);
    window.Key(Qt::Key_PageUp);
    EXPECT_EQ(g_nOsmY, y - 2);
    EXPECT_EQ(g_bMoved, 0);
    window.Key(Qt::Key_PageDown);
    EXPECT_EQ(g_nOsmY, y - 1);
    EXPECT_EQ(g_bMoved, 1);

    g_nZoom = 13;
    g_nOsmX = 5;
    g_nOsmY = 6;
    g_bMoved = 0;
    window.Key(Qt::Key_Home);
    EXPECT_EQ(g_nOsmX, 5);
    EXPECT_EQ(g_nOsmY, 6);
    EXPECT_EQ(g_bMoved, 1);
    g_nZoom = 10;
    window.Key(Qt::Key_Home);
    EXPECT_EQ(g_nOsmX, 506) << "a fixed value, not a halving of 2032";
    EXPECT_EQ(g_nOsmY, 339);

    g_nZoom = 4;
    window.Key(Qt::Key_Minus, Qt::KeypadModifier);
    EXPECT_EQ(g_nZoom, 4u);
    EXPECT_EQ(g_nOsmX, 506);
}

TEST(ViewKeys, RightButtonOpensTheEditMenu) {
    Window window;
    window.view->resize(400, 300);
    window.view->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.view->window()));
    QTest::mouseClick(window.view, Qt::RightButton, Qt::NoModifier, QPoint(100, 100));
    QTRY_VERIFY(qobject_cast<QMenu*>(QApplication::activePopupWidget()) != nullptr);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    QStringList texts;
    for (QAction* action : menu->actions())
        texts.append(action->text() + QLatin1Char('\t') + action->shortcut().toString());
    EXPECT_EQ(texts, QStringList({"Cu&t\tCtrl+X", "&Copy\tCtrl+C", "&Paste\tCtrl+V"}));
    menu->close();
}

TEST(ViewKeys, KeypadLevelStepsAndEscapeAroundThePanView) {
    Window window;
    g_bPanView = 1;
    window.Key(Qt::Key_Minus, Qt::KeypadModifier);
    EXPECT_EQ(g_nZoom, 11u);
    EXPECT_EQ(g_bPanView, 1) << "a step out keeps the pan view";
    window.Key(Qt::Key_Plus, Qt::KeypadModifier);
    EXPECT_EQ(g_nZoom, 12u);
    EXPECT_EQ(g_bPanView, 0) << "a step in leaves the pan view";
    EXPECT_EQ(SettingsStore::ReadAtlasZoom(), 12);
    g_bPanView = 1;
    window.Key(Qt::Key_Escape);
    EXPECT_EQ(g_bPanView, 0);
}
