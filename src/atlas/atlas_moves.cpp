#include "atlas/atlas_moves.h"

#include "atlas/position_clamp.h"
#include "atlas/tile_count.h"
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

// Moves g_nTbY by as many rows as `clientHeight` holds (up: `direction` -1, down: +1).
int PageAtlas(int direction, int clientHeight) {
    const int rows = CountTileRows();
    // A level with no tile height yet has no rows to page over.
    const qint64 page = g_nTileHeight != 0 ? clientHeight / g_nTileHeight : 0;
    if (g_nTbX < 0)
        g_nTbX = 0;
    g_nTbY = ClampTilePosition(qint64(g_nTbY) + direction * page, rows);
    g_bMoved = 1;
    return 0;
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

int CentreAtlas() {
    g_nTbX = qMax(0, CountTileColumns() / 2 - 1);
    g_nTbY = qMax(0, CountTileRows() / 2 - 1);
    g_bMoved = 1;
    return 0;
}

int AtlasPageUp(int clientHeight) {
    return PageAtlas(-1, clientHeight);
}
int AtlasPageDown(int clientHeight) {
    return PageAtlas(1, clientHeight);
}

void MoveAtlasToEnd() {
    g_nTbX = qMax(0, CountTileColumns() - 3);
    g_nTbY = qMax(0, CountTileRows() - 3);
    g_bMoved = 1;
}
