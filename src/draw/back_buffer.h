#pragma once

#include <QImage>
#include <QRect>
#include <functional>
#include <optional>

class QPainter;
class QPaintDevice;

// The off-screen picture a map is composed in: black, the size of the target's clip box. When it cannot be
// made the user is told ("Error could not CreateCompatibleBitmap") and nothing is returned.
std::optional<QImage> CreateBackBuffer(const QRect& clipBox);

// The back-buffer pixel the target shows at `point` (relative to the clip box's corner): the picture goes
// onto the target from its pixel (1, 1) on.
inline QPoint ShownBufferPixel(const QPoint& point) {
    return point + QPoint(1, 1);
}

// The whole off-screen round: `draw` composes a picture of the clip box, given the target's device for its
// resolution, and the picture goes onto `target` from its pixel (1, 1) on; the last column and row of the
// clip box, which the picture does not reach, are black. False when the target is not drawable or has an
// empty clip box, or when the clip box is beyond any back buffer (the user is told, as above).
bool DrawOffScreen(QPainter& target, const QRect& clipBox,
                   const std::function<void(QPainter&, const QPaintDevice&)>& draw);
