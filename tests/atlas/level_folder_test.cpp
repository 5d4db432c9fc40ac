#include "atlas/level_folder.h"
#include "solid_level.h"

#include <filesystem>

using namespace SolidLevel;

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
    EXPECT_EQ((std::array{g_nTbX, g_nTbY}), (std::array{0, 0}));
    EXPECT_EQ(FindLevelFolder(), atlas + QStringLiteral("/Layer 14"));

    Enter(15);
    EXPECT_EQ(QSize(g_nTileWidth, g_nTileHeight), QSize(256, 256)) << "no level: the default size";
}

TEST(LevelFolder, AnAtlasRootLendsTheFirstLayerWithTheZoomOnlyWhenItHoldsNoLevelItself) {
    struct Row {
        QByteArray tba;
        quint32 zoom;
        QString level; // relative to the root; "*<zz>" for none
    };
    const Row rows[] = {
        {.tba = "Atlas 1.0\r\nname", .zoom = 12, .level = "Bern/Bern 12"}, // only the second layer has 12
        {.tba = "\357\273\277Atlas 1.0\n", .zoom = 11, .level = "Alps/Alps 11"}, // both have 11: name order
        {.tba = "Atlas 1.0", .zoom = 14, .level = "Top 14"}, // a level in the root itself wins
        {.tba = "Atlas 1.0", .zoom = 13, .level = "*13"},
        {.tba = {}, .zoom = 12, .level = "*12"},
        {.tba = "Atlas 2.0\nAtlas 1.0", .zoom = 12, .level = "*12"},
    };
    const QString root = Folder();
    for (const char* level : {"Bern/Bern 12", "Bern/Bern 11", "Alps/Alps 11", "Alps/Alps 14", "Top 14"})
        QDir().mkpath(root + QLatin1Char('/') + QLatin1String(level));
    const QString tba = root + QStringLiteral("/cr.tba");
    for (const Row& row : rows) {
        QFile::remove(tba);
        if (!row.tba.isEmpty())
            WriteFile(tba, row.tba);
        g_nZoom = row.zoom;
        const QString expected = root + QLatin1Char('/') + row.level;
        EXPECT_EQ(GetLevelFolder(), expected) << row.tba.constData();
        EXPECT_EQ(FindLevelFolder().value_or(QStringLiteral("*") + ZoomSuffix(row.zoom)),
                  row.level.startsWith(u'*') ? row.level : expected);
    }
    EXPECT_EQ(SettingsStore::ReadAtlasFolder(), root) << "the chosen folder stays the stored one";

    // The level a layer lends is loaded and drawn like any other.
    WriteFile(tba, "Atlas 1.0");
    const QString level = LevelFolder(QStringLiteral("Bern/Bern 12"));
    WriteTile(level, 1, 0, QSize(256, 128));
    WriteTile(level, 0, 0, QSize(256, 128));
    Enter(12);
    EXPECT_EQ(Counted(), (std::array{2, 1, 256, 128}));
    EXPECT_TRUE(Shows(Render(600, 300), QPoint(300, 100), CellColour(1, 0)));
}
