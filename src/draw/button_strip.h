#pragma once

#include "draw/map_band.h"

#include <QPoint>
#include <array>
#include <optional>

class QPainter;

// The strip's pictures are one pixel row shorter than the band; clicks count on their rows only.
inline constexpr int kStripHeight = kBandHeight - 1;

// What a button of the strip asks its map for.
enum class StripAction { Zoom, ZoomIn, ZoomOut, Pan, Left, Up, Down, Right };

// One button: its picture drawn at its own size with its top-left corner at (x, 0), and the click range
// left < x < right that acts on it.
struct StripButton {
    const char* picture;
    int x;
    int left;
    int right;
    StripAction action;
};

// The strip both maps draw and click, in drawing order. The click ranges do not overlap, so the order in
// which a click is matched against them does not matter.
inline constexpr std::array<StripButton, 8> kButtonStrip{{
    {":/strip_zoom.png", 0, 1, 78, StripAction::Zoom},
    {":/strip_zoom_in.png", 130, 126, 158, StripAction::ZoomIn},
    {":/strip_zoom_out.png", 164, 159, 192, StripAction::ZoomOut},
    {":/strip_pan.png", 220, 218, 271, StripAction::Pan},
    {":/strip_left.png", 278, 278, 310, StripAction::Left},
    {":/strip_up.png", 310, 310, 342, StripAction::Up},
    {":/strip_down.png", 342, 342, 374, StripAction::Down},
    {":/strip_right.png", 374, 374, 406, StripAction::Right},
}};

// Draws the strip's pictures along the top of `painter`'s surface.
void DrawButtonStrip(QPainter& painter);

// The button a click at `point` (view pixels) hits, if any.
std::optional<StripAction> StripButtonAt(const QPoint& point);

// How one map moves for the strip's arrows.
struct StripMoves {
    void (*left)();
    void (*up)();
    void (*down)();
    void (*right)();
};

// Moves the map for an arrow, or asks for the pan image for Pan; false for the zoom buttons, which each map
// answers in its own way.
bool MoveOnStrip(StripAction action, const StripMoves& moves);
