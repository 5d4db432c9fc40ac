#include "running_app.h"

#include <QDialog>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

TEST(MainFrame, EveryMenuItemAndToolbarButtonIsBoundWithItsKeysAndPrompt) {
    RunningApp app;
    const CMainFrame& frame = *MainWindow();
    // Each menu as "title: label id keys (prompt);" per item, "off" when disabled.
    QStringList menus;
    for (QAction* menu : frame.menuBar()->actions()) {
        menus.append(menu->text() + QLatin1Char(':'));
        for (QAction* item : menu->menu()->actions()) {
            if (item->isSeparator())
                continue;
            menus.back() += QLatin1Char(' ') + item->text() + QLatin1Char(' ') + item->data().toString();
            for (const QKeySequence& key : item->shortcuts())
                menus.back() += QLatin1Char(' ') + key.toString(QKeySequence::PortableText);
            if (!item->statusTip().isEmpty())
                menus.back() += QStringLiteral(" (%1)").arg(item->statusTip());
            menus.back() += item->isEnabled() ? QStringLiteral(";") : QStringLiteral(" off;");
        }
    }
    // Undo and Paste have no handler, and the recent-file list is empty in a fresh profile.
    EXPECT_EQ(
        menus,
        QStringList(
            {"&File: &New 57600 Ctrl+N; &Open... 57601 Ctrl+O; &Save 57603 Ctrl+S; Save &As... 57604; "
             "&Print... 57607 Ctrl+P; Print Pre&view 57609; P&rint Setup... 57606; Recent File 57616 off; "
             "E&xit 57665;",
             "&Edit: &Undo 57643 Ctrl+Z Alt+Backspace off; Cu&t 57635 Ctrl+X Shift+Del; &Copy 57634 Ctrl+C "
             "Ctrl+Ins; &Paste 57637 Ctrl+V Shift+Ins (Insert Clipboard contents - Paste - not coded yet.) "
             "off;",
             "&View: &Toolbars and Docking Windows 59392; &Status Bar 59393; Map type &7 Trekbuddy 32784 "
             "(Start viewing a Trekbuddy map.); Map type &6 OSM 32785 (Start viewing a OSM map.); Refresh "
             "32786 (Redraw the map.); Set OSM &zoom level 32797 (Change the zoom level for the Type6 OSM "
             "map);",
             "Map: &Start position 32778; &Get screen map 32779;",
             "&Help: &User guide 32801 F1 (Open the user guide in the web browser.); &About Tarnwell... "
             "57664;",
             "Trekbuddy: &Default atlas folder 32781 (Set the folder to use for cached OSM map tiles or pre "
             "downloaded Trekbuddy tiles.); &Make pan files 32782 (Make a Trekbuddy pan file for quickly "
             "moving around the map.); &Print 32783 (Print a Trekbuddy map.); Print3 32795 (Print a "
             "Trekbuddy map, same as the other menu but running from a different part of this app.);",
             "OSM: &Set OSM Source 32792 (Choose a OSM web tile server to use.); &Print 32796 (Print a OSM "
             "map.);"}));

    // The toolbar's commands, 0 for a separator, each enabled but Paste.
    // Without an icon theme here, every button shows our own picture; no two alike.
    QStringList buttons;
    QSet<size_t> pictures;
    for (QAction* action : frame.findChild<QToolBar*>()->actions()) {
        buttons.append(QString::number(action->data().toInt()) +
                       (action->isEnabled() ? QString() : QStringLiteral(" off")));
        if (action->isSeparator())
            continue;
        const QImage picture = action->icon().pixmap(24, 24).toImage();
        EXPECT_FALSE(picture.isNull()) << action->data().toInt();
        pictures.insert(qHashBits(picture.constBits(), size_t(picture.sizeInBytes())));
    }
    EXPECT_EQ(pictures.size(), 11) << "each of the 11 buttons its own picture";
    EXPECT_EQ(buttons.join(QLatin1Char(' ')),
              QStringLiteral("57600 57601 57603 0 57635 57634 0 57637 off 0 57607 57664 32776 32799 32800"));
    for (const auto& [id, tip] : {std::pair{32776, "Opens a dialog to allow the OSM view zoom to be set."},
                                  {32799, "Reset the OSM Zoom and X Y to defaults."},
                                  {32800, "Deletes any zero sized map tiles in the current map view."}})
        EXPECT_EQ(frame.Command(id)->toolTip(), QString::fromLatin1(tip));
    EXPECT_EQ(frame.statusBar()->currentMessage(), QStringLiteral("Ready"));
    frame.statusBar()->showMessage(QStringLiteral("Redraw the map."));
    frame.statusBar()->clearMessage();
    EXPECT_EQ(frame.statusBar()->currentMessage(), QStringLiteral("Ready")) << "a prompt gives way to Ready";
}

TEST(MainFrame, EveryCommandWithADialogHoldsTheMapBehindItAndThenShowsItsMap) {
    ASSERT_TRUE(SettingsStore::WriteAtlasFolder(TestEnv::SampleAtlas()));
    RunningApp app;
    // The OSM map painted behind the dialogs fetches from no server, so nothing lands in the sample atlas.
    g_wszOsmServer = g_wszOsmUrl = QString();
    // A command, and the map type before, while its dialog is up, and after.
    const std::tuple<int, quint32, quint32, quint32> walks[] = {
        {32781, 6, 5, 7}, {32782, 6, 5, 7}, {32783, 6, 5, 7}, {32795, 6, 5, 7}, {32796, 7, 5, 6},
        {32792, 7, 5, 6}, {32797, 7, 5, 6}, {32776, 7, 5, 6}, {57664, 6, 6, 6}, {57664, 7, 7, 7},
    };
    for (const auto& [id, before, behind, after] : walks) {
        quint32 shown = g_nMapType = before;
        DialogDriver::WhenModal<QDialog>([&shown](QDialog* dialog) {
            shown = g_nMapType;
            dialog->reject();
        });
        app.Command(id)->trigger();
        EXPECT_EQ(std::pair(shown, g_nMapType), std::pair(behind, after)) << id;
    }
    EXPECT_EQ(TestEnv::MessageTexts(), QStringList());
}
