#pragma once

#include <QRect>

class QPainter;

// The OSM map object. It holds no map data: everything it draws comes from the map state.
class COsmView {
public:
    // Paints the OSM map onto `target` within `clipBox`: the band, then the cached tiles of the position.
    // Tiles missing from the cache are downloaded during the paint and shown by the next one, which is asked
    // for through g_bOsmRepaint.
    void DrawOsmMap(QPainter& target, const QRect& clipBox);

    // A left click at `point` (view coordinates) on the button strip. Returns whether the view must be
    // repainted, which every click asks for.
    bool OnOsmClick(const QPoint& point);
};
