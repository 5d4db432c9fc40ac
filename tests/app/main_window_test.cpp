#include "app/command_ids.h"
#include "app/command_table.h"
#include "app/main_frame.h"
#include "app/tarnwell_app.h"
#include "state/map_state.h"
#include "support/test_env.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>
#include <gtest/gtest.h>

TEST(MainWindow, MenusToolbarAndStatusBarCarryTheCommandTable) {
    CTarnwellApp app;
    ASSERT_TRUE(app.InitInstance());
    const CMainFrame& frame = *app.MainFrame();

    QHash<QString, QList<QAction*>> menus;
    QStringList titles;
    for (QAction* menu : frame.menuBar()->actions()) {
        titles.append(menu->text());
        menus.insert(menu->text(), menu->menu()->actions());
    }
    EXPECT_EQ(titles, QStringList({"&File", "&Edit", "&View", "Map", "&Help", "Trekbuddy", "OSM"}));
    for (const MenuItem& item : MenuItems()) {
        ASSERT_FALSE(menus[item.menu].isEmpty())
            << "more items than the table in " << item.menu.toStdString();
        QAction* action = menus[item.menu].takeFirst();
        if (item.id == 0) {
            EXPECT_TRUE(action->isSeparator());
            continue;
        }
        EXPECT_EQ(action, frame.Command(item.id));
        EXPECT_EQ(action->text() + QLatin1Char('\t') + action->shortcut().toString(QKeySequence::NativeText),
                  item.text.contains(QLatin1Char('\t')) ? item.text : item.text + QLatin1Char('\t'));
        EXPECT_EQ(action->shortcuts(), item.keys) << item.text.toStdString();
        EXPECT_EQ(action->statusTip(), item.prompt);
    }
    for (const QList<QAction*>& rest : std::as_const(menus))
        EXPECT_TRUE(rest.isEmpty()) << "a menu item beyond the table";
    EXPECT_EQ(frame.Command(ID_EDIT_UNDO)->shortcuts(),
              QList<QKeySequence>({QKeySequence("Ctrl+Z"), QKeySequence("Alt+Backspace")}));

    for (int id : {ID_VIEW_REFRESH, ID_APP_ABOUT, ID_TREKBUDDY_DEFAULTATLASFOLDER, ID_TREKBUDDY_MAKEPANFILES,
                   ID_TOOLBAR_OSMZOOM, ID_FILE_PRINT, ID_OSM_SETOSMSOURCE, ID_OSM_CLEANTILES, ID_OSM_PRINT,
                   ID_TREKBUDDY_PRINT, ID_TREKBUDDY_PRINT3, ID_EDIT_CUT, ID_EDIT_COPY, ID_HELP_USERGUIDE})
        EXPECT_TRUE(frame.Command(id)->isEnabled()) << id;
    // Undo and Paste have no handler: disabled rather than doing nothing.
    for (int id : {ID_EDIT_UNDO, ID_EDIT_PASTE})
        EXPECT_FALSE(frame.Command(id)->isEnabled()) << id;

    QList<int> buttons;
    for (QAction* action : frame.ToolBar()->actions())
        buttons.append(action->isSeparator() ? 0 : action->data().toInt());
    EXPECT_EQ(buttons, ToolbarButtons());
    EXPECT_EQ(frame.Command(ID_OSM_CLEANTILES)->toolTip(),
              QStringLiteral("Deletes any zero sized map tiles in the current map view."));
    EXPECT_EQ(frame.statusBar()->currentMessage(), QStringLiteral("Ready"));
    frame.statusBar()->showMessage(QStringLiteral("Redraw the map."));
    frame.statusBar()->clearMessage();
    EXPECT_EQ(frame.statusBar()->currentMessage(), QStringLiteral("Ready")) << "a prompt gives way to Ready";
}

TEST(MainWindow, MapTypeChecksAndTheSmallCommands) {
    CTarnwellApp app;
    ASSERT_TRUE(app.InitInstance());
    CMainFrame& frame = *app.MainFrame();
    for (quint32 type : {kMapTypeTrekbuddy, kMapTypeOsm}) {
        g_nMapType = type;
        frame.Menu(QStringLiteral("&View"))->aboutToShow();
        EXPECT_EQ(frame.Command(ID_VIEW_MAPTYPE7TREKBUDDY)->isChecked(), type == kMapTypeTrekbuddy);
        EXPECT_EQ(frame.Command(ID_VIEW_MAPTYPE6OSM)->isChecked(), type == kMapTypeOsm);
        frame.Command(ID_MAP_STARTPOSITION)->trigger();
        EXPECT_EQ(g_nMapType, type) << "Start position puts the map type back";
    }
    frame.Command(ID_MAP_GETSCREENMAP)->trigger();
    EXPECT_EQ(TestEnv::MessageTexts(),
              QStringList({"OnMapStartposition This function does not work",
                           "OnMapStartposition This function does not work",
                           "OnMapGetscreenmap This is a test function and has been disabled"}));

    g_nMapType = kMapTypeTrekbuddy;
    g_nZoom = 15;
    frame.Command(ID_OSM_RESETPOSITION)->trigger();
    EXPECT_EQ(g_nZoom, 15u) << "reset acts on the OSM map only";
    g_nOsmX = 7;
    g_nMapType = kMapTypeOsm;
    frame.Command(ID_OSM_RESETPOSITION)->trigger();
    EXPECT_EQ(QPoint(g_nOsmX, g_nOsmY), QPoint(2032, 1362));
    EXPECT_EQ(g_nZoom, 12u);

    g_nTbX = 5;
    frame.Command(ID_VIEW_MAPTYPE7TREKBUDDY)->trigger();
    EXPECT_EQ(g_nMapType, kMapTypeTrekbuddy);
    EXPECT_EQ(g_nTbX, 0) << "the level is reloaded";
}
