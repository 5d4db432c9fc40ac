#include "draw/back_buffer.h"

#include "platform/message_box.h"

#include <QPainter>

namespace {

// A picture beyond this is refused outright rather than asked of the allocator: a bogus clip box must not
// take gigabytes (1 GB of RGB32 is far beyond any screen or printed page the map is drawn for).
constexpr qint64 kMaxPixels = qint64(1) << 28;
constexpr int kMaxSide = 1 << 16;

} // namespace

std::optional<QImage> CreateBackBuffer(const QRect& clipBox) {
    const int width = clipBox.width();
    const int height = clipBox.height();
    const bool sane = width <= kMaxSide && height <= kMaxSide && qint64(width) * height <= kMaxPixels;
    QImage buffer = sane ? QImage(width, height, QImage::Format_RGB32) : QImage();
    if (buffer.isNull()) {
        ShowMessage(QStringLiteral("Error could not CreateCompatibleBitmap"));
        return std::nullopt;
    }
    buffer.fill(Qt::black);
    return buffer;
}

void CopyBackBuffer(QPainter& target, const QRect& clipBox, const QImage& buffer) {
    const int width = clipBox.width();
    const int height = clipBox.height();
    // Qt reads an empty source size as "the rest of the picture", so a one-pixel box gets only the black
    // edge.
    if (width > 1 && height > 1)
        target.drawImage(clipBox.topLeft(), buffer,
                         QRect(ShownBufferPixel(QPoint(0, 0)), QSize(width - 1, height - 1)));
    target.fillRect(QRect(clipBox.left() + width - 1, clipBox.top(), 1, height), Qt::black);
    target.fillRect(QRect(clipBox.left(), clipBox.top() + height - 1, width - 1, 1), Qt::black);
}

bool DrawOffScreen(QPainter& target, const QRect& clipBox,
                   const std::function<void(QPainter&, const QPaintDevice&)>& draw) {
    if (!target.isActive() || !target.device() || clipBox.isEmpty())
        return false;
    std::optional<QImage> buffer = CreateBackBuffer(clipBox);
    if (!buffer)
        return false;
    {
        QPainter painter(&*buffer);
        draw(painter, *target.device());
    }
    CopyBackBuffer(target, clipBox, *buffer);
    return true;
}
