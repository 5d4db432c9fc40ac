#pragma once

#include <QRect>
#include <QString>

class QPainter;

// Draws `text` small in the bottom-right corner of `area` on a light translucent box, over whatever lies
// there, sized for the resolution of the painter's device. Returns the box; an empty text draws nothing.
QRect DrawAttribution(QPainter& painter, const QRect& area, const QString& text);
