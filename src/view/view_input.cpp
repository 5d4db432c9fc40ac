#include "draw/map_kind.h"
#include "draw/status_text.h"
#include "view/tarnwell_view.h"

#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QWheelEvent>

void CTarnwellView::OnKeyDown(int key, Qt::KeyboardModifiers modifiers) {
    if (MapKind* map = CurrentMap())
        Follow(map->OnKey(key, modifiers.testFlag(Qt::KeypadModifier), size()));
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
    if (MapKind* map = CurrentMap())
        Follow(map->OnClick(point, size()));
}

void CTarnwellView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        OnLButtonDown(event->position().toPoint());
    QWidget::mousePressEvent(event);
}

void CTarnwellView::mouseMoveEvent(QMouseEvent* event) {
    m_pointer = event->position().toPoint();
    ShowPointerPosition();
    QWidget::mouseMoveEvent(event);
}

void CTarnwellView::leaveEvent(QEvent* event) {
    m_pointer.reset();
    ShowPointerPosition();
    QWidget::leaveEvent(event);
}

void CTarnwellView::ShowPointerPosition() {
    MapKind* map = CurrentMap();
    const std::optional<GeoPosition> position = map && m_pointer ? map->PositionAt(*m_pointer) : std::nullopt;
    emit PointerPositionChanged(position ? PositionText(*position) : QString());
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
