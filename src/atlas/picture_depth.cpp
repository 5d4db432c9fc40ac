#include "atlas/picture_depth.h"

#include <QIODevice>
#include <QImage>
#include <QImageReader>
#include <QtEndian>

namespace {

// A JPEG's header ends long before this; a file whose frame header is not found by then is no tile.
constexpr qint64 kMaxJpegHeaderBytes = qint64(1) << 20;

// Walks the markers to the frame header (SOF0 to SOF15, but not DHT, JPG and DAC, which share the range).
int JpegDepth(const QByteArray& bytes) {
    qsizetype at = 2;
    while (at + 4 <= bytes.size()) {
        if (uchar(bytes[at]) != 0xFF)
            return 0;
        const uchar marker = uchar(bytes[at + 1]);
        if (marker == 0xFF) {
            ++at;
            continue;
        }
        const int length = qFromBigEndian<quint16>(bytes.constData() + at + 2);
        const bool frame =
            marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
        if (frame) {
            if (at + 10 > bytes.size())
                return 0;
            return uchar(bytes[at + 4]) * uchar(bytes[at + 9]);
        }
        if (marker == 0xD9 || marker == 0xDA || length < 2)
            return 0;
        at += 2 + length;
    }
    return 0;
}

// The IHDR chunk follows the signature: width, height, bit depth, colour type.
int PngDepth(const QByteArray& bytes) {
    if (bytes.size() < 26 || bytes.mid(12, 4) != "IHDR")
        return 0;
    const int bitDepth = uchar(bytes[24]);
    switch (uchar(bytes[25])) {
    case 0:
    case 3:
        return bitDepth;
    case 2:
        return bitDepth * 3;
    case 4:
        return bitDepth * 2;
    case 6:
        return bitDepth * 4;
    default:
        return 0;
    }
}

} // namespace

int PictureBitDepth(QIODevice& device) {
    const QByteArray start = device.peek(8);
    if (start.startsWith("\xFF\xD8"))
        return JpegDepth(device.peek(kMaxJpegHeaderBytes));
    if (start == QByteArray("\x89PNG\r\n\x1A\n", 8))
        return PngDepth(device.peek(26));
    const QImage::Format format = QImageReader(&device).imageFormat();
    return format == QImage::Format_Invalid ? 0 : QImage::toPixelFormat(format).bitsPerPixel();
}
