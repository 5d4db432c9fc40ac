#include "app/running_app.h"
#include "support/tile_cache.h"

using namespace TileCache;

namespace {

// The main window on the OSM map over an empty cache, downloading from the loopback server; counts the paints
// the view receives.
struct OsmWindow {
    OsmWindow() {
        EXPECT_FALSE(server.BaseUrl().isEmpty()) << "the loopback tile server cannot listen";
        ServeArea(server, 8, 6);
        Folder();
        EXPECT_TRUE(app.InitInstance());
        MainWindow()->resize(800, 600);
        QTest::qWait(20);
        counter.emplace(MapView());
        g_wszOsmServer = server.BaseUrl();
        MainWindow()->Command(ID_VIEW_MAPTYPE6OSM)->trigger();
    }
    int Paints() const { return counter->paints; }
    LoopbackTileServer server;
    CTarnwellApp app;
    std::optional<PaintCounter> counter;
};

} // namespace

// Map type 6 paints at once and once more to show the tiles it downloaded. Strip click ranges are open at
// both ends and apply above y = 32 only; the first range that matches acts.
TEST(OsmWindow, MapTypeSixPaintsOnceMoreForTheDownloadsAndKeysAndStripButtonsMoveAndZoomIt) {
    OsmWindow window;
    EXPECT_EQ(window.Paints(), 1) << "the command paints before it returns";
    EXPECT_GE(window.server.Requests().size(), 6);
    QTest::qWait(50);
    EXPECT_EQ(window.Paints(), 2) << "one follow-up paint, and no more";
    const qsizetype fetched = window.server.Requests().size();
    QTest::qWait(50);
    EXPECT_EQ(std::pair(window.Paints(), window.server.Requests().size()), std::pair(2, fetched));
    const QImage shown = MapView()->grab().toImage();
    EXPECT_EQ(shown.pixel(127, 160), CellColour(2032, 1362));
    EXPECT_EQ(shown.pixel(383, 416), CellColour(2033, 1363));
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
        const int paints = window.Paints();
        g_bMoved = 0;
        if (step.key)
            QTest::keyClick(MapView(), Qt::Key(step.key));
        else
            QTest::mouseClick(MapView(), Qt::LeftButton, {}, step.click);
        EXPECT_EQ((std::tuple{g_nZoom, g_nOsmX, g_nOsmY, g_bPanView, g_bMoved, g_nTbX, g_nTbY}),
                  (std::tuple{step.zoom, step.x, step.y, step.pan, step.moved, 0, 0}))
            << step.key << " " << step.click.x() << ", " << step.click.y();
        QTest::qWait(20);
        EXPECT_GT(window.Paints(), paints) << "every key and button repaints";
    }
    EXPECT_EQ(g_bPanView, 0) << "the next OSM paint leaves the overview again";
}
