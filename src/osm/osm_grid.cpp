#include "osm/osm_grid.h"

#include "state/map_state.h"

#include <limits>

void WalkOsmGrid(qint64 columns, qint64 rows, const std::function<bool(qint32 x, qint32 y)>& visit) {
    constexpr qint64 kLast = std::numeric_limits<qint32>::max();
    for (qint64 y = g_nOsmY; y - g_nOsmY < rows && y <= kLast; ++y) {
        for (qint64 x = g_nOsmX; x - g_nOsmX < columns && x <= kLast; ++x) {
            if (!visit(qint32(x), qint32(y)))
                return;
        }
    }
}
