#include "output/write_bmp.h"

#include "platform/message_box.h"
#include "platform/part_file.h"

#include <QtEndian>
#include <cstdio>
#include <limits>

namespace {

constexpr int kFileHeaderBytes = 14;
constexpr int kInfoHeaderBytes = 40;
constexpr int kBitCount = 32;

template <typename T> void Put(QByteArray& header, int offset, T value) {
    qToLittleEndian(value, header.data() + offset);
}

// Both headers; `imageBytes` is the size of the pixel array.
QByteArray Headers(const QImage& bitmap, quint32 imageBytes) {
    QByteArray header(kFileHeaderBytes + kInfoHeaderBytes, '\0');
    Put<quint16>(header, 0, 0x4D42);
    Put<quint32>(header, 2, kFileHeaderBytes + kInfoHeaderBytes + imageBytes);
    Put<quint32>(header, 10, kFileHeaderBytes + kInfoHeaderBytes);
    Put<quint32>(header, 14, kInfoHeaderBytes);
    Put<qint32>(header, 18, bitmap.width());
    Put<qint32>(header, 22, bitmap.height());
    Put<quint16>(header, 26, 1);
    Put<quint16>(header, 28, kBitCount);
    Put<quint32>(header, 34, imageBytes);
    return header;
}

// One row as the file stores it; 32-bit rows need no padding.
QByteArray FileRow(const QImage& pixels, int y) {
    const auto* line = reinterpret_cast<const QRgb*>(pixels.constScanLine(y));
    QByteArray row(pixels.width() * 4, '\0');
    for (int x = 0; x < pixels.width(); ++x) {
        row[x * 4] = char(qBlue(line[x]));
        row[x * 4 + 1] = char(qGreen(line[x]));
        row[x * 4 + 2] = char(qRed(line[x]));
    }
    return row;
}

bool Write(std::FILE* file, const QByteArray& bytes) {
    return std::fwrite(bytes.constData(), 1, size_t(bytes.size()), file) == size_t(bytes.size());
}

bool WritePixels(std::FILE* file, const QImage& pixels) {
    for (int y = pixels.height() - 1; y >= 0; --y) {
        if (!Write(file, FileRow(pixels, y)))
            return false;
    }
    return true;
}

} // namespace

bool writeBMP(const QImage& bitmap, const QString& path) {
    if (bitmap.isNull()) {
        ShowMessage(QStringLiteral("Could not retrieve bitmap info"));
        return false;
    }
    const qint64 imageBytes = qint64(bitmap.width()) * bitmap.height() * 4;
    if (imageBytes > std::numeric_limits<quint32>::max() - kFileHeaderBytes - kInfoHeaderBytes) {
        ShowMessage(QStringLiteral("writeBMP::Could not allocate memory"));
        return false;
    }
    const QImage pixels = bitmap.convertToFormat(QImage::Format_RGB32);
    if (pixels.isNull()) {
        ShowMessage(QStringLiteral("writeBMP::GetDIB error"));
        return false;
    }
    // Written aside and renamed over the old file on commit, so a failed write leaves the old file whole.
    PartFile part(path + QStringLiteral(".part"));
    if (!part.File()) {
        ShowMessage(QStringLiteral("Could not create file for writing"));
        return false;
    }
    if (!Write(part.File(), Headers(pixels, quint32(imageBytes))) || !WritePixels(part.File(), pixels)) {
        ShowMessage(QStringLiteral("Could not write into file"));
        return false;
    }
    if (!part.Commit(path)) {
        ShowMessage(QStringLiteral("Could not close file"));
        return false;
    }
    return true;
}
