#pragma once

#include <QRect>

class QPainter;

// Paints the level's overview image pan.jpg scaled to the view, or a note that there is none. Returns 0 after
// painting, -1 when nothing could be painted.
int DrawPanImage(QPainter& target, const QRect& clipBox);
