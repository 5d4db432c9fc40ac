#pragma once

#include "draw/map_kind.h"

// The OSM map object. It holds no map data: everything it draws comes from the map state.
class COsmView : public MapKind {
public:
    // Paints the OSM map onto `target` within `clipBox`: the band, then the cached tiles of the position.
    // Tiles missing from the cache are downloaded during the paint and shown by the next one, which is asked
    // for through g_bOsmRepaint.
    void DrawOsmMap(QPainter& target, const QRect& clipBox);

    // DrawOsmMap, then the follow-up paint g_bOsmRepaint asks for, whatever the picture is for.
    MapReply Draw(QPainter& painter, const QRect& clipBox, DrawPurpose purpose) override;
    // The moves, Home and the keypad zoom steps; every key of the table repaints.
    MapReply OnKey(int key, bool keypad, const QSize& view) override;
    // The button strip; every click repaints.
    MapReply OnClick(const QPoint& point, const QSize& view) override;
    std::optional<GeoPosition> PositionAt(const QPoint& point) const override;
};
