#include "draw/tile_pictures.h"

#include "platform/safe_file.h"

#include <QImageReader>
#include <QPainter>
#include <QtConcurrent>
#include <algorithm>

namespace {

// A tile far beyond this is not a map tile: it is skipped before anything is decoded, so a bogus file
// cannot make a paint take gigabytes.
constexpr int kMaxTileSide = 4096;
constexpr int kMaxTileMegabytes = int(kMaxTileBytes >> 20);

// Tiles decoded ahead of drawing at a time: enough to keep every core busy, few enough that a page-sized
// print does not hold hundreds of decoded tiles at once.
constexpr std::size_t kBatch = 64;

} // namespace

QImage DecodeTilePicture(const QString& path) {
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

int DrawTilePictures(QPainter& painter, const std::vector<TilePicture>& tiles) {
    int drawn = 0;
    for (std::size_t first = 0; first < tiles.size(); first += kBatch) {
        const std::size_t end = std::min(tiles.size(), first + kBatch);
        const std::vector<TilePicture> batch(tiles.begin() + qsizetype(first),
                                             tiles.begin() + qsizetype(end));
        const QList<QImage> images = QtConcurrent::blockingMapped<QList<QImage>>(
            batch, [](const TilePicture& tile) { return DecodeTilePicture(tile.path); });
        for (qsizetype i = 0; i < images.size(); ++i) {
            if (images[i].isNull())
                continue;
            painter.drawImage(batch[std::size_t(i)].at, images[i]);
            ++drawn;
        }
    }
    return drawn;
}
