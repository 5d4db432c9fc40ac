#include "atlas/level_source.h"
#include "platform/find_first.h"
#include "solid_level.h"

#include <filesystem>

using namespace SolidLevel;

// Tiles of 200 x 100 pixels, three columns by two rows: a swapped width and height, or column and row, names
// another tile or none.
TEST(LevelSource, NamingComesFromTheFirstTileAndEachPixelPositionFindsItsOwnTile) {
    AtlasBuilder::Level spec{QStringLiteral("12"), 3, 2, QSize(200, 100)};
    spec.prefix = QStringLiteral("map_");
    spec.extension = QStringLiteral("png");
    ASSERT_TRUE(AtlasBuilder::WriteLevel(Folder(), spec));
    const QString level = Folder() + QStringLiteral("/12");
    const std::unique_ptr<LevelSource> source = OpenLevelSource(level);
    const std::optional<TileLayout> layout = source->Layout();
    ASSERT_TRUE(layout);
    EXPECT_EQ((QStringList{layout->naming.prefix, layout->naming.extension}), (QStringList{"map_", ".png"}));
    EXPECT_EQ(std::tuple(layout->tile, layout->tileReadable), std::tuple(QSize(200, 100), true));
    EXPECT_EQ((std::array{source->CountColumns(), source->CountRows()}), (std::array{3, 2}));
    EXPECT_EQ(source->FirstTile().value_or(FileRange{}).path, level + QStringLiteral("/set/map_0_0.png"));
    for (const auto& [px, py, name] :
         {std::tuple{400, 100, "map_400_100.png"}, {200, 0, "map_200_0.png"}, {600, 0, ""}, {0, 200, ""}})
        EXPECT_EQ(source->TileAt(px, py).value_or(FileRange{}).path,
                  *name ? level + QStringLiteral("/set/") + QLatin1String(name) : QString())
            << px << "," << py;

    struct Split {
        const char* name;
        const char* prefix;
        const char* extension;
    };
    for (const Split& row : {Split{.name = "t_0_0.jpg", .prefix = "t_", .extension = ".jpg"},
                             {.name = "T_0_0.JPG", .prefix = "T_", .extension = ".JPG"},
                             {.name = "a_10_0_0.jpeg", .prefix = "a_10_", .extension = ".jpeg"},
                             {.name = "x_0_0.tar.png", .prefix = "x_", .extension = ".tar.png"}}) {
        const TileNaming naming = SplitFirstTileName(QLatin1String(row.name));
        EXPECT_EQ((QStringList{naming.prefix, naming.extension}), (QStringList{row.prefix, row.extension}));
    }
}

// The look-up answers from an index of the names; it must find what the wildcard search "*_<px>_<py>.*"
// finds first in the folder's order, and the search, which keeps no index, finds the same.
TEST(LevelSource, APositionFindsTheFirstNameTheWildcardSearchFinds) {
    const QString level = LevelFolder(QStringLiteral("12"));
    const QString set = level + QStringLiteral("/set/");
    for (const char* name : {"T_0_0.JPG", "a_12_1_0.jpg", "x_10_2.jpg", "t_256_0.png.bak", "t_512_0",
                             "t_1024_0.", "map0_256.png", "t_0_0768.png", "t_-256_0.jpg", "t_1_2_3.png",
                             "b_0_512.png", "c_0_512.jpg", "t_99999999999999999999_0.png"})
        WriteFile(set + QLatin1String(name));
    std::string firstOfTwo;
    for (const auto& entry : std::filesystem::directory_iterator(set.toStdString()))
        if (const std::string name = entry.path().filename();
            firstOfTwo.empty() && name.find("_0_512.") != name.npos)
            firstOfTwo = name;
    struct Search {
        qint64 px;
        qint64 py;
        std::string found;
    };
    const Search searches[] = {
        {.px = 0, .py = 0, .found = "T_0_0.JPG"},   {.px = 1, .py = 0, .found = "a_12_1_0.jpg"},
        {.px = 12, .py = 1, .found = ""},           {.px = 10, .py = 2, .found = "x_10_2.jpg"},
        {.px = 2, .py = 10, .found = ""},           {.px = 256, .py = 0, .found = "t_256_0.png.bak"},
        {.px = 512, .py = 0, .found = ""},          {.px = 1024, .py = 0, .found = "t_1024_0."},
        {.px = 0, .py = 1024, .found = ""},         {.px = 0, .py = 256, .found = ""},
        {.px = 0, .py = 768, .found = ""},          {.px = -256, .py = 0, .found = "t_-256_0.jpg"},
        {.px = 2, .py = 3, .found = "t_1_2_3.png"}, {.px = 1, .py = 2, .found = ""},
        {.px = 0, .py = 512, .found = firstOfTwo},
    };
    const std::unique_ptr<LevelSource> source = OpenLevelSource(level);
    for (const Search& search : searches) {
        const QString expected =
            search.found.empty() ? QString() : set + QString::fromStdString(search.found);
        EXPECT_EQ(source->TileAt(search.px, search.py).value_or(FileRange{}).path, expected)
            << search.px << "," << search.py;
        const QString pattern = QStringLiteral("*_%1_%2.*").arg(search.px).arg(search.py);
        EXPECT_EQ(FindFirst(set, pattern).value_or(QString()), QString::fromStdString(search.found))
            << pattern.toStdString();
    }
    // A tile added or removed shows at once.
    WriteFile(set + QStringLiteral("t_512_0.png"));
    EXPECT_EQ(source->TileAt(512, 0).value_or(FileRange{}).path, set + QStringLiteral("t_512_0.png"));
    QFile::remove(set + QStringLiteral("x_10_2.jpg"));
    EXPECT_FALSE(source->TileAt(10, 2));
}
