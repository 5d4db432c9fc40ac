#include "atlas/atlas_moves.h"
#include "atlas/level_steps.h"
#include "atlas/trekbuddy.h"
#include "state/map_state.h"

#include <Qt>

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

MapReply CTrekbuddy::OnKey(int key, bool keypad, const QSize& view) {
    const MapReply repaint = RepaintReply();
    switch (key) {
    case Qt::Key_Left:
    case Qt::Key_Up:
    case Qt::Key_Right:
    case Qt::Key_Down:
        MoveAtlasOneTile(key);
        return repaint;
    case Qt::Key_PageUp:
        AtlasPageUp(view.height());
        return repaint;
    case Qt::Key_PageDown:
        AtlasPageDown(view.height());
        return repaint;
    case Qt::Key_Home:
        CentreAtlas();
        return repaint;
    case Qt::Key_End:
        MoveAtlasToEnd();
        return repaint;
    case Qt::Key_Plus:
    case Qt::Key_Minus: {
        if (!keypad)
            return {};
        const LevelStep step = key == Qt::Key_Plus ? AtlasZoomIn() : AtlasZoomOut();
        // A step in leaves the pan image; a step out keeps it.
        if (key == Qt::Key_Plus && g_bPanView == 1)
            g_bPanView = 0;
        MapReply reply = RepaintReply();
        reply.title = step.title;
        return reply;
    }
    case Qt::Key_Escape:
        if (g_bPanView == 1)
            g_bPanView = 0;
        return repaint;
    default:
        return {};
    }
}
