#include "osm/osm_moves.h"
#include "osm/osm_view.h"
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

MapReply COsmView::OnKey(int key, bool keypad, const QSize&) {
    switch (key) {
    case Qt::Key_Left:
        OsmMoveLeft();
        break;
    case Qt::Key_Up:
    case Qt::Key_PageUp:
        OsmMoveUp();
        break;
    case Qt::Key_Right:
        OsmMoveRight();
        break;
    case Qt::Key_Down:
    case Qt::Key_PageDown:
        OsmMoveDown();
        break;
    case Qt::Key_Home:
        OsmHome();
        break;
    case Qt::Key_End:
        break;
    case Qt::Key_Plus:
    case Qt::Key_Minus:
        if (!keypad)
            return {};
        key == Qt::Key_Plus ? OsmZoomIn() : OsmZoomOut();
        break;
    default:
        return {};
    }
    return RepaintReply();
}
