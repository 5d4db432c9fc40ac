#include "draw/map_text.h"

#include <QFontMetrics>
#include <QPainter>

void DrawMapText(QPainter& painter, const QPoint& topLeft, const QString& text, const QFont& font) {
    painter.save();
    painter.setFont(font);
    const QFontMetrics metrics = painter.fontMetrics();
    const QRect cell(topLeft, QSize(metrics.horizontalAdvance(text), metrics.height()));
    painter.fillRect(cell, Qt::black);
    painter.setPen(Qt::white);
    painter.drawText(QPoint(topLeft.x(), topLeft.y() + metrics.ascent()), text);
    painter.restore();
}

void DrawMapLines(QPainter& painter, int x, int firstY, int spacing, const QStringList& lines,
                  const QFont& font) {
    int y = firstY;
    for (const QString& line : lines) {
        DrawMapText(painter, QPoint(x, y), line, font);
        y += spacing;
    }
}
