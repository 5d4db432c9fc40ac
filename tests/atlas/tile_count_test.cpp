#include "atlas/tile_count.h"
#include "solid_level.h"

using namespace SolidLevel;

namespace {

// Level 12's set folder, emptied, with a real first tile `first` of `size`; the probes test names only.
QString SetFolder(const QString& first = QStringLiteral("t_0_0.jpg"), QSize size = {256, 256}) {
    const QString set = LevelFolder(QStringLiteral("12")) + QStringLiteral("/set/");
    QDir(set).removeRecursively();
    QDir().mkpath(set);
    EXPECT_TRUE(first.isEmpty() || TileCache::SolidTile(0, 0, size).save(set + first));
    return set;
}

} // namespace

TEST(TileCount, HalvingSearchUpTo512OnlyProbedNamesCountAndTheFirstTileGivesTheSize) {
    const QString set = SetFolder();
    Enter(12);
    int made = 1;
    for (int wanted : {1, 2, 3, 7, 255, 256, 257, 511, 512, 513, 600}) {
        for (; made < wanted; ++made) {
            WriteFile(set + QStringLiteral("t_%1_0.jpg").arg(made * 256));
            WriteFile(set + QStringLiteral("t_0_%1.jpg").arg(made * 256));
        }
        EXPECT_EQ(QSize(CountTileColumns(), CountTileRows()), QSize(qMin(wanted, 512), qMin(wanted, 512)))
            << wanted;
    }
    SetFolder();
    for (int i : {1, 2, 3, 4, 6, 7, 8, 9})
        WriteFile(set + QStringLiteral("t_%1_0.jpg").arg(i * 256));
    EXPECT_EQ(CountTileColumns(), 10) << "column 5 is never probed";
    QFile::remove(set + QStringLiteral("t_2048_0.jpg"));
    EXPECT_EQ(CTileCount().CountTileColumns(g_szAtlasFolder), 8) << "column 8 is; changes show at once";

    SetFolder({});
    Enter(12);
    EXPECT_EQ(Counted(), (std::array{0, 0, 256, 256}));

    // Not an image: the size stays 256 and the counts step in 256 pixels.
    WriteFile(set + QStringLiteral("t_0_0.jpg"));
    WriteFile(set + QStringLiteral("t_256_0.jpg"));
    Enter(12);
    EXPECT_EQ(Counted(), (std::array{2, 1, 256, 256}));
    EXPECT_EQ(CTileCount().GetTileHeight(g_szAtlasFolder), 0);

    // "map0_0.jpg" gives the tile size, but is no tile for counting.
    SetFolder(QStringLiteral("map0_0.jpg"), {128, 64});
    WriteFile(set + QStringLiteral("map128_0.jpg"));
    Enter(12);
    EXPECT_EQ(Counted(), (std::array{0, 0, 128, 64}));
}

// The depth is the file's own, whatever Qt decodes it to; width differs from height so a swap shows.
TEST(TileCount, TheFirstTileTellsItsSizeAndTheBitsPerPixelItsFileStores) {
    struct Tile {
        QImage::Format format; // Format_Invalid for a file that is no picture
        const char* type;
        int depth;
    };
    const Tile tiles[] = {
        {.format = QImage::Format_RGB32, .type = "jpg", .depth = 24},
        {.format = QImage::Format_Grayscale8, .type = "jpg", .depth = 8},
        {.format = QImage::Format_RGB32, .type = "png", .depth = 24},
        {.format = QImage::Format_ARGB32, .type = "png", .depth = 32},
        {.format = QImage::Format_Grayscale8, .type = "png", .depth = 8},
        {.format = QImage::Format_Grayscale16, .type = "png", .depth = 16},
        {.format = QImage::Format_RGBX64, .type = "png", .depth = 48},
        {.format = QImage::Format_Invalid, .type = "jpg", .depth = 0},
    };
    const QString level = LevelFolder(QStringLiteral("12"));
    for (const Tile& tile : tiles) {
        QDir(level + QStringLiteral("/set")).removeRecursively();
        const QString path = LevelFolder(QStringLiteral("12")) + QStringLiteral("/set/t_0_0.") + tile.type;
        QImage image(30, 20, tile.format == QImage::Format_Invalid ? QImage::Format_RGB32 : tile.format);
        image.fill(QColor(200, 100, 50, 128));
        if (tile.depth)
            ASSERT_TRUE(image.save(path));
        else
            WriteFile(path, "\xff\xd8\xff\xc0 not really a JPEG");
        const bool picture = tile.depth != 0;
        const CTileCount count;
        EXPECT_EQ(
            (std::array{count.GetTileWidth(level), count.GetTileHeight(level), count.GetTileBitDepth(level)}),
            (std::array{picture ? 30 : 0, picture ? 20 : 0, tile.depth}))
            << tile.type << " " << tile.format;
    }
}
