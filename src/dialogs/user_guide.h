#pragma once

#include <QUrl>

// Where the user guide is put for the browser: user_guide.html in the program's data folder.
QUrl UserGuideUrl();

// Writes the built-in user guide to UserGuideUrl() and opens it in the browser; false, opening nothing, when
// the file cannot be written.
bool OpenUserGuide();
