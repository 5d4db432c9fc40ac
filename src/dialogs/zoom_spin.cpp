#include "dialogs/zoom_spin.h"

#include <QKeyEvent>
#include <QToolButton>
#include <QVBoxLayout>

CZoomSpin::CZoomSpin(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("zoomSpin"));
    // The control itself takes the focus, so that the arrow keys reach it.
    setFocusPolicy(Qt::StrongFocus);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    connect(AddArrow(Qt::UpArrow, QStringLiteral("zoomUp")), &QToolButton::clicked, this,
            &CZoomSpin::SteppedUp);
    connect(AddArrow(Qt::DownArrow, QStringLiteral("zoomDown")), &QToolButton::clicked, this,
            &CZoomSpin::SteppedDown);
}

QToolButton* CZoomSpin::AddArrow(Qt::ArrowType arrow, const QString& name) {
    auto* button = new QToolButton(this);
    button->setObjectName(name);
    button->setArrowType(arrow);
    button->setAutoRepeat(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setFixedSize(22, 12);
    layout()->addWidget(button);
    return button;
}

void CZoomSpin::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Up)
        emit SteppedUp();
    else if (event->key() == Qt::Key_Down)
        emit SteppedDown();
    else
        QWidget::keyPressEvent(event);
}
