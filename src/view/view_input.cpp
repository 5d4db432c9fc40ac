#include "atlas/atlas_click.h"
#include "atlas/level_steps.h"
#include "atlas/screen_moves.h"
#include "atlas/tile_count.h"
#include "atlas/tile_moves.h"
#include "state/map_state.h"
#include "state/osm_zoom_steps.h"
#include "view/tarnwell_view.h"

#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>

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

int AtLeastZero(int value) {
    return value < 0 ? 0 : value;
}

// Every key of the OSM table repaints, with or without the map object; false for keys not in it.
bool OnOsmKey(int key, bool keypad) {
    const bool mapSet = g_pOsmView != nullptr;
    switch (key) {
    case Qt::Key_Left:
        if (mapSet) {
            --g_nOsmX;
            if (g_nTbX > 0)
                g_bMoved = 1;
        }
        return true;
    case Qt::Key_Up:
    case Qt::Key_PageUp:
        if (mapSet)
            --g_nOsmY;
        return true;
    case Qt::Key_Right:
        if (mapSet) {
            ++g_nOsmX;
            g_bMoved = 1;
        }
        return true;
    case Qt::Key_Down:
    case Qt::Key_PageDown:
        if (mapSet) {
            ++g_nOsmY;
            g_bMoved = 1;
        }
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
            key == Qt::Key_PageUp ? AtlasPageUp() : AtlasPageDown();
        return true;
    case Qt::Key_Home:
        if (mapSet)
            CentreAtlas();
        return true;
    case Qt::Key_End:
        if (mapSet) {
            g_nTbX = AtLeastZero(CountTileColumns() - 3);
            g_nTbY = AtLeastZero(CountTileRows() - 3);
            g_bMoved = 1;
        }
        return true;
    case Qt::Key_Plus:
        if (!keypad || !mapSet)
            return false;
        AtlasZoomIn();
        g_pMapWnd = this;
        if (g_bPanView == 1)
            g_bPanView = 0;
        return true;
    case Qt::Key_Minus:
        if (!keypad)
            return false;
        if (mapSet)
            AtlasZoomOut();
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

void CTarnwellView::OnKeyDown(int key, Qt::KeyboardModifiers modifiers) {
    const bool keypad = modifiers.testFlag(Qt::KeypadModifier);
    bool repaint = false;
    if (g_nMapType == kMapTypeTrekbuddy)
        repaint = OnTrekbuddyKey(key, keypad);
    else if (g_nMapType == kMapTypeOsm)
        repaint = OnOsmKey(key, keypad);
    if (repaint)
        Invalidate();
}

void CTarnwellView::keyPressEvent(QKeyEvent* event) {
    OnKeyDown(event->key(), event->modifiers());
    QWidget::keyPressEvent(event);
}

bool CTarnwellView::HasVisibleArea() const {
    return isVisible() && !visibleRegion().isEmpty();
}

void CTarnwellView::OnLButtonDown(const QPoint& point) {
    if (!HasVisibleArea())
        return;
    if (g_nMapType == kMapTypeTrekbuddy)
        OnAtlasClick(this, point);
}

void CTarnwellView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        OnLButtonDown(event->position().toPoint());
    QWidget::mousePressEvent(event);
}

void CTarnwellView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton)
        ShowContextMenu(event->globalPosition().toPoint());
    QWidget::mouseReleaseEvent(event);
}

void CTarnwellView::contextMenuEvent(QContextMenuEvent* event) {
    // The mouse opens the menu when the right button comes up; the keyboard's menu key opens it here.
    if (event->reason() != QContextMenuEvent::Mouse)
        ShowContextMenu(event->globalPos());
}

void CTarnwellView::ShowContextMenu(const QPoint& globalPoint) {
    if (m_contextMenu)
        m_contextMenu->popup(globalPoint);
}
