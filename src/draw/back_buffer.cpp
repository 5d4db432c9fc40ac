#include "draw/back_buffer.h"

#include "platform/message_box.h"

#include <QPainter>

namespace {

// A picture beyond this is refused outright rather than asked of the allocator: a bogus clip box must not
// take gigabytes (1 GB of RGB32 is far beyond any screen or printed page the map is drawn for).
constexpr qint64 kMaxPixels = qint64(1) << 28;
constexpr int kMaxSide = 1 << 16;

bool Sane(const QSize& size) {
    return size.width() <= kMaxSide && size.height() <= kMaxSide &&
           qint64(size.width()) * size.height() <= kMaxPixels;
}

void ReportNoBuffer() {
    ShowMessage(QStringLiteral("Error could not CreateCompatibleBitmap"));
}

} // namespace

std::optional<QImage> CreateBackBuffer(const QRect& clipBox) {
    QImage buffer = Sane(clipBox.size()) ? QImage(clipBox.size(), QImage::Format_RGB32) : QImage();
    if (buffer.isNull()) {
        ReportNoBuffer();
        return std::nullopt;
    }
    buffer.fill(Qt::black);
    return buffer;
}

bool DrawOffScreen(QPainter& target, const QRect& clipBox,
                   const std::function<void(QPainter&, const QPaintDevice&)>& draw) {
    if (!target.isActive() || !target.device() || clipBox.isEmpty())
        return false;
    if (!Sane(clipBox.size())) {
        ReportNoBuffer();
        return false;
    }
    // A widget's paint is already double-buffered, so the picture is composed right on the target, placed
    // and clipped as a black back buffer copied from its pixel (1, 1) on would be: the last column and row of
    // the clip box stay black. Nothing is allocated, filled and copied a second time.
    target.save();
    target.fillRect(clipBox, Qt::black);
    target.setClipRect(QRect(clipBox.topLeft(), clipBox.size() - QSize(1, 1)), Qt::IntersectClip);
    target.translate(clipBox.topLeft() - ShownBufferPixel(QPoint(0, 0)));
    draw(target, *target.device());
    target.restore();
    return true;
}
