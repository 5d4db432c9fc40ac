#include "app/command_ids.h"
#include "app/command_table.h"
#include "app/main_frame.h"
#include "app/tarnwell_app.h"
#include "state/map_state.h"
#include "state/settings_store.h"
#include "support/test_env.h"
#include "view/tarnwell_view.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>
#include <gtest/gtest.h>

namespace {

QList<QAction*> MenuActions(const CMainFrame& frame, const QString& title) {
    for (QAction* menu : frame.menuBar()->actions()) {
        if (menu->text() == title)
            return menu->menu()->actions();
    }
    return {};
}

} // namespace

TEST(MainWindow, MenusCarryEveryItemOfTheCommandTableInOrder) {
    CTarnwellApp app;
    ASSERT_TRUE(app.InitInstance());
    const CMainFrame& frame = *app.MainFrame();

    QStringList titles;
    for (QAction* menu : frame.menuBar()->actions())
        titles.append(menu->text());
    EXPECT_EQ(titles, QStringList({"&File", "&Edit", "&View", "Map", "&Help", "Trekbuddy", "OSM"}));

    QHash<QString, int> position;
    for (const MenuItem& item : MenuItems()) {
        const QList<QAction*> actions = MenuActions(frame, item.menu);
        const int at = position.value(item.menu);
        ASSERT_LT(at, actions.size()) << item.text.toStdString();
        QAction* action = actions[at];
        position[item.menu] = at + 1;
        if (item.id == 0) {
            EXPECT_TRUE(action->isSeparator());
            continue;
        }
        EXPECT_EQ(action, frame.Command(item.id));
        EXPECT_EQ(action->text(), MenuLabel(item.text));
        EXPECT_EQ(action->shortcuts(), item.keys) << item.text.toStdString();
        EXPECT_EQ(action->statusTip(), item.prompt);
    }
    for (auto it = position.cbegin(); it != position.cend(); ++it)
        EXPECT_EQ(MenuActions(frame, it.key()).size(), it.value())
            << "no item beyond the table in " << it.key().toStdString();

    EXPECT_EQ(frame.Command(ID_EDIT_CUT)->shortcuts(),
              QList<QKeySequence>({QKeySequence("Ctrl+X"), QKeySequence("Shift+Del")}));
    EXPECT_EQ(frame.Command(ID_VIEW_MAPTYPE6OSM)->text(), QStringLiteral("Map type &6 OSM"));
    EXPECT_EQ(
        frame.Command(ID_TREKBUDDY_PRINT3)->statusTip(),
        QStringLiteral(
            "Print a Trekbuddy map, same as the other menu but running from a different part of this app."));
    EXPECT_FALSE(frame.Command(ID_EDIT_UNDO)->isEnabled());
    EXPECT_FALSE(frame.Command(ID_EDIT_PASTE)->isEnabled());
    EXPECT_TRUE(frame.Command(ID_VIEW_MAPTYPE7TREKBUDDY)->isEnabled());
    EXPECT_TRUE(frame.Command(ID_VIEW_REFRESH)->isEnabled());
    for (int id : {ID_APP_ABOUT, ID_TREKBUDDY_DEFAULTATLASFOLDER, ID_VIEW_SETOSMZOOMLEVEL, ID_TOOLBAR_OSMZOOM})
        EXPECT_TRUE(frame.Command(id)->isEnabled()) << id;
    // Commands whose handlers are not built yet stay disabled rather than doing nothing.
    for (int id : {ID_TREKBUDDY_MAKEPANFILES, ID_TREKBUDDY_PRINT, ID_OSM_SETOSMSOURCE, ID_OSM_CLEANTILES})
        EXPECT_FALSE(frame.Command(id)->isEnabled()) << id;
}

TEST(MainWindow, ToolbarAndStatusBar) {
    CTarnwellApp app;
    ASSERT_TRUE(app.InitInstance());
    const CMainFrame& frame = *app.MainFrame();
    QList<int> ids;
    for (QAction* action : frame.ToolBar()->actions())
        ids.append(action->isSeparator() ? 0 : action->data().toInt());
    EXPECT_EQ(ids, ToolbarButtons());
    EXPECT_EQ(frame.Command(ID_OSM_RESETPOSITION)->statusTip(),
              QStringLiteral("Reset the OSM Zoom and X Y to defaults."));
    EXPECT_EQ(frame.Command(ID_OSM_CLEANTILES)->toolTip(),
              QStringLiteral("Deletes any zero sized map tiles in the current map view."));
    EXPECT_EQ(frame.ToolBar()->windowTitle(), QStringLiteral("Standard"));
    EXPECT_EQ(frame.statusBar()->currentMessage(), QStringLiteral("Ready"));
    frame.statusBar()->showMessage(QStringLiteral("Redraw the map."));
    frame.statusBar()->clearMessage();
    EXPECT_EQ(frame.statusBar()->currentMessage(), QStringLiteral("Ready"));
}

TEST(MainWindow, MapTypeChecksAndSmallViewCommands) {
    CTarnwellApp app;
    ASSERT_TRUE(app.InitInstance());
    CMainFrame& frame = *app.MainFrame();
    frame.Menu(QStringLiteral("&View"))->aboutToShow();
    EXPECT_TRUE(frame.Command(ID_VIEW_MAPTYPE7TREKBUDDY)->isChecked());
    EXPECT_FALSE(frame.Command(ID_VIEW_MAPTYPE6OSM)->isChecked());
    g_nMapType = kMapTypeOsm;
    frame.Menu(QStringLiteral("&View"))->aboutToShow();
    EXPECT_FALSE(frame.Command(ID_VIEW_MAPTYPE7TREKBUDDY)->isChecked());
    EXPECT_TRUE(frame.Command(ID_VIEW_MAPTYPE6OSM)->isChecked());

    // Start position leaves the map type as it was, around its message.
    for (quint32 type : {kMapTypeOsm, kMapTypeTrekbuddy}) {
        g_nMapType = type;
        frame.Command(ID_MAP_STARTPOSITION)->trigger();
        EXPECT_EQ(g_nMapType, type);
    }
    frame.Command(ID_MAP_GETSCREENMAP)->trigger();
    EXPECT_EQ(TestEnv::MessageTexts(),
              QStringList({"OnMapStartposition This function does not work",
                           "OnMapStartposition This function does not work",
                           "OnMapGetscreenmap This is a test function and has been disabled"}));

    // Map type 7 reloads the level: the view jumps back to tile (0, 0).
    g_nTbX = 5;
    g_nTbY = 3;
    frame.Command(ID_VIEW_MAPTYPE7TREKBUDDY)->trigger();
    EXPECT_EQ(g_nMapType, kMapTypeTrekbuddy);
    EXPECT_EQ(g_nTbX, 0);
    EXPECT_EQ(g_nTbY, 0);
}

TEST(MainWindow, ResetOsmPositionOnlyActsOnTheOsmMap) {
    CTarnwellApp app;
    ASSERT_TRUE(app.InitInstance());
    g_nZoom = 15;
    g_nOsmX = 7;
    g_nOsmY = 9;
    app.MainFrame()->Command(ID_OSM_RESETPOSITION)->trigger();
    EXPECT_EQ(g_nZoom, 15u) << "the Trekbuddy map only repaints";
    EXPECT_EQ(g_nOsmX, 7);
    g_nMapType = kMapTypeOsm;
    app.MainFrame()->Command(ID_OSM_RESETPOSITION)->trigger();
    EXPECT_EQ(g_nZoom, 12u);
    EXPECT_EQ(g_nOsmX, 2032);
    EXPECT_EQ(g_nOsmY, 1362);
}
