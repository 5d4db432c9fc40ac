#pragma once

#include "app/command_ids.h"
#include "app/main_frame.h"
#include "app/tarnwell_app.h"
#include "dialogs/dialog_driver.h"
#include "view/tarnwell_view.h"

#include <QAction>
#include <QMenu>

// The whole program as it starts: its main window, menus and view.
struct RunningApp : CTarnwellApp {
    RunningApp() { EXPECT_TRUE(InitInstance()); }
    QAction* Command(int id) const { return MainFrame()->Command(id); }
};
