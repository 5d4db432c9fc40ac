#include "atlas/calibration.h"
#include "atlas/level_steps.h"
#include "atlas/pan_maker.h"
#include "atlas/tile_count.h"
#include "solid_level.h"
#include "tar_writer.h"

#include <QBuffer>
#include <QImageReader>

using namespace SolidLevel;

namespace {

const AtlasBuilder::Corners kCorners{.north = 52, .south = 51, .west = 1, .east = 0};

QString LevelPath(quint32 zoom) {
    return Folder() + QStringLiteral("/Alps ") + ZoomSuffix(zoom);
}

QByteArray Calibration(int columns, int rows, QSize size) {
    return AtlasBuilder::CalibrationText(QStringLiteral("Alps.png"), columns * size.width(),
                                         rows * size.height(), kCorners)
        .toUtf8();
}

// Level "Alps <zz>" of one-colour tiles of `size`, calibrated, as a folder; returns the level folder.
QString WriteUntared(quint32 zoom, int columns, int rows, QSize size, const char* format) {
    const QString level = LevelPath(zoom);
    WriteSetTiles(level, columns, rows, size, format);
    WriteFile(level + QStringLiteral("/Alps ") + ZoomSuffix(zoom) + QStringLiteral(".map"),
              Calibration(columns, rows, size));
    return level;
}

// Level 12 of 3 x 2 tiles of `size` packed by hand, so that a test can damage the archive: the calibration
// file, then the tiles row by row.
TarWriter::Archive TaredArchive(QSize size) {
    TarWriter::Archive archive;
    archive.Add("Alps 12.map", Calibration(3, 2, size));
    for (int row = 0; row < 2; ++row)
        for (int column = 0; column < 3; ++column) {
            QByteArray png;
            QBuffer buffer(&png);
            buffer.open(QIODevice::WriteOnly);
            TileCache::SolidTile(column, row, size).save(&buffer, "PNG");
            archive.Add(QStringLiteral("set/t_%1_%2.png")
                            .arg(column * size.width())
                            .arg(row * size.height())
                            .toUtf8(),
                        png);
        }
    archive.End();
    return archive;
}

void SaveArchive(const QByteArray& bytes) {
    QDir().mkpath(LevelPath(12));
    EXPECT_TRUE(TarWriter::Save(LevelPath(12) + QStringLiteral("/Alps 12.tar"), bytes));
}

// Where the middle of window cell (column, row) lies for tiles of `size`.
QPoint Middle(int column, int row, QSize size) {
    return {column * size.width() + size.width() / 2, 33 + row * size.height() + size.height() / 2};
}

} // namespace

TEST(TaredLevel, DrawsCountsAndCalibratesExactlyAsItsUntaredCopy) {
    struct Row {
        const char* format;
        QSize tile;
        int columns, rows;
        bool tmi;
    };
    const Row rows[] = {{.format = "png", .tile = {200, 120}, .columns = 5, .rows = 3, .tmi = true},
                        {.format = "jpg", .tile = {100, 180}, .columns = 4, .rows = 6, .tmi = false},
                        {.format = "jpg", .tile = {256, 256}, .columns = 9, .rows = 7, .tmi = true}};
    quint32 zoom = 10;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.format + std::to_string(row.tmi));
        const QString level = WriteUntared(++zoom, row.columns, row.rows, row.tile, row.format);
        const auto look = [&] {
            std::tie(g_nZoom, g_fPt1Lat, g_fPt4Lat) = std::tuple{zoom, 0.0f, 0.0f};
            LoadLevel();
            g_nTbX = 1;
            const int calibration = ReadCalibration();
            return std::tuple{Render(1200, 800),
                              std::array{g_nTileWidth, g_nTileHeight, CountTileColumns(), CountTileRows(),
                                         calibration, int(g_fPt1Lat), int(g_fPt4Lat)}};
        };
        const auto [untaredPicture, untared] = look();
        ASSERT_TRUE(AtlasBuilder::TarLevel(level, row.tmi));
        ASSERT_FALSE(QDir(level + QStringLiteral("/set")).exists());
        const auto [picture, tared] = look();
        EXPECT_EQ(g_szAtlasFolder, level);
        EXPECT_TRUE(picture == untaredPicture) << "the same picture";
        EXPECT_EQ(tared, untared);
        EXPECT_EQ(tared, (std::array{row.tile.width(), row.tile.height(), row.columns, row.rows, 0, 52, 51}));
        // From column 1 on: window cell (1, 1) shows tile (2, 1).
        EXPECT_TRUE(Shows(picture, Middle(1, 1, row.tile), CellColour(2, 1)));
    }
}

TEST(TaredLevel, StepsTitlePanImagesAndTheLevelLookUpWorkOnArchives) {
    const QString fine = WriteUntared(13, 10, 8, QSize(128, 96), "png");
    const QString coarse = WriteUntared(12, 5, 4, QSize(128, 96), "png");
    ASSERT_TRUE(AtlasBuilder::TarLevel(fine, false) && AtlasBuilder::TarLevel(coarse, true));
    Enter(12);
    std::tie(g_nTbX, g_nTbY, g_bMoved) = std::tuple{2, 1, 1};
    const LevelStep step = AtlasZoomIn();
    EXPECT_EQ(step.title, QStringLiteral("Orvex Trekbuddy Alps 13.map")) << "named as inside the archive";
    // Single-precision rounding puts the column one below the exact 4, as for any level.
    EXPECT_EQ((std::array{g_nTbX, g_nTbY}), (std::array{3, 2}));
    EXPECT_EQ(FindLevelFolder(), fine);

    // pan.jpg is made beside the archive, cell by cell.
    EXPECT_EQ(MakePanImage(LookAtPanLevel(fine), [](int) {}), QStringList());
    const QImage pan = QImageReader(fine + QStringLiteral("/pan.jpg")).read();
    EXPECT_EQ(pan.size(), QSize(800, 640));
    EXPECT_TRUE(Shows(pan, {9 * 80 + 40, 40}, CellColour(9, 0)) &&
                Shows(pan, {3 * 80 + 40, 7 * 80 + 40}, CellColour(3, 7)));
}

TEST(TaredLevel, HostileArchivesDrawTheirWholeTilesWithinTheFileLimits) {
    using TarWriter::Archive;
    const QSize size(120, 90);
    struct Row {
        const char* what;
        std::function<void(Archive&)> damage;
        std::string drawn; // "1" for each of tiles (0,0) (1,0) (2,0) (0,1) (1,1) (2,1) drawn
        bool map;          // whether the calibration is read
    };
    // Header i + 1 is tile i's.
    const auto flip = [](int header) {
        return [header](Archive& a) { a.bytes[a.HeaderAt(header) + 1] ^= 1; };
    };
    // The last tile grows to `bytes` with zeros after its PNG, where a decoder stops reading, and the
    // calibration file with spaces after its lines.
    const auto padTile = [](qint64 bytes) {
        return [bytes](Archive& a) {
            const QByteArray png = a.bytes.mid(a.HeaderAt(6) + 512, 4096);
            a.bytes.truncate(a.HeaderAt(6));
            a.bytes += TarWriter::Header("set/t_240_90.png", bytes) + png;
            a.bytes.resize(a.HeaderAt(6) + 512 + bytes, '\0');
        };
    };
    const auto padMap = [size](qint64 bytes) {
        return [bytes, size](Archive& a) {
            Archive padded;
            padded.Add("Alps 12.map", Calibration(3, 2, size).leftJustified(bytes, ' '));
            a.bytes.replace(0, a.HeaderAt(1), padded.bytes);
        };
    };
    const auto cut = [](Archive& a) { a.bytes.truncate(a.HeaderAt(6) + 600); };
    const std::vector<Row> rows = {
        {.what = "whole", .damage = [](Archive&) {}, .drawn = "111111", .map = true},
        {.what = "a damaged tile header", .damage = flip(2), .drawn = "101111", .map = true},
        {.what = "cut in the last tile", .damage = cut, .drawn = "111110", .map = true},
        {.what = "a damaged calibration header", .damage = flip(0), .drawn = "111111", .map = false},
        {.what = "a tile of the limit", .damage = padTile(kMaxTileBytes), .drawn = "111111", .map = true},
        {.what = "one past", .damage = padTile(kMaxTileBytes + 1), .drawn = "111110", .map = true},
        {.what = "a map at the limit",
         .damage = padMap(kMaxCalibrationBytes),
         .drawn = "111111",
         .map = true},
        {.what = "one past", .damage = padMap(kMaxCalibrationBytes + 1), .drawn = "111111", .map = false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        Archive archive = TaredArchive(size);
        row.damage(archive);
        SaveArchive(archive.bytes);
        Enter(12);
        g_fPt1Lat = 0;
        EXPECT_EQ(std::pair(ReadCalibration(), g_fPt1Lat),
                  row.map ? std::pair(0, 52.0f) : std::pair(-1, 0.0f));
        const QImage picture = Render(600, 300);
        std::string drawn;
        for (int t = 0; t < 6; ++t)
            drawn += Shows(picture, Middle(t % 3, t / 3, size), CellColour(t % 3, t / 3)) ? '1' : '0';
        EXPECT_EQ(drawn, row.drawn);
    }

    // An archive written anew while its level is shown is indexed anew. (A FIFO in its place is the index's
    // own test.)
    Archive archive = TaredArchive(size);
    SaveArchive(archive.bytes.left(archive.HeaderAt(2)));
    EXPECT_EQ(CountTileColumns(), 1);
}
