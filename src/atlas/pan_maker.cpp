#include "atlas/pan_maker.h"

#include "atlas/jpeg_strip_writer.h"
#include "atlas/scaled_picture.h"
#include "platform/part_file.h"
#include "platform/safe_file.h"

#include <QImage>
#include <QThreadPool>
#include <QtConcurrent>
#include <array>
#include <cerrno>
#include <cstring>
#include <new>
#include <numeric>
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

// One tile row of the pan image, packed RGB, black where no tile could be drawn.
class Strip {
public:
    explicit Strip(int width) : m_width(width), m_bytes(size_t(width) * kPanCell * kBytesPerPixel) {}

    void Clear() { std::fill(m_bytes.begin(), m_bytes.end(), 0); }
    const unsigned char* Rows() const { return m_bytes.data(); }

    // Shrinks the tile in `tile` into the cell of `column`; the cell stays black when it cannot be read.
    void DrawCell(int column, const std::optional<FileRange>& tile) {
        if (!tile)
            return;
        const std::unique_ptr<QIODevice> file = OpenRangeSafely(*tile, kMaxTileBytes);
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

QString NoTiles(const QString& levelFolder) {
    return QStringLiteral("No tiles were found in\n%1/set\n\nso no pan.jpg file was made.").arg(levelFolder);
}

QString MemoryFailure(const QString& levelFolder) {
    return QStringLiteral("There is not enough memory to make the pan.jpg file for\n%1.").arg(levelFolder);
}

// Strips being drawn while the running thread encodes an earlier one: with two, a pool thread that finishes
// its share of one strip finds the next one's tiles instead of waiting for the last tile of its strip.
constexpr int kStripsAhead = 2;

// Draws and encodes the image strip by strip: the pool shrinks the tiles of the next strips while the running
// thread encodes the one before.
class PanRun {
public:
    PanRun(const LevelSource& source, const TileLayout& layout, int columns, int rows)
        : m_source(source), m_layout(layout), m_columns(columns),
          m_rows(rows), m_strips{Strip(columns * kPanCell), Strip(columns * kPanCell),
                                 Strip(columns * kPanCell)},
          m_drawn(size_t(qMin(columns, kDrawnLimit / kPanCell))) {
        std::iota(m_drawn.begin(), m_drawn.end(), 0);
        m_pool.setMaxThreadCount(QThread::idealThreadCount());
    }

    ~PanRun() {
        for (QFuture<void>& pending : m_pending)
            pending.waitForFinished();
    }
    PanRun(const PanRun&) = delete;
    PanRun& operator=(const PanRun&) = delete;

    // False as soon as the file fails; `stop` ends the run early, also with false.
    bool Write(PartFile& part, const PanProgress& progress, const std::atomic_bool& stop) {
        JpegStripWriter writer;
        errno = 0;
        if (!writer.Start(part.File(), QSize(m_columns * kPanCell, m_rows * kPanCell)))
            return part.Failed();
        for (int row = 0; row < kStripsAhead && row < m_rows; ++row)
            StartStrip(row);
        for (int row = 0; row < m_rows; ++row) {
            m_pending[Slot(row)].waitForFinished();
            if (stop)
                return false;
            if (row + kStripsAhead < m_rows)
                StartStrip(row + kStripsAhead);
            if (!writer.WriteRows(m_strips[Slot(row)].Rows(), kPanCell))
                return part.Failed();
            progress(1 + (row + 1) * (kPanProgressRange - 2) / m_rows);
        }
        return writer.Finish() || part.Failed();
    }

private:
    static size_t Slot(int row) { return size_t(row % (kStripsAhead + 1)); }

    void StartStrip(int row) {
        Strip& strip = m_strips[Slot(row)];
        strip.Clear();
        if (row * kPanCell >= kDrawnLimit)
            return;
        m_pending[Slot(row)] = QtConcurrent::map(&m_pool, m_drawn, [this, &strip, row](int column) {
            strip.DrawCell(column,
                           m_source.TileFile(m_layout.naming.Name(qint64(column) * m_layout.tile.width(),
                                                                  qint64(row) * m_layout.tile.height())));
        });
    }

    const LevelSource& m_source;
    const TileLayout& m_layout;
    int m_columns;
    int m_rows;
    std::array<Strip, kStripsAhead + 1> m_strips;
    std::vector<int> m_drawn;
    QThreadPool m_pool;
    std::array<QFuture<void>, kStripsAhead + 1> m_pending;
};

QStringList WritePanImage(const LevelSource& source, const TileLayout& layout, const PanProgress& progress,
                          const std::atomic_bool& stop) {
    const QString& levelFolder = source.Folder();
    const int columns = source.Count(layout, true);
    const int rows = source.Count(layout, false);
    std::unique_ptr<PanRun> run;
    try {
        run = std::make_unique<PanRun>(source, layout, columns, rows);
    } catch (const std::bad_alloc&) {
        return {MemoryFailure(levelFolder)};
    }
    PartFile part(source.PanImagePath() + QStringLiteral(".part"));
    if (!part.File())
        return {WriteFailure(levelFolder, part.Error())};
    if (!run->Write(part, progress, stop) || stop)
        return stop ? QStringList() : QStringList{WriteFailure(levelFolder, part.Error())};
    if (!part.Commit(source.PanImagePath()))
        return {WriteFailure(levelFolder, part.Error())};
    return {};
}

} // namespace

PanLevel LookAtPanLevel(const QString& levelFolder) {
    PanLevel level;
    if (levelFolder.isEmpty()) {
        level.warnings << kNoFolder;
        return level;
    }
    level.source = OpenLevelSource(levelFolder);
    level.layout = level.source->Layout();
    if (level.layout && !level.layout->tileReadable)
        level.warnings << kFirstTileUnreadable;
    return level;
}

QStringList MakePanImage(const PanLevel& level, const PanProgress& progress, const std::atomic_bool& stop) {
    if (!level.source)
        return {};
    progress(1);
    if (!level.layout)
        return {NoTiles(level.source->Folder())};
    return WritePanImage(*level.source, *level.layout, progress, stop);
}
