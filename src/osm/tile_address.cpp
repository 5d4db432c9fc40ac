#include "osm/tile_address.h"

#include "draw/map_band.h"
#include "state/map_state.h"

#include <algorithm>
#include <limits>

namespace {

QString TileName(qint32 z, qint32 x, qint32 y, QChar separator) {
    return QString::number(z) + separator + QString::number(x) + separator + QString::number(y) +
           QStringLiteral(".png");
}

int ClampToInt(qint64 value) {
    return int(std::clamp<qint64>(value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

} // namespace

QString TilePath(qint32 z, qint32 x, qint32 y) {
    return g_szAtlasFolder + TileName(z, x, y, QLatin1Char('-'));
}

QString TileUrl(qint32 z, qint32 x, qint32 y) {
    return g_wszOsmUrl + TileName(z, x, y, QLatin1Char('/'));
}

QSize TileGrid(const QSize& surface) {
    return {surface.width() / 256 + 1, surface.height() / 256 + 1};
}

QPoint TilePlacement(qint32 x, qint32 y) {
    // Worked in 64 bits: far-off tile numbers must not wrap onto the surface.
    const qint64 left = (qint64(x) - g_nOsmX - g_nTbX) * g_nTileWidth;
    const qint64 top = (qint64(y) - g_nOsmY - g_nTbY) * g_nTileHeight + kBandHeight;
    return {ClampToInt(left), ClampToInt(top)};
}
