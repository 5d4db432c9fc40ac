#pragma once

#include <QHash>
#include <QMainWindow>
#include <functional>

class QAction;
class QLabel;
class QMenu;

// The main window: a menu bar with every command of the command table, one toolbar and a status bar. A
// command is disabled until a handler is bound to it.
class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    CMainFrame();

    // The action of a command, or null for an unknown command.
    QAction* Command(int id) const;

    // Binds a handler to a command and enables it.
    void Bind(int id, std::function<void()> handler);

    // A menu of the menu bar by its title ("&View").
    QMenu* Menu(const QString& title) const { return m_menus.value(title); }

    // The pane at the right of the status bar that tells where the mouse pointer is over the map.
    void ShowPointerPosition(const QString& text);

private:
    void CreateMenus();
    void CreateToolBar();
    void CreateStatusBar();
    QAction* AddCommand(int id, const QString& text);

    QHash<int, QAction*> m_commands;
    QHash<QString, QMenu*> m_menus;
    QLabel* m_pointerPane = nullptr;
};
