#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <optional>

class QPainter;

// What a picture of the map is for. The printed view page draws the map the screen shows, for the maps that
// can be printed that way.
enum class DrawPurpose { Screen, Print };

// What the view must do once a map has drawn or taken a key or a click.
struct MapReply {
    // Invalidate the whole view without erasing it.
    bool repaint = false;
    // Run the zoom dialog, then let the map take the choice (ZoomChosen).
    bool chooseZoom = false;
    // The main window's new title.
    std::optional<QString> title;
};

// The reply of most events: repaint the view without erasing it.
inline MapReply RepaintReply() {
    MapReply reply;
    reply.repaint = true;
    return reply;
}

// A place on the globe in degrees, north and east positive.
struct GeoPosition {
    double latitude = 0.0;
    double longitude = 0.0;
};

// One kind of map the view can show. The map state (state/map_state.h) holds every position; an object of
// this kind holds none, so the view may ask any of them at any time. Points are in view pixels, `view` is the
// size of the view's client area.
class MapKind {
public:
    virtual ~MapKind() = default;

    // Draws the map onto `painter` within `clipBox`.
    virtual MapReply Draw(QPainter& painter, const QRect& clipBox, DrawPurpose purpose) = 0;

    // A key of the view; `keypad` tells the numeric keypad's + and - from the main ones.
    virtual MapReply OnKey(int key, bool keypad, const QSize& view) = 0;

    // A left click.
    virtual MapReply OnClick(const QPoint& point, const QSize& view) = 0;

    // The zoom dialog asked for by a reply has closed, whatever the user chose.
    virtual void ZoomChosen() {}

    // Where on the globe the map shows the view pixel `point`; nothing over the button band or where the map
    // knows no position.
    virtual std::optional<GeoPosition> PositionAt(const QPoint& point) const = 0;
};
