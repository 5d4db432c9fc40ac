#include "draw/tile_pictures.h"

#include "draw/jpeg_decoding.h"
#include "platform/safe_file.h"

#include <QBuffer>
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

// Tiles [first, end) decoded on all cores from one queue and handed out in drawing order. The calling thread
// takes tiles from the queue too while it waits for the next one to draw, so a helper thread that a busy
// machine starts late costs nothing, and drawing a tile overlaps the helpers' decoding of later ones.
class TileDecodeQueue {
public:
    TileDecodeQueue(const std::vector<TilePicture>& tiles, std::size_t first, std::size_t end)
        : m_tiles(tiles), m_first(first), m_end(end), m_next(first), m_images(end - first),
          m_done(std::make_unique<std::atomic_flag[]>(end - first)) {
        static const bool endsWithTheApplication = [] {
            qAddPostRoutine(EndHelperThreads);
            return true;
        }();
        Q_UNUSED(endsWithTheApplication);
        const std::size_t helpers =
            std::min(std::size_t(std::max(QThread::idealThreadCount() - 1, 0)), end - first);
        for (std::size_t i = 0; i < helpers; ++i)
            m_helpers.push_back(QtConcurrent::run([this] {
                while (DecodeNext()) {
                }
            }));
    }

    ~TileDecodeQueue() {
        // Tiles nobody will take are not decoded.
        m_next = m_end;
        for (QFuture<void>& helper : m_helpers)
            helper.waitForFinished();
    }

    TileDecodeQueue(const TileDecodeQueue&) = delete;
    TileDecodeQueue& operator=(const TileDecodeQueue&) = delete;

    // The decoded tile `i`, taken in increasing order.
    QImage Take(std::size_t i) {
        std::atomic_flag& done = m_done[i - m_first];
        while (!done.test(std::memory_order_acquire)) {
            if (!DecodeNext())
                done.wait(false, std::memory_order_acquire);
        }
        return std::move(m_images[i - m_first]);
    }

private:
    // Decodes the next queued tile; false when none is left.
    bool DecodeNext() {
        const std::size_t i = m_next++;
        if (i >= m_end)
            return false;
        m_images[i - m_first] = DecodeTilePicture(m_tiles[i].file);
        m_done[i - m_first].test_and_set(std::memory_order_release);
        m_done[i - m_first].notify_all();
        return true;
    }

    const std::vector<TilePicture>& m_tiles;
    const std::size_t m_first;
    const std::size_t m_end;
    std::atomic<std::size_t> m_next;
    std::vector<QImage> m_images;
    std::unique_ptr<std::atomic_flag[]> m_done;
    std::vector<QFuture<void>> m_helpers;
};

QImage DecodeTilePicture(const FileRange& range) {
    // Read in one go, as the pan maker reads its tiles: no file object and buffered reads per tile.
    std::optional<QByteArray> bytes = ReadRangeSafely(range, kMaxTileBytes);
    if (!bytes)
        return {};
    QBuffer file(&*bytes);
    file.open(QIODevice::ReadOnly);
    if (StartsAsJpeg(file)) {
        QImage image = DecodeJpegTile(file);
        // What libjpeg refuses (a CMYK JPEG, say) is still tried by Qt's reader below.
        if (!image.isNull() || !file.seek(0))
            return image;
    }
    QImageReader reader(&file);
    reader.setAllocationLimit(kMaxTileMegabytes);
    const QSize size = reader.size();
    if (size.isValid() && (size.width() > kMaxTileSide || size.height() > kMaxTileSide))
        return {};
    return reader.read();
}

TileDecoding::TileDecoding(std::vector<TilePicture> tiles) : m_tiles(std::move(tiles)) {
    if (!m_tiles.empty())
        m_queue = std::make_unique<TileDecodeQueue>(m_tiles, 0, std::min(m_tiles.size(), kBatch));
}

TileDecoding::~TileDecoding() = default;

int TileDecoding::Draw(QPainter& painter) {
    int drawn = 0;
    for (std::size_t first = 0; first < m_tiles.size(); first += kBatch) {
        const std::size_t end = std::min(m_tiles.size(), first + kBatch);
        if (!m_queue)
            m_queue = std::make_unique<TileDecodeQueue>(m_tiles, first, end);
        for (std::size_t i = first; i < end; ++i) {
            const QImage image = m_queue->Take(i);
            if (image.isNull())
                continue;
            painter.drawImage(m_tiles[i].at, image);
            ++drawn;
        }
        m_queue.reset();
    }
    return drawn;
}

int DrawTilePictures(QPainter& painter, std::vector<TilePicture> tiles) {
    return TileDecoding(std::move(tiles)).Draw(painter);
}
