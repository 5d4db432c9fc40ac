#include "view/osm_keys.h"

#include "osm/osm_moves.h"
#include "state/map_state.h"
#include "state/osm_zoom_steps.h"

#include <Qt>

namespace {

struct HomePosition {
    quint32 zoom;
    qint32 x, y;
};

// Where OSM Home puts the view, by zoom. Fixed values, not halvings of the zoom-12 position.
constexpr HomePosition kOsmHome[] = {{3, 3, 2},       {4, 7, 4},       {5, 14, 8},    {6, 29, 19},
                                     {7, 60, 41},     {8, 123, 84},    {9, 251, 169}, {10, 506, 339},
                                     {11, 1016, 681}, {12, 2032, 1362}};

void OsmHome() {
    for (const HomePosition& home : kOsmHome) {
        if (home.zoom == g_nZoom) {
            g_nOsmX = home.x;
            g_nOsmY = home.y;
        }
    }
    g_bMoved = 1;
}

} // namespace

bool OnOsmKey(int key, bool keypad) {
    const bool mapSet = g_pOsmView != nullptr;
    switch (key) {
    case Qt::Key_Left:
        if (mapSet)
            OsmMoveLeft();
        return true;
    case Qt::Key_Up:
    case Qt::Key_PageUp:
        if (mapSet)
            OsmMoveUp();
        return true;
    case Qt::Key_Right:
        if (mapSet)
            OsmMoveRight();
        return true;
    case Qt::Key_Down:
    case Qt::Key_PageDown:
        if (mapSet)
            OsmMoveDown();
        return true;
    case Qt::Key_Home:
        if (mapSet)
            OsmHome();
        return true;
    case Qt::Key_End:
        return true;
    case Qt::Key_Plus:
    case Qt::Key_Minus:
        if (!keypad)
            return false;
        if (mapSet)
            key == Qt::Key_Plus ? OsmZoomIn() : OsmZoomOut();
        return true;
    default:
        return false;
    }
}
