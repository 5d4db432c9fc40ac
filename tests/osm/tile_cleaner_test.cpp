#include "app/running_app.h"
#include "osm/tile_cleaner.h"
#include "support/read_only_mount.h"
#include "support/tile_cache.h"
#include "view/tarnwell_view.h"

using namespace TileCache;

namespace {

// 0-byte tiles over 6 x 5 tiles from (2032, 1362), one more column and row than a 1000 x 700 view cleans.
void WriteEmptyArea() {
    for (int y = 1362; y < 1367; ++y)
        for (int x = 2032; x < 2038; ++x)
            WriteFile(TileFile(12, x, y));
}

QStringList CacheFiles() {
    return QDir(Folder()).entryList(QDir::Files, QDir::Name);
}

} // namespace

// The first tile of the walk cannot be removed, even by root: the others go all the same.
TEST(OsmCleanTiles, NeedTheOsmMapAndACacheFolderAndRemoveOnlyTheEmptyFilesOfTheViewsArea) {
    Enter(QString()); // no server: the cleaner fetches nothing, and nor may a paint
    WriteEmptyArea();
    ASSERT_TRUE(SolidTile(2033, 1363).save(TileFile(12, 2033, 1363)));
    WriteFile(TileFile(13, 2032, 1362));
    CTarnwellApp app;
    ASSERT_TRUE(app.InitInstance());
    MapView()->resize(1000, 700);
    g_nMapType = kMapTypeTrekbuddy;
    g_szAtlasFolder = Folder() + QLatin1Char('/');
    app.OnOsmCleanTiles();
    CClean().RemoveZeroSizeTiles(std::nullopt);
    EXPECT_EQ(TestEnv::MessageTexts(),
              QStringList{QStringLiteral("You must be in OSM map view to use the clean function")});
    const QString previous = QDir::currentPath();
    QDir::setCurrent(Folder()); // where names without a folder would point
    g_szAtlasFolder.clear();
    CClean().RemoveZeroSizeTiles(QSize(1000, 700));
    QDir::setCurrent(previous);
    EXPECT_EQ(CacheFiles().size(), 31) << "nothing is looked at";
    g_szAtlasFolder = Folder() + QLatin1Char('/');
    const ReadOnlyMount pinned(TileFile(12, 2032, 1362));
    ASSERT_EQ(pinned.Failure(), QString());
    g_nMapType = kMapTypeOsm;
    app.OnOsmCleanTiles();
    QStringList kept = {QStringLiteral("12-2032-1362.png"), QStringLiteral("12-2033-1363.png"),
                        QStringLiteral("13-2032-1362.png")};
    for (int i = 0; i < 5; ++i)
        kept << QStringLiteral("12-2037-%1.png").arg(1362 + i)
             << QStringLiteral("12-%1-1366.png").arg(2032 + i);
    kept.sort();
    EXPECT_EQ(CacheFiles(), kept);
    EXPECT_EQ(TestEnv::Messages().size(), 1);
}
