#pragma once

#include <QString>
#include <QtGlobal>
#include <optional>

// What a level step leaves for the view: the new zoom, and the main window's title when the new level has a
// calibration file (the title stays as it is otherwise). The view repaints after a step.
struct LevelStep {
    quint32 zoom;
    std::optional<QString> title;
};

// One level step up (finer, zoom + 1) or down, keeping the same part of the map at the view's top-left.
// Both store "AtlasZoom" and load the new level; a step down from zoom 0 does nothing.
LevelStep AtlasZoomIn();
LevelStep AtlasZoomOut();

// After a level load: moves the position to the same relative place as before the step and sets `title` to
// "Orvex Trekbuddy " and the calibration file's name. Returns 0, or -1 when the new level has no calibration
// file or it cannot be opened (the position then stays at the top-left tile).
int RepositionAfterLevelStep(std::optional<QString>& title);
