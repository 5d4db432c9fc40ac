#pragma once

#include <QRect>

class QPainter;

// The Trekbuddy map object. It holds no map data: everything it draws comes from the map state.
class CTrekbuddy {
public:
    // Paints the map, or the pan image while that is shown, onto `target` within `clipBox`.
    void DrawAtlas(QPainter& target, const QRect& clipBox);
};
