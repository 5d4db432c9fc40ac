#pragma once

#include <QImage>
#include <QRect>
#include <optional>

class QPainter;

// The off-screen picture a map is composed in: black, the size of the target's clip box. When it cannot be
// made the user is told ("Error could not CreateCompatibleBitmap") and nothing is returned.
std::optional<QImage> CreateBackBuffer(const QRect& clipBox);

// Puts the composed picture onto `target` at the clip box, taken from its pixel (1, 1) on; the last column
// and row of the clip box, which the picture does not reach, are black.
void CopyBackBuffer(QPainter& target, const QRect& clipBox, const QImage& buffer);
