#pragma once

#include <QImage>
#include <QSize>

class QIODevice;

// Decodes the picture in `device` straight to `target` pixels (RGB888). A JPEG is decoded with the codec's
// own reduced-size decoding and averaged down row by row, so memory stays near one output image however large
// the picture is; other formats go through Qt's reader. A null image when the picture cannot be decoded.
QImage ReadScaledPicture(QIODevice& device, const QSize& target);
