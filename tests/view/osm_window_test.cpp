#include "app/running_app.h"
#include "support/tile_cache.h"

// Map type 6 over an empty cache, downloading from the loopback server, paints at once and once more to show
// the tiles it downloaded. Strip click ranges are open at both ends and apply above y = 32 only; the first
// range that matches acts.
TEST(OsmWindow, MapTypeSixPaintsOnceMoreForTheDownloadsAndKeysAndStripButtonsMoveAndZoomIt) {
    LoopbackTileServer server;
    ASSERT_FALSE(server.BaseUrl().isEmpty()) << "the loopback tile server cannot listen";
    TileCache::ServeArea(server, 8, 6);
    TileCache::Folder();
    CTarnwellApp app;
    ASSERT_TRUE(app.InitInstance());
    MainWindow()->resize(800, 600);
    QTest::qWait(20);
    const PaintCounter counter(MapView());
    g_wszOsmServer = server.BaseUrl();
    MainWindow()->Command(ID_VIEW_MAPTYPE6OSM)->trigger();
    EXPECT_EQ(counter.paints, 1) << "the command paints before it returns";
    EXPECT_GE(server.Requests().size(), 6);
    QTest::qWait(50);
    const qsizetype fetched = server.Requests().size();
    QTest::qWait(50);
    EXPECT_EQ(std::pair(counter.paints, server.Requests().size()), std::pair(2, fetched)) << "one more paint";
    const QImage shown = MapView()->grab().toImage();
    EXPECT_EQ(std::pair(shown.pixel(127, 160), shown.pixel(383, 416)),
              std::pair(TileCache::CellColour(2032, 1362), TileCache::CellColour(2033, 1363)));
    // A key, or else a click on the strip (whose ranges are the strip's own test), and what it leaves.
    const struct Step {
        int key;
        QPoint click;
        quint32 zoom;
        qint32 x, y, pan, moved;
    } steps[] = {
        {.key = Qt::Key_Right, .click = {}, .zoom = 12, .x = 2033, .y = 1362, .pan = 0, .moved = 1},
        {.key = Qt::Key_Down, .click = {}, .zoom = 12, .x = 2033, .y = 1363, .pan = 0, .moved = 1},
        {.key = Qt::Key_End, .click = {}, .zoom = 12, .x = 2033, .y = 1363, .pan = 0, .moved = 0},
        {.key = 0, .click = {290, 10}, .zoom = 12, .x = 2032, .y = 1363, .pan = 0, .moved = 0},
        {.key = 0, .click = {158, 10}, .zoom = 12, .x = 2032, .y = 1363, .pan = 0, .moved = 0},
        {.key = 0, .click = {140, 10}, .zoom = 13, .x = 4064, .y = 2726, .pan = 0, .moved = 0},
        {.key = 0, .click = {230, 10}, .zoom = 13, .x = 4064, .y = 2726, .pan = 1, .moved = 1},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.key ? step.key : step.click.x());
        const int paints = counter.paints;
        g_bMoved = 0;
        if (step.key)
            QTest::keyClick(MapView(), Qt::Key(step.key));
        else
            QTest::mouseClick(MapView(), Qt::LeftButton, {}, step.click);
        EXPECT_EQ((std::tuple{g_nZoom, g_nOsmX, g_nOsmY, g_bPanView, g_bMoved, g_nTbX, g_nTbY}),
                  (std::tuple{step.zoom, step.x, step.y, step.pan, step.moved, 0, 0}));
        QTest::qWait(20);
        EXPECT_GT(counter.paints, paints) << "every key and button repaints";
    }
    EXPECT_EQ(g_bPanView, 0) << "the next OSM paint leaves the overview again";
}
