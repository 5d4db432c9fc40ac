#include "atlas/level_folder.h"
#include "atlas/tile_count.h"
#include "atlas_builder.h"
#include "solid_level.h"

#include <filesystem>

namespace {

QString MakeAtlas(const QStringList& entries) {
    const QString atlas = SolidLevel::Atlas();
    for (const QString& entry : entries)
        QDir().mkpath(atlas + QLatin1Char('/') + entry);
    return atlas;
}

} // namespace

TEST(LevelFolder, ExactNameWinsThenSuffixThenThePatternItself) {
    const QString atlas = MakeAtlas({QStringLiteral("Reading 05"), QStringLiteral("05"),
                                     QStringLiteral("Layer 20"), QStringLiteral("Reading 112")});
    for (const auto& [zoom, level] :
         {std::pair{5u, "/05"}, {20u, "/Layer 20"}, {12u, "/Reading 112"}, {13u, "/*13"}, {7u, "/*07"}}) {
        g_nZoom = zoom;
        EXPECT_EQ(GetLevelFolder(), atlas + QLatin1String(level));
        EXPECT_EQ(g_szAtlasFolder, atlas + QLatin1String(level));
    }
    EXPECT_EQ(CountTileColumns(), 0) << "the pattern names no folder";
}

TEST(LevelFolder, TwoSuffixMatchesTakeTheFirstTheFolderLists) {
    const QString atlas = MakeAtlas({QStringLiteral("Layer 112"), QStringLiteral("Reading 12")});
    const QString first =
        atlas + QLatin1Char('/') +
        QString::fromStdString(
            std::filesystem::directory_iterator(atlas.toStdString())->path().filename().string());
    g_nZoom = 12;
    GetLevelFolder();
    EXPECT_EQ(g_szAtlasFolder, first);
    EXPECT_EQ(FindLevelFolder(), first);
}

TEST(LevelFolder, NoAtlasFolderLeavesTheLevelEmpty) {
    g_nZoom = 12;
    g_szAtlasFolder = QStringLiteral("old");
    EXPECT_FALSE(GetLevelFolder());
    EXPECT_TRUE(g_szAtlasFolder.isEmpty());
    EXPECT_FALSE(FindLevelFolder());
    EXPECT_TRUE(SettingsStore::KeyExists()) << "the printing look-up creates the key";
    EXPECT_TRUE(TestEnv::Messages().isEmpty());
}

TEST(LevelFolder, FindLevelFolderTellsWhenTheKeyCannotBeCreated) {
    TestEnv::BlockSettingsStore();
    g_wszLevelFolder = QStringLiteral("old");
    EXPECT_FALSE(FindLevelFolder());
    EXPECT_TRUE(g_wszLevelFolder.isEmpty());
    EXPECT_EQ(TestEnv::MessageTexts(),
              QStringList{QStringLiteral("An error occurred opening or creating the settings file\n") +
                          qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/Orvex.conf")});
}

TEST(LevelFolder, LoadLevelTakesTheFirstTileSizeAndCountsByItUnderAnyFolderName) {
    const QString atlas = TestEnv::TempFolder() + QStringLiteral("/Карты/Λευκάδα/") +
                          QStringList(4, QString(100, QChar(u'ж'))).join(QLatin1Char('/'));
    AtlasBuilder::Level level{QStringLiteral("Layer 14"), 10, 2, QSize(200, 100)};
    level.extension = QStringLiteral("png");
    ASSERT_TRUE(AtlasBuilder::WriteLevel(atlas, level));
    SettingsStore::WriteAtlasFolder(atlas);
    std::tie(g_nZoom, g_nTbX, g_nTbY) = std::tuple{14u, 4, 4};
    LoadLevel();
    EXPECT_EQ(g_szAtlasFolder, atlas + QStringLiteral("/Layer 14"));
    EXPECT_EQ(QSize(g_nTileWidth, g_nTileHeight), QSize(200, 100));
    EXPECT_EQ(QPoint(g_nTbX, g_nTbY), QPoint(0, 0));
    EXPECT_EQ(QSize(CountTileColumns(), CountTileRows()), QSize(10, 2))
        << "counted in steps of the tile size";
    EXPECT_EQ(CTileCount().GetTileBitDepth(g_szAtlasFolder), 32);
    EXPECT_EQ(FindLevelFolder(), atlas + QStringLiteral("/Layer 14"));

    g_nZoom = 15;
    LoadLevel();
    EXPECT_EQ(QSize(g_nTileWidth, g_nTileHeight), QSize(256, 256)) << "no level: the default size";
}
