#pragma once

#include <QWidget>

class QToolButton;

// A bare up-down control: two arrow buttons and the Up and Down keys, with no value of its own. The zoom
// dialog decides what a step means.
class CZoomSpin : public QWidget {
    Q_OBJECT
public:
    explicit CZoomSpin(QWidget* parent = nullptr);

signals:
    void SteppedUp();
    void SteppedDown();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QToolButton* AddArrow(Qt::ArrowType arrow, const QString& name);
};
