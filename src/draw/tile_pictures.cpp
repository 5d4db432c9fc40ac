#include "draw/tile_pictures.h"

#include "draw/jpeg_decoding.h"
#include "platform/safe_file.h"

#include <QImageReader>
#include <QPainter>
#include <QThreadPool>
#include <QtConcurrent>
#include <algorithm>
#include <atomic>

namespace {

// A tile far beyond this is not a map tile: it is skipped before anything is decoded, so a bogus file
// cannot make a paint take gigabytes.
constexpr int kMaxTileSide = 4096;
constexpr int kMaxTileMegabytes = int(kMaxTileBytes >> 20);

// Tiles decoded ahead of drawing at a time: enough to keep every core busy, few enough that a page-sized
// print does not hold hundreds of decoded tiles at once.
constexpr std::size_t kBatch = 64;

// Runs while the application object is destroyed: the pool's idle helpers would otherwise still be ending
// while the process exits, which LeakSanitizer's end-of-run check does not survive.
void EndHelperThreads() {
    QThreadPool::globalInstance()->waitForDone();
}

// Decodes tiles [first, end) on all cores. The calling thread takes tiles too, from the same queue, so a
// helper thread that a busy machine starts late costs nothing: the caller then simply decodes the rest.
std::vector<QImage> DecodeBatch(const std::vector<TilePicture>& tiles, std::size_t first, std::size_t end) {
    std::vector<QImage> images(end - first);
    std::atomic<std::size_t> next{first};
    const auto work = [&] {
        for (std::size_t i = next++; i < end; i = next++)
            images[i - first] = DecodeTilePicture(tiles[i].path);
    };
    const std::size_t helpers =
        std::min(std::size_t(std::max(QThread::idealThreadCount() - 1, 0)), end - first);
    static const bool endsWithTheApplication = [] {
        qAddPostRoutine(EndHelperThreads);
        return true;
    }();
    Q_UNUSED(endsWithTheApplication);
    std::vector<QFuture<void>> running;
    for (std::size_t i = 0; i < helpers; ++i)
        running.push_back(QtConcurrent::run(work));
    work();
    for (QFuture<void>& helper : running)
        helper.waitForFinished();
    return images;
}

// libjpeg writes decoded rows in a QRgb's byte order, opaque, so they land in the tile's image as they are.
constexpr J_COLOR_SPACE kQRgbLayout = Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? JCS_EXT_BGRA : JCS_EXT_ARGB;

// A JPEG tile decoded by libjpeg straight into its image, with no copy or conversion of its rows, which is
// most of a paint's work; null when libjpeg cannot decode it.
QImage DecodeJpegTile(QIODevice& device) {
    JpegDecoding decoding(device);
    if (!decoding.ReadHeader())
        return {};
    jpeg_decompress_struct& info = decoding.Info();
    const QSize size(int(info.image_width), int(info.image_height));
    if (size.width() > kMaxTileSide || size.height() > kMaxTileSide)
        return {};
    info.out_color_space = kQRgbLayout;
    QImage image(size, QImage::Format_RGB32);
    if (image.isNull() || !decoding.Start())
        return {};
    for (int y = 0; y < size.height(); ++y) {
        if (!decoding.ReadRow(image.scanLine(y)))
            return {};
    }
    return decoding.Finish() ? image : QImage();
}

} // namespace

QImage DecodeTilePicture(const QString& path) {
    const std::unique_ptr<QFile> file = OpenFileSafely(path, kMaxTileBytes);
    if (!file)
        return {};
    if (StartsAsJpeg(*file)) {
        QImage image = DecodeJpegTile(*file);
        // What libjpeg refuses (a CMYK JPEG, say) is still tried by Qt's reader below.
        if (!image.isNull() || !file->seek(0))
            return image;
    }
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
        const std::vector<QImage> images = DecodeBatch(tiles, first, end);
        for (std::size_t i = first; i < end; ++i) {
            if (images[i - first].isNull())
                continue;
            painter.drawImage(tiles[i].at, images[i - first]);
            ++drawn;
        }
    }
    return drawn;
}
