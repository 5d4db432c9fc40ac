#pragma once

#include <QSize>
#include <QString>
#include <functional>

// Called with each tile file once it has been drawn into the capture; false ends the capture there, with
// nothing written, copied or confirmed.
using TileDrawn = std::function<bool(const QString& tilePath)>;

// Draws the OSM map of the current position again from the tile cache into a picture of `clientSize`, writes
// it as new.bmp into `programFolder` (into the user's pictures folder when that folder cannot be written) and
// puts it on the clipboard. Returns the confirmation to show, which says where the file went or that none was
// written; empty when the capture stopped early, after its own message.
QString CaptureMap(const QSize& clientSize, const QString& programFolder, const TileDrawn& tileDrawn = {});
