#pragma once

#include <QImage>
#include <QString>

// Writes `bitmap` to `path` as an uncompressed 32-bit BMP: the 14-byte file header and the 40-byte info
// header, no colour table, then the rows bottom row first, each pixel blue, green, red, 0. An existing file
// is replaced only once the new one is complete. Each failure is shown in a message box; false when no
// complete file was written.
bool writeBMP(const QImage& bitmap, const QString& path);
