#include "atlas/position_clamp.h"

#include <cmath>
#include <limits>

qint32 ClampTilePosition(qint64 position, int count) {
    if (position > count)
        position = qint64(count) - 3;
    if (position < 0)
        position = 0;
    return qint32(position);
}

qint32 TruncateToTile(float value) {
    if (!std::isfinite(value))
        return 0;
    if (value >= 2147483648.0f)
        return std::numeric_limits<qint32>::max();
    if (value <= -2147483648.0f)
        return std::numeric_limits<qint32>::min();
    return qint32(value);
}
