#include "atlas/pan_maker.h"

#include "atlas/jpeg_strip_writer.h"
#include "atlas/scaled_picture.h"
#include "atlas/tile_count.h"
#include "platform/find_first.h"
#include "platform/safe_file.h"

#include <QDirIterator>
#include <QImage>
#include <QThreadPool>
#include <QtConcurrent>
#include <array>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <new>
#include <numeric>
#include <unistd.h>
#include <vector>

namespace {

// Cells are drawn only while their corner lies below this many pixels: at most 400 columns and rows.
constexpr int kDrawnLimit = 32000;
constexpr int kBytesPerPixel = 3;

const QString kNoFolder = QStringLiteral(
    "Unable to find a tile sub folder for the current zoom level.\n\nCheck that the default Trekbuddy atlas "
    "folder is set\nto a proper folder name and that a subfolder exists for the current zoom level.");
const QString kFirstTileUnreadable = QStringLiteral(
    "Unable to find a image with the name t_0_0.jpg\nin the set folder for the current zoom level.\n\nCheck "
    "that the default Trekbuddy atlas folder is set\nto a proper folder name and that a image with the name "
    "t_0_0.jpg\nexists in the set folder of the subfolder for the current zoom level.");

// How the level's tiles are named and how large they are.
struct TileNaming {
    QString set;
    QString prefix = QStringLiteral("t_");
    QString extension = QStringLiteral(".jpg");
    QSize tile{256, 256};
    bool found = false;

    QString TilePath(int column, int row) const {
        return QStringLiteral("%1/%2%3_%4%5")
            .arg(set, prefix)
            .arg(qint64(column) * tile.width())
            .arg(qint64(row) * tile.height())
            .arg(extension);
    }
};

// The first entry of `set` named like a level's first tile, read entry by entry in the folder's own order:
// the folder of a huge level is never held in memory whole.
std::optional<QString> FirstTileName(const QString& set) {
    QDirIterator entries(set, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    while (entries.hasNext()) {
        const QString name = entries.next().section(QLatin1Char('/'), -1);
        if (WildcardMatch(QStringLiteral("*_0_0.*"), name))
            return name;
    }
    return std::nullopt;
}

TileNaming FindNaming(const QString& levelFolder, QStringList& messages) {
    TileNaming naming;
    naming.set = levelFolder + QStringLiteral("/set");
    const std::optional<QString> first = FirstTileName(naming.set);
    if (!first)
        return naming;
    const qsizetype at = first->indexOf(QStringLiteral("0_0."));
    naming.prefix = first->left(at);
    naming.extension = first->mid(at + 3);
    naming.found = true;
    const QSize size = SafeImageSize(naming.set + QLatin1Char('/') + *first, kMaxTileBytes);
    if (size.isValid() && !size.isEmpty())
        naming.tile = size;
    else
        messages << kFirstTileUnreadable;
    return naming;
}

int Count(const TileNaming& naming, bool columns) {
    if (!naming.found)
        return 0;
    return CountNamedTiles(naming.set, naming.prefix, naming.extension,
                           columns ? naming.tile.width() : naming.tile.height(), columns);
}

// One tile row of the pan image, packed RGB, black where no tile could be drawn.
class Strip {
public:
    explicit Strip(int width) : m_width(width), m_bytes(size_t(width) * kPanCell * kBytesPerPixel) {}

    void Clear() { std::fill(m_bytes.begin(), m_bytes.end(), 0); }
    const unsigned char* Rows() const { return m_bytes.data(); }

    // Shrinks the tile at `path` into the cell of `column`; the cell stays black when it cannot be read.
    void DrawCell(int column, const QString& path) {
        const std::unique_ptr<QFile> file = OpenFileSafely(path, kMaxTileBytes);
        if (!file)
            return;
        const QImage cell = ReadScaledPicture(*file, QSize(kPanCell, kPanCell));
        if (cell.isNull())
            return;
        for (int y = 0; y < kPanCell; ++y)
            std::memcpy(&m_bytes[(size_t(y) * size_t(m_width) + size_t(column) * kPanCell) * kBytesPerPixel],
                        cell.constScanLine(y), size_t(kPanCell) * kBytesPerPixel);
    }

private:
    int m_width;
    std::vector<unsigned char> m_bytes;
};

QString WriteFailure(const QString& levelFolder, int error) {
    return QStringLiteral("The pan.jpg file could not be written in\n%1\n\n%2.")
        .arg(levelFolder, QString::fromLocal8Bit(std::strerror(error)));
}

QString MemoryFailure(const QString& levelFolder) {
    return QStringLiteral("There is not enough memory to make the pan.jpg file for\n%1.").arg(levelFolder);
}

// The open temporary file beside pan.jpg, closed (and removed unless kept) when the run ends.
class PartFile {
public:
    explicit PartFile(const QString& path) : m_path(QFile::encodeName(path)) {
        const int fd =
            ::open(m_path.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0644);
        if (fd >= 0 && !(m_file = ::fdopen(fd, "wb")))
            ::close(fd);
        m_error = m_file ? 0 : errno;
    }
    ~PartFile() {
        if (m_file)
            std::fclose(m_file);
        if (!m_kept)
            ::unlink(m_path.constData());
    }
    PartFile(const PartFile&) = delete;
    PartFile& operator=(const PartFile&) = delete;

    std::FILE* File() const { return m_file; }
    int Error() const { return m_error; }

    // Records the file's error, or errno when it has none; returns false for use in a failed step.
    bool Failed() {
        m_error = errno != 0 ? errno : EIO;
        return false;
    }

    // Flushes everything to the disk and puts the file in the place of `target`.
    bool Commit(const QString& target) {
        errno = 0;
        const bool written = std::fflush(m_file) == 0 && ::fsync(::fileno(m_file)) == 0;
        const bool closed = std::fclose(m_file) == 0;
        m_file = nullptr;
        if (!written || !closed)
            return Failed();
        if (::rename(m_path.constData(), QFile::encodeName(target).constData()) != 0)
            return Failed();
        m_kept = true;
        return true;
    }

private:
    QByteArray m_path;
    std::FILE* m_file = nullptr;
    int m_error = 0;
    bool m_kept = false;
};

// Draws and encodes the image strip by strip: the pool shrinks the tiles of the next strip while the running
// thread encodes the last one.
class PanRun {
public:
    PanRun(const TileNaming& naming, int columns, int rows)
        : m_naming(naming), m_columns(columns),
          m_rows(rows), m_strips{Strip(columns * kPanCell), Strip(columns * kPanCell)},
          m_drawn(size_t(qMin(columns, kDrawnLimit / kPanCell))) {
        std::iota(m_drawn.begin(), m_drawn.end(), 0);
        m_pool.setMaxThreadCount(QThread::idealThreadCount());
    }

    ~PanRun() { m_pending.waitForFinished(); }
    PanRun(const PanRun&) = delete;
    PanRun& operator=(const PanRun&) = delete;

    // False as soon as the file fails; `stop` ends the run early, also with false.
    bool Write(PartFile& part, const PanProgress& progress, const std::atomic_bool& stop) {
        JpegStripWriter writer;
        errno = 0;
        if (!writer.Start(part.File(), QSize(m_columns * kPanCell, m_rows * kPanCell)))
            return part.Failed();
        StartStrip(0);
        for (int row = 0; row < m_rows; ++row) {
            m_pending.waitForFinished();
            if (stop)
                return false;
            if (row + 1 < m_rows)
                StartStrip(row + 1);
            if (!writer.WriteRows(m_strips[size_t(row % 2)].Rows(), kPanCell))
                return part.Failed();
            progress(1 + (row + 1) * (kPanProgressRange - 2) / m_rows);
        }
        return writer.Finish() || part.Failed();
    }

private:
    void StartStrip(int row) {
        Strip& strip = m_strips[size_t(row % 2)];
        strip.Clear();
        if (row * kPanCell >= kDrawnLimit)
            return;
        m_pending = QtConcurrent::map(&m_pool, m_drawn, [this, &strip, row](int column) {
            strip.DrawCell(column, m_naming.TilePath(column, row));
        });
    }

    const TileNaming& m_naming;
    int m_columns;
    int m_rows;
    std::array<Strip, 2> m_strips;
    std::vector<int> m_drawn;
    QThreadPool m_pool;
    QFuture<void> m_pending;
};

QStringList WritePanImage(const QString& levelFolder, const TileNaming& naming, const PanProgress& progress,
                          const std::atomic_bool& stop) {
    const int columns = Count(naming, true);
    const int rows = Count(naming, false);
    if (columns == 0 || rows == 0)
        return {QStringLiteral("No tiles were found in\n%1/set\n\nso no pan.jpg file was made.")
                    .arg(levelFolder)};
    std::unique_ptr<PanRun> run;
    try {
        run = std::make_unique<PanRun>(naming, columns, rows);
    } catch (const std::bad_alloc&) {
        return {MemoryFailure(levelFolder)};
    }
    PartFile part(levelFolder + QStringLiteral("/pan.jpg.part"));
    if (!part.File())
        return {WriteFailure(levelFolder, part.Error())};
    if (!run->Write(part, progress, stop) || stop)
        return stop ? QStringList() : QStringList{WriteFailure(levelFolder, part.Error())};
    if (!part.Commit(levelFolder + QStringLiteral("/pan.jpg")))
        return {WriteFailure(levelFolder, part.Error())};
    return {};
}

} // namespace

QStringList MakePanImage(const QString& levelFolder, const PanProgress& progress,
                         const std::atomic_bool& stop) {
    if (levelFolder.isEmpty())
        return {kNoFolder};
    QStringList messages;
    const TileNaming naming = FindNaming(levelFolder, messages);
    progress(1);
    messages << WritePanImage(levelFolder, naming, progress, stop);
    return messages;
}
