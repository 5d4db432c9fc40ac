#include "atlas/screen_moves.h"

#include "atlas/position_clamp.h"
#include "atlas/tile_count.h"
#include "state/map_state.h"

#include <QWidget>

namespace {

// Moves g_nTbY by as many rows as the map window is high (up: `direction` -1, down: +1).
int PageAtlas(int direction) {
    const int rows = CountTileRows();
    const int clientHeight = g_pMapWnd ? g_pMapWnd->height() : 0;
    // A level with no tile height yet has no rows to page over.
    const qint64 page = g_nTileHeight != 0 ? clientHeight / g_nTileHeight : 0;
    if (g_nTbX < 0)
        g_nTbX = 0;
    g_nTbY = ClampTilePosition(qint64(g_nTbY) + direction * page, rows);
    g_bMoved = 1;
    return 0;
}

} // namespace

int CentreAtlas() {
    g_nTbX = qMax(0, CountTileColumns() / 2 - 1);
    g_nTbY = qMax(0, CountTileRows() / 2 - 1);
    g_bMoved = 1;
    return 0;
}

int AtlasPageUp() {
    return PageAtlas(-1);
}
int AtlasPageDown() {
    return PageAtlas(1);
}
