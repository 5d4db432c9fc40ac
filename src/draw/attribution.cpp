#include "draw/attribution.h"

#include <QFontMetrics>
#include <QPainter>

namespace {

const QColor kBox(255, 255, 255, 190);
const QColor kText(40, 40, 40);

} // namespace

QRect DrawAttribution(QPainter& painter, const QRect& area, const QString& text) {
    if (text.isEmpty() || !painter.isActive() || !painter.device())
        return {};
    // About a tenth of an inch high, as credits on web maps are.
    const int dpi = painter.device()->logicalDpiY();
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(qMax(8, dpi / 9));
    const QFontMetrics metrics(font, painter.device());
    const int padding = qMax(2, dpi / 32);
    QRect box(QPoint(0, 0),
              QSize(metrics.horizontalAdvance(text), metrics.height()) + QSize(2 * padding, 2 * padding));
    box.moveBottomRight(area.bottomRight());
    painter.save();
    painter.fillRect(box, kBox);
    painter.setFont(font);
    painter.setPen(kText);
    painter.drawText(box, Qt::AlignCenter, text);
    painter.restore();
    return box;
}
