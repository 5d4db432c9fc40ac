#include "atlas/tile_count.h"
#include "solid_level.h"

#include <array>

using namespace SolidLevel;

namespace {

// The set folder of level 12, emptied and holding a real first tile `first` of `size` (the probes test names
// only, so other tiles may be empty files).
QString SetFolder(const QString& first = QStringLiteral("t_0_0.jpg"), QSize size = {256, 256}) {
    const QString set = LevelFolder(QStringLiteral("12")) + QStringLiteral("/set/");
    QDir(set).removeRecursively();
    QDir().mkpath(set);
    EXPECT_TRUE(first.isEmpty() || TileCache::SolidTile(0, 0, size).save(set + first));
    return set;
}

// Columns, rows and the tile size of the level.
std::array<int, 4> Counted() {
    return {CountTileColumns(), CountTileRows(), g_nTileWidth, g_nTileHeight};
}

} // namespace

TEST(TileCount, HalvingSearchCountsUpTo512AndOnlyProbedNamesCount) {
    const QString set = SetFolder();
    Enter(12);
    int made = 1;
    for (int wanted : {1, 2, 3, 7, 255, 256, 257, 511, 512, 600}) {
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
}

TEST(TileCount, EmptySetUnreadableFirstTileAndNamesWithoutUnderscore) {
    const QString set = SetFolder({});
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
