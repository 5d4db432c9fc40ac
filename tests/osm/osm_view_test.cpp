#include "osm/tile_downloader.h"
#include "osm/tile_servers.h"
#include "platform/safe_file.h"
#include "support/tile_cache.h"

#include <QElapsedTimer>
#include <array>

using namespace TileCache;

namespace {

// Nothing listens here: every download fails at once.
const QString kNoServer = QStringLiteral("http://127.0.0.1:1/");

// The map over an empty cache, downloading 6 x 3 tiles from a loopback server.
struct Served {
    Served() {
        EXPECT_FALSE(server.BaseUrl().isEmpty()) << "the loopback tile server cannot listen";
        ServeArea(server, 6, 3);
        Enter(server.BaseUrl());
    }
    LoopbackTileServer server;
};

} // namespace

TEST(DrawOsmMap, DrawsCachedTilesInGridOrderAndReadsThemAfreshAtEveryPaint) {
    Enter(kNoServer);
    // Cells smaller than the tiles (a Trekbuddy level of 200-pixel tiles was shown last): tiles overlap, so
    // the picture also shows the order they were drawn in.
    g_nTileWidth = g_nTileHeight = 200;
    QImage expected(1000, 700, QImage::Format_RGB32);
    expected.fill(kBlack);
    QPainter reference(&expected);
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 4; ++x) {
            const QImage tile = AtlasBuilder::LandscapeTile(x, y, 4, 3);
            ASSERT_TRUE(tile.save(TileFile(12, 2032 + x, 1362 + y)));
            reference.drawImage(QPoint(x * 200 - 1, y * 200 + 32), tile);
        }
    }
    reference.end();
    g_wszOsmUrl = TileServers()[6].url; // every tile is cached: nothing is fetched
    const QImage painted = Render(1000, 700);
    const QRect tileArea(0, 32, 999, 667);
    // Over the tiles only the tile server's credit, in the corner inside the black edge.
    const QRect credit = DifferingArea(painted.copy(tileArea), expected.copy(tileArea)).translated(0, 32);
    EXPECT_EQ(credit.bottomRight(), QPoint(998, 698));
    EXPECT_TRUE(ShowsCredit(painted, credit));
    g_wszOsmUrl = TileServers()[0].url; // each server has its own credit
    const QRect shorter =
        DifferingArea(Render(1000, 700).copy(tileArea), expected.copy(tileArea)).translated(0, 32);
    EXPECT_LT(shorter.width() * 2, credit.width());
    COsmView map;
    Picture(1000, 700, [&map](QPainter& painter, QRect area) { map.DrawOsmMap(painter, area); });
    // A click on the credit is no map click.
    EXPECT_EQ(std::pair(map.OnClick(shorter.center(), {}).repaint, map.OnClick({500, 400}, {}).repaint),
              std::pair(false, true));
    // The zoom number and the status text over the band; nothing to fetch, so no follow-up paint.
    EXPECT_TRUE(HasWhite(painted, QRect(80, 0, 40, 32)) && HasWhite(painted, QRect(410, 7, 180, 16)));
    EXPECT_EQ(g_bOsmRepaint, 0);
    g_wszOsmUrl = kNoServer;
    ASSERT_TRUE(SolidTile(2040, 1370).save(TileFile(12, 2032, 1362)));
    EXPECT_EQ(Render(1000, 700).pixel(100, 100), CellColour(2040, 1370));
}

TEST(DrawOsmMap, AnEmptyCacheIsFetchedRowByRowAndShownByOneFollowUpPaintAlsoUnderTrekbuddyOffsets) {
    Served served;
    WriteFile(TileFile(12, 2033, 1363));
    EXPECT_TRUE(ShowsNoTilesNote(Render(1000, 700)));
    EXPECT_EQ(g_bOsmRepaint, 1);
    QStringList expected;
    for (int y = 1362; y < 1365; ++y)
        for (int x = 2032; x < 2036; ++x)
            if (x != 2033 || y != 1363)
                expected.append(QStringLiteral("/12/%1/%2.png").arg(x).arg(y));
    EXPECT_EQ(RequestedPaths(served.server), expected) << "the empty file is never fetched";
    g_bOsmRepaint = 0;
    const QImage image = Render(1000, 700);
    EXPECT_EQ(g_bOsmRepaint, 0);
    EXPECT_EQ(served.server.Requests().size(), 11);
    EXPECT_EQ((std::array{image.pixel(CellPoint(0, 0)), image.pixel(CellPoint(3, 2)),
                          image.pixel(CellPoint(1, 1))}),
              (std::array{CellColour(2032, 1362), CellColour(2035, 1364), kBlack}))
        << "the empty file stays blank";

    g_nTbX = 2; // Trekbuddy offsets widen the grid and shift it left
    Render(1000, 700);
    EXPECT_EQ(served.server.Requests().size(), 17) << "two more columns, left of the surface";
    const QImage shifted = Render(1000, 700);
    EXPECT_EQ(std::pair(shifted.pixel(CellPoint(0, 0)), shifted.pixel(CellPoint(3, 2))),
              std::pair(CellColour(2034, 1362), CellColour(2037, 1364)));
}

TEST(DrawOsmMap, AStalledServerEndsThePaintsDownloadsAfterOneTimeOut) {
    Served served;
    served.server.SetAnswer("/12/2032/1362.png", {200, "PNG", LoopbackTileServer::Fault::Silent, {}});
    SetDownloadLimits(300, kMaxTileBytes);
    QElapsedTimer timer;
    timer.start();
    EXPECT_TRUE(ShowsNoTilesNote(Render(1000, 700)));
    EXPECT_LT(timer.elapsed(), 3000);
    EXPECT_EQ(RequestedPaths(served.server), QStringList{QStringLiteral("/12/2032/1362.png")});
    EXPECT_EQ(g_bOsmRepaint, 0);
    Render(1000, 700);
    EXPECT_EQ(served.server.Requests().size(), 2) << "the next paint tries again";
}

// A refused certificate gives the same answer as no server (the downloader's own test), so no server stands
// for both.
TEST(DrawOsmMap, NoNetworkOrNoAtlasFolderIsNotedAtEveryPaintWithNoFollowUp) {
    Enter(kNoServer);
    g_nTbX = -1;
    for (int paint = 0; paint < 2; ++paint) {
        EXPECT_TRUE(ShowsNoTilesNote(Render(1000, 700)));
        EXPECT_EQ(g_bOsmRepaint, 0);
    }
    EXPECT_EQ((std::array{g_nTbX, g_bMoved}), (std::array{0, 1}));
    EXPECT_TRUE(QDir(Folder()).isEmpty());

    // Without an atlas folder the folder note shows and no file is touched.
    const QString start = TestEnv::TempFolder() + QStringLiteral("/start");
    QDir().mkpath(start);
    const QString previous = QDir::currentPath();
    QDir::setCurrent(start);
    ASSERT_TRUE(SolidTile(2032, 1362).save(TileFile(12, 2032, 1362)));
    SettingsStore::WriteAtlasFolder(QString());
    std::tie(g_nTbX, g_nTbY, g_bMoved) = std::tuple(3, 3, 0);
    const QImage image = Render(1000, 700);
    QDir::setCurrent(previous);
    EXPECT_TRUE(HasWhite(image, QRect(5, 249, 300, 14))) << "fourth line of the folder note";
    EXPECT_FALSE(HasWhite(image, QRect(5, 299, 300, 14))) << "no no-tiles note";
    EXPECT_EQ((std::array{g_nTbX, g_nTbY, g_bMoved, g_bOsmRepaint}), (std::array{0, 0, 0, 0}));
    EXPECT_TRUE(QDir(start).isEmpty());
}
