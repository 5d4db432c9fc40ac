#include "atlas/level_folder.h"
#include "atlas/tile_count.h"
#include "solid_level.h"

#include <filesystem>

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

// Columns, rows and the tile size of the level.
std::array<int, 4> Counted() {
    return {CountTileColumns(), CountTileRows(), g_nTileWidth, g_nTileHeight};
}

} // namespace

TEST(LevelFolder, ExactNameWinsThenTheFirstListedSuffixThenThePatternItself) {
    const QString atlas = Folder();
    for (const char* entry : {"Reading 05", "05", "Layer 20", "Layer 112", "Reading 12"})
        QDir().mkpath(atlas + QLatin1Char('/') + QLatin1String(entry));
    // Of the two names that end in 12, the one the folder lists first, whichever that is here.
    std::string first;
    for (const auto& entry : std::filesystem::directory_iterator(atlas.toStdString()))
        if (first.empty() && entry.path().filename().string().ends_with("12"))
            first = entry.path().filename();
    for (const auto& [zoom, name] :
         {std::pair<quint32, std::string>{5, "05"}, {20, "Layer 20"}, {12, first}, {13, "*13"}, {7, "*07"}}) {
        g_nZoom = zoom;
        const QString level = atlas + QLatin1Char('/') + QString::fromStdString(name);
        EXPECT_EQ(GetLevelFolder(), level);
        EXPECT_EQ(g_szAtlasFolder, level);
    }
    EXPECT_EQ(CountTileColumns(), 0) << "the pattern names no folder";
    g_nZoom = 12;
    EXPECT_EQ(FindLevelFolder(), atlas + QLatin1Char('/') + QString::fromStdString(first));
}

TEST(LevelFolder, NoAtlasFolderLeavesTheLevelEmptyOneTakesTheFirstTileSizeAndCountsByItUnderAnyName) {
    std::tie(g_nZoom, g_szAtlasFolder) = std::tuple{12u, QStringLiteral("old")};
    EXPECT_EQ((std::array{bool(GetLevelFolder()), g_szAtlasFolder.isEmpty(), bool(FindLevelFolder())}),
              (std::array{false, true, false}));
    EXPECT_TRUE(SettingsStore::KeyExists()) << "the printing look-up creates the key";
    EXPECT_TRUE(TestEnv::Messages().isEmpty());

    const QString atlas = TestEnv::TempFolder() + QStringLiteral("/Карты/Λευκάδα/") +
                          QStringList(4, QString(100, QChar(u'ж'))).join(QLatin1Char('/'));
    AtlasBuilder::Level level{QStringLiteral("Layer 14"), 10, 2, QSize(200, 100)};
    level.extension = QStringLiteral("png");
    ASSERT_TRUE(AtlasBuilder::WriteLevel(atlas, level));
    SettingsStore::WriteAtlasFolder(atlas);
    std::tie(g_nZoom, g_nTbX, g_nTbY) = std::tuple{14u, 4, 4};
    LoadLevel();
    EXPECT_EQ(g_szAtlasFolder, atlas + QStringLiteral("/Layer 14"));
    EXPECT_EQ(Counted(), (std::array{10, 2, 200, 100})) << "counted in steps of the tile size";
    EXPECT_EQ((std::array{g_nTbX, g_nTbY, CTileCount().GetTileBitDepth(g_szAtlasFolder)}),
              (std::array{0, 0, 24}));
    EXPECT_EQ(FindLevelFolder(), atlas + QStringLiteral("/Layer 14"));

    Enter(15);
    EXPECT_EQ(QSize(g_nTileWidth, g_nTileHeight), QSize(256, 256)) << "no level: the default size";
}

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
