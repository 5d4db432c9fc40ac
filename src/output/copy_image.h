#pragma once

#include "output/map_capture.h"

// The work of Edit > Copy.
class CCopyImage {
public:
    // Captures the OSM map of the current position to new.bmp and the clipboard (CaptureMap); returns the
    // confirmation to show, empty when the capture stopped early.
    QString CopyMap(const QSize& clientSize, const QString& programFolder) const {
        return CaptureMap(clientSize, programFolder);
    }
};
