#pragma once

#include <QUrl>

// The user guide the browser is shown: the installed one (share/tarnwell/user_guide.html beside the program's
// folder) or, when the program runs from its build, user_guide.html in the program's data folder.
QUrl UserGuideUrl();

// Opens UserGuideUrl() in the browser, writing the built-in guide there first when none is installed. False,
// opening nothing, when that file cannot be written; false after telling the user where the guide is when
// no browser could be started.
bool OpenUserGuide();
