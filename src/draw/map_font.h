#pragma once

#include <QFont>

class QPaintDevice;

// The serif font of the map texts, sized for `device`: its cell height (ascent plus descent) is the device's
// vertical dots per inch divided by `heightDivisor`, and it is stretched so that its average character is the
// horizontal dots per inch divided by `widthDivisor` wide.
QFont MapFont(const QPaintDevice& device, int heightDivisor, int widthDivisor);
