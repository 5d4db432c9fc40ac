#include "atlas/atlas_click.h"
#include "atlas/level_folder.h"
#include "dialogs/atlas_zoom_dialog.h"
#include "osm/osm_view.h"
#include "state/map_state.h"
#include "view/osm_keys.h"
#include "view/tarnwell_view.h"

#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QWheelEvent>

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
    if (g_nMapType == kMapTypeOsm) {
        if (g_pOsmView && g_pOsmView->OnOsmClick(point))
            Invalidate();
        return;
    }
    if (g_nMapType != kMapTypeTrekbuddy)
        return;
    g_pMapWnd = this;
    if (m_pTrekbuddy) {
        const AtlasClickResult result = OnAtlasClick(point, size());
        if (result.chooseZoom) {
            CAtlasZoom dialog(this);
            dialog.exec();
            LoadLevel();
        }
        ShowLevelTitle(result.title);
    }
    Invalidate();
}

void CTarnwellView::ShowLevelTitle(const std::optional<QString>& title) {
    if (title)
        window()->setWindowTitle(*title);
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

// Each notch of the wheel zooms as the keypad's + (away from the user) or - does; smooth-scrolling wheels and
// touchpads add up their small steps to whole notches.
void CTarnwellView::wheelEvent(QWheelEvent* event) {
    constexpr int kNotch = 120;
    m_wheelAngle += event->angleDelta().y();
    for (; m_wheelAngle >= kNotch; m_wheelAngle -= kNotch)
        OnKeyDown(Qt::Key_Plus, Qt::KeypadModifier);
    for (; m_wheelAngle <= -kNotch; m_wheelAngle += kNotch)
        OnKeyDown(Qt::Key_Minus, Qt::KeypadModifier);
    event->accept();
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
