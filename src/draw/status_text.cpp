#include "draw/status_text.h"

#include "draw/map_kind.h"

#include <cmath>

namespace {

// The C library prints a NaN with its sign ("-nan"); the map shows one spelling whatever the sign.
QString Coordinate(float value) {
    if (std::isnan(value))
        return QStringLiteral("nan");
    if (std::isinf(value))
        return value < 0 ? QStringLiteral("-inf") : QStringLiteral("inf");
    return QString::asprintf("%f", double(value));
}

} // namespace

QString TileStatusText(qint32 x, qint32 y, float lat, float lon) {
    return QString::asprintf("Tile  X %d, Y %d, ", int(x), int(y)) + Coordinate(lat) + QStringLiteral("   ") +
           Coordinate(lon);
}

QString PositionText(const GeoPosition& position) {
    return QString::asprintf("%.5f %c  %.5f %c", std::abs(position.latitude),
                             position.latitude < 0 ? 'S' : 'N', std::abs(position.longitude),
                             position.longitude < 0 ? 'W' : 'E');
}
