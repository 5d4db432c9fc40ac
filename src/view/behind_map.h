#pragma once

#include <QtGlobal>
#include <functional>

class QWidget;

// The window a command's dialog or message belongs to: the main window holding the map, if there is one.
QWidget* DialogParent();

// Runs `show` (a modal dialog or message) with the view drawing nothing behind it, then shows the map type
// `afterwards` and repaints the map window.
void BehindMap(quint32 afterwards, const std::function<void()>& show);

// Runs a dialog of type Dialog, made with DialogParent(), behind the map.
template <typename Dialog> void RunBehindMap(quint32 afterwards) {
    BehindMap(afterwards, [] {
        Dialog dialog(DialogParent());
        dialog.exec();
    });
}
