#pragma once

#include <QRect>

class QPainter;

// The OSM map object. It holds no map data: everything it draws comes from the map state.
class COsmView {
public:
    // Paints the OSM map onto `target` within `clipBox`.
    void DrawOsmMap(QPainter& target, const QRect& clipBox);
};
