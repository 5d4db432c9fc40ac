#pragma once

#include "draw/map_kind.h"
#include "draw/tile_pictures.h"

#include <memory>

// The Trekbuddy map object. It holds no map data: everything it draws comes from the map state, and it keeps
// only the tiles it decodes ahead of a paint.
class CTrekbuddy : public MapKind {
public:
    // Paints the map, or the pan image while that is shown, onto `target` within `clipBox`.
    void DrawAtlas(QPainter& target, const QRect& clipBox);

    // On screen DrawAtlas. The map always draws into the view's own window, so a printed page stays empty
    // and the view is asked to repaint instead.
    MapReply Draw(QPainter& painter, const QRect& clipBox, DrawPurpose purpose) override;
    // Moves, pages, Home, End, the keypad's level steps and Esc out of the pan image; every key of the table
    // repaints. A page is as many rows as the view's height holds.
    MapReply OnKey(int key, bool keypad, const QSize& view) override;
    // The button strip, or a jump through the pan image while that is shown; every click repaints.
    MapReply OnClick(const QPoint& point, const QSize& view) override;
    // Loads the level of the zoom chosen.
    void ZoomChosen() override;
    std::optional<GeoPosition> PositionAt(const QPoint& point) const override;

    // Starts decoding the tiles that a paint of a view of `size` shows, ahead of that paint (the view is
    // shown, its paint is still to come). The next paint takes them if it shows just those tiles, and drops
    // them otherwise.
    void DecodeAhead(const QSize& size);

private:
    std::unique_ptr<TileDecoding> m_ahead;
};
