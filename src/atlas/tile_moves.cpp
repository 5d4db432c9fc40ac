#include "atlas/tile_moves.h"

#include "state/map_state.h"

#include <limits>

namespace {

void Back(qint32& position) {
    if (position > 0) {
        --position;
        g_bMoved = 1;
    }
}

void Forward(qint32& position) {
    if (position < std::numeric_limits<qint32>::max())
        ++position;
    g_bMoved = 1;
}

} // namespace

void MoveAtlasLeft() {
    Back(g_nTbX);
}
void MoveAtlasUp() {
    Back(g_nTbY);
}
void MoveAtlasRight() {
    Forward(g_nTbX);
}
void MoveAtlasDown() {
    Forward(g_nTbY);
}
