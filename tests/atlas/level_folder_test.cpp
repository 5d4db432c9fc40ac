#include "atlas/level_folder.h"
#include "atlas/tile_count.h"
#include "atlas_builder.h"
#include "solid_level.h"

#include <filesystem>

TEST(LevelFolder, ExactNameWinsThenTheFirstListedSuffixThenThePatternItself) {
    const QString atlas = SolidLevel::Atlas();
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
