#include "atlas/tile_picture.h"

#include "platform/safe_file.h"

#include <QImage>
#include <QImageReader>
#include <QPainter>

namespace {

// A tile far beyond this is not a tile of a map level: it is skipped before anything is decoded, so a bogus
// file cannot make a paint take gigabytes.
constexpr int kMaxTileSide = 4096;
constexpr int kMaxTileMegabytes = int(kMaxTileBytes >> 20);

} // namespace

QImage ReadTilePicture(const QString& path) {
    const std::unique_ptr<QFile> file = OpenFileSafely(path, kMaxTileBytes);
    if (!file)
        return {};
    QImageReader reader(file.get());
    reader.setAllocationLimit(kMaxTileMegabytes);
    const QSize size = reader.size();
    if (size.isValid() && (size.width() > kMaxTileSide || size.height() > kMaxTileSide))
        return {};
    return reader.read();
}

bool DrawTilePicture(QPainter& painter, const QPoint& at, const QString& path) {
    const QImage tile = ReadTilePicture(path);
    if (tile.isNull())
        return false;
    painter.drawImage(at, tile);
    return true;
}
