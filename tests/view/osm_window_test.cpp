#include "app/running_app.h"
#include "support/tile_cache.h"

using namespace TileCache;

namespace {

// The main window on the OSM map over an empty cache, downloading from the loopback server; counts the paints
// the view receives.
struct OsmWindow : QObject {
    OsmWindow() {
        EXPECT_FALSE(server.BaseUrl().isEmpty()) << "the loopback tile server cannot listen";
        ServeArea(server, 8, 6);
        Folder();
        EXPECT_TRUE(app.InitInstance());
        app.MainFrame()->resize(800, 600);
        QTest::qWait(20);
        app.View()->installEventFilter(this);
        g_wszOsmServer = server.BaseUrl();
        app.MainFrame()->Command(ID_VIEW_MAPTYPE6OSM)->trigger();
    }
    bool eventFilter(QObject*, QEvent* event) override {
        paints += event->type() == QEvent::Paint;
        return false;
    }
    LoopbackTileServer server;
    CTarnwellApp app;
    int paints = 0;
};

} // namespace

// Map type 6 paints at once and once more to show the tiles it downloaded. Strip click ranges are open at
// both ends and apply above y = 32 only; the first range that matches acts.
TEST(OsmWindow, MapTypeSixPaintsOnceMoreForTheDownloadsAndKeysAndStripButtonsMoveAndZoomIt) {
    OsmWindow window;
    EXPECT_EQ(window.paints, 1) << "the command paints before it returns";
    EXPECT_GE(window.server.Requests().size(), 6);
    QTest::qWait(50);
    EXPECT_EQ(window.paints, 2) << "one follow-up paint, and no more";
    const qsizetype fetched = window.server.Requests().size();
    QTest::qWait(50);
    EXPECT_EQ(std::pair(window.paints, window.server.Requests().size()), std::pair(2, fetched));
    const QImage shown = window.app.View()->grab().toImage();
    EXPECT_EQ(shown.pixel(127, 160), CellColour(2032, 1362));
    EXPECT_EQ(shown.pixel(383, 416), CellColour(2033, 1363));
    // A key, or else a click on the strip; the zoom, position, pan flag and moved flag it leaves.
    const std::tuple<int, QPoint, quint32, qint32, qint32, qint32, qint32> steps[] = {
        {Qt::Key_Right, {}, 12, 2033, 1362, 0, 1}, {Qt::Key_Down, {}, 12, 2033, 1363, 0, 1},
        {Qt::Key_End, {}, 12, 2033, 1363, 0, 0},   {0, {290, 10}, 12, 2032, 1363, 0, 0},
        {0, {310, 10}, 12, 2032, 1363, 0, 0},      {0, {320, 10}, 12, 2032, 1362, 0, 0},
        {0, {350, 10}, 12, 2032, 1363, 0, 1},      {0, {390, 10}, 12, 2033, 1363, 0, 1},
        {0, {158, 10}, 12, 2033, 1363, 0, 0},      {0, {140, 32}, 12, 2033, 1363, 0, 0},
        {0, {140, 10}, 13, 4066, 2726, 0, 0},      {0, {170, 31}, 12, 2033, 1363, 0, 0},
        {0, {40, 10}, 12, 2033, 1363, 0, 0},       {0, {230, 10}, 12, 2033, 1363, 1, 1},
    };
    for (const auto& [key, click, zoom, x, y, pan, moved] : steps) {
        const int paints = window.paints;
        g_bMoved = 0;
        if (key)
            QTest::keyClick(window.app.View(), Qt::Key(key));
        else
            QTest::mouseClick(window.app.View(), Qt::LeftButton, {}, click);
        EXPECT_EQ((std::tuple{g_nZoom, g_nOsmX, g_nOsmY, g_bPanView, g_bMoved}),
                  (std::tuple{zoom, x, y, pan, moved}))
            << key << " " << click.x() << ", " << click.y();
        QTest::qWait(20);
        EXPECT_GT(window.paints, paints) << "every key and button repaints";
    }
    EXPECT_EQ(g_bPanView, 0) << "the next OSM paint leaves the overview again";
}
