#include "osm/osm_moves.h"

#include "state/map_state.h"

#include <limits>

namespace {

void Step(qint32& position, int delta) {
    if (delta < 0 ? position > std::numeric_limits<qint32>::min()
                  : position < std::numeric_limits<qint32>::max())
        position += delta;
}

} // namespace

void OsmMoveLeft() {
    Step(g_nOsmX, -1);
    if (g_nTbX > 0)
        g_bMoved = 1;
}

void OsmMoveUp() {
    Step(g_nOsmY, -1);
}

void OsmMoveDown() {
    Step(g_nOsmY, 1);
    g_bMoved = 1;
}

void OsmMoveRight() {
    Step(g_nOsmX, 1);
    g_bMoved = 1;
}
