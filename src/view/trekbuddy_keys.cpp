#include "atlas/atlas_moves.h"
#include "atlas/level_steps.h"
#include "state/map_state.h"
#include "view/tarnwell_view.h"

namespace {

void MoveAtlasOneTile(int arrowKey) {
    switch (arrowKey) {
    case Qt::Key_Left:
        return MoveAtlasLeft();
    case Qt::Key_Up:
        return MoveAtlasUp();
    case Qt::Key_Right:
        return MoveAtlasRight();
    default:
        return MoveAtlasDown();
    }
}

} // namespace

// The Trekbuddy key table. Returns whether the key finishes with a repaint.
bool CTarnwellView::OnTrekbuddyKey(int key, bool keypad) {
    const bool mapSet = m_pTrekbuddy != nullptr;
    if (mapSet && (key == Qt::Key_PageUp || key == Qt::Key_PageDown || key == Qt::Key_Home ||
                   key == Qt::Key_End || key == Qt::Key_Escape))
        g_pMapWnd = this;
    switch (key) {
    case Qt::Key_Left:
    case Qt::Key_Up:
    case Qt::Key_Right:
    case Qt::Key_Down:
        if (mapSet)
            MoveAtlasOneTile(key);
        return true;
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        if (mapSet)
            key == Qt::Key_PageUp ? AtlasPageUp(height()) : AtlasPageDown(height());
        return true;
    case Qt::Key_Home:
        if (mapSet)
            CentreAtlas();
        return true;
    case Qt::Key_End:
        if (mapSet)
            MoveAtlasToEnd();
        return true;
    case Qt::Key_Plus:
        if (!keypad || !mapSet)
            return false;
        ShowLevelTitle(AtlasZoomIn().title);
        g_pMapWnd = this;
        if (g_bPanView == 1)
            g_bPanView = 0;
        return true;
    case Qt::Key_Minus:
        if (!keypad)
            return false;
        if (mapSet)
            ShowLevelTitle(AtlasZoomOut().title);
        return true;
    case Qt::Key_Escape:
        if (!mapSet)
            return false;
        if (g_bPanView == 1)
            g_bPanView = 0;
        return true;
    default:
        return false;
    }
}
