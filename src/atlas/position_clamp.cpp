#include "atlas/position_clamp.h"

qint32 ClampTilePosition(qint64 position, int count) {
    if (position > count)
        position = qint64(count) - 3;
    if (position < 0)
        position = 0;
    return qint32(position);
}
