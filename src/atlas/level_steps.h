#pragma once

#include <QtGlobal>

// One level step up (finer, zoom + 1) or down, keeping the same part of the map at the view's top-left.
// Both store "AtlasZoom", load the new level, repaint the view and return the new zoom.
quint32 AtlasZoomIn();
quint32 AtlasZoomOut();

// After a level load: moves the position to the same relative place as before the step and puts the
// calibration file's name into the main window's title. Returns 0, or -1 when the new level has no calibration
// file or it cannot be opened (the position then stays at the top-left tile).
int RepositionAfterLevelStep();
