#pragma once

#include "app/command_ids.h"
#include "app/main_frame.h"
#include "app/tarnwell_app.h"
#include "dialogs/dialog_driver.h"
#include "view/tarnwell_view.h"

#include <QAction>
#include <QApplication>
#include <QMenu>

// The program's main window and its view, found the way any program finds its widgets.
inline CMainFrame* MainWindow() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* frame = qobject_cast<CMainFrame*>(widget))
            return frame;
    }
    ADD_FAILURE() << "no main window";
    return nullptr;
}

inline CTarnwellView* MapView() {
    return MainWindow()->findChild<CTarnwellView*>();
}

// Counts the paints a widget receives.
struct PaintCounter : QObject {
    explicit PaintCounter(QWidget* widget) { widget->installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* event) override {
        paints += event->type() == QEvent::Paint;
        return false;
    }
    int paints = 0;
};

// The whole program as it starts: its main window, menus and view.
struct RunningApp : CTarnwellApp {
    RunningApp() { EXPECT_TRUE(InitInstance()); }
    QAction* Command(int id) const { return MainWindow()->Command(id); }
};
