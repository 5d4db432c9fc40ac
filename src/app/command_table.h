#pragma once

#include <QKeySequence>
#include <QList>
#include <QString>
#include <vector>

// One item of the main menu: the menu it sits in, its text (an accelerator label after a tab), its command,
// its accelerators and its status-bar prompt.
struct MenuItem {
    QString menu;
    QString text;
    int id;
    QList<QKeySequence> keys;
    QString prompt;
};

// The main menu in order, menu by menu. A separator is an item with id 0.
const std::vector<MenuItem>& MenuItems();

// The menus of the menu bar, in order.
const QList<QString>& MenuTitles();

// The toolbar's buttons in order; 0 stands for a separator.
const QList<int>& ToolbarButtons();

// The status-bar prompt and tooltip of a command, empty when it has none.
QString CommandPrompt(int id);

// The visible text of a menu item: its text without the accelerator label.
QString MenuLabel(const QString& text);
