#pragma once

#include <QtGlobal>

class QPaintDevice;
class QPainter;

// Height of the band along the top of both maps; the tiles and the pan image start below it.
inline constexpr int kBandHeight = 33;

// The band along the top of both maps: the zoom number g_nZoom, the button strip and the status line with
// tile column `x`, row `y` and the position g_fTbLat / g_fTbLon. Fonts are sized for `device`, the target.
void DrawMapBand(QPainter& painter, const QPaintDevice& device, qint32 x, qint32 y);
