#include "draw/back_buffer.h"
#include "draw/button_strip.h"
#include "osm/osm_view.h"
#include "state/map_state.h"

#include <cmath>
#include <numbers>

namespace {

// The tile number, with its fraction, of back-buffer pixel `pixel` along one axis: cells are `cell` pixels
// apart from tile `origin` on, each tile 256 pixels. Nothing in a gap between tiles narrower than their
// cells.
std::optional<double> TileAt(qint64 pixel, qint64 origin, qint32 cell) {
    constexpr qint64 kTileSide = 256;
    if (cell <= 0)
        return std::nullopt;
    const qint64 cells = pixel >= 0 ? pixel / cell : -((-pixel + cell - 1) / cell);
    const qint64 inside = pixel - cells * cell;
    if (inside >= kTileSide)
        return std::nullopt;
    return double(origin + cells) + double(inside) / double(kTileSide);
}

} // namespace

// The OSM grid is the spherical Web Mercator pyramid: at zoom z the world is 2^z tiles across and down.
std::optional<GeoPosition> COsmView::PositionAt(const QPoint& point) const {
    if (point.y() < kStripHeight)
        return std::nullopt;
    const QPoint pixel = ShownBufferPixel(point) - QPoint(0, kBandHeight);
    const std::optional<double> x = TileAt(pixel.x(), qint64(g_nOsmX) + g_nTbX, g_nTileWidth);
    const std::optional<double> y = TileAt(pixel.y(), qint64(g_nOsmY) + g_nTbY, g_nTileHeight);
    const double tiles = std::ldexp(1.0, int(std::min(g_nZoom, 1000u)));
    if (!x || !y || *x < 0 || *y < 0 || *x >= tiles || *y >= tiles)
        return std::nullopt;
    const double north = std::numbers::pi * (1.0 - 2.0 * *y / tiles);
    return GeoPosition{.latitude = std::atan(std::sinh(north)) * 180.0 / std::numbers::pi,
                       .longitude = *x / tiles * 360.0 - 180.0};
}
