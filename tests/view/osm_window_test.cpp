#include "app/command_ids.h"
#include "app/main_frame.h"
#include "app/tarnwell_app.h"
#include "support/tile_cache.h"
#include "view/tarnwell_view.h"

#include <QAction>
#include <QTest>

using namespace TileCache;

namespace {

// Counts the paints the view receives.
struct PaintCounter : QObject {
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

// The main window on the OSM map over an empty cache, downloading from the loopback server.
struct OsmWindow {
    OsmWindow() {
        EXPECT_FALSE(server.BaseUrl().isEmpty()) << "the loopback tile server cannot listen";
        ServeArea(server, 8, 6);
        Folder();
        EXPECT_TRUE(app.InitInstance());
        app.MainFrame()->resize(800, 600);
        QTest::qWait(20);
        app.View()->installEventFilter(&counter);
        g_wszOsmServer = server.BaseUrl();
        app.MainFrame()->Command(ID_VIEW_MAPTYPE6OSM)->trigger();
    }
    LoopbackTileServer server;
    CTarnwellApp app;
    PaintCounter counter;
};

} // namespace

TEST(OsmWindow, MapTypeSixPaintsAtOnceAndOnceMoreToShowTheDownloadedTiles) {
    OsmWindow window;
    EXPECT_EQ(window.counter.paints, 1) << "the command paints before it returns";
    EXPECT_GE(window.server.Requests().size(), 6);
    QTest::qWait(50);
    EXPECT_EQ(window.counter.paints, 2) << "one follow-up paint, and no more";
    const qsizetype fetched = window.server.Requests().size();
    QTest::qWait(50);
    EXPECT_EQ(window.counter.paints, 2);
    EXPECT_EQ(window.server.Requests().size(), fetched);
    const QImage shown = window.app.View()->grab().toImage();
    EXPECT_EQ(shown.pixel(127, 160), CellColour(2032, 1362));
    EXPECT_EQ(shown.pixel(383, 416), CellColour(2033, 1363));
}

TEST(OsmWindow, KeysAndStripButtonsMoveAndZoomTheMap) {
    OsmWindow window;
    CTarnwellView* view = window.app.View();
    struct Step {
        std::function<void()> act;
        quint32 zoom;
        qint32 x, y, pan;
    };
    auto key = [view](Qt::Key k) { return [view, k] { QTest::keyClick(view, k); }; };
    auto click = [view](int x) {
        return [view, x] { QTest::mouseClick(view, Qt::LeftButton, {}, QPoint(x, 10)); };
    };
    const Step steps[] = {
        {key(Qt::Key_Right), 12, 2033, 1362, 0}, {key(Qt::Key_Down), 12, 2033, 1363, 0},
        {key(Qt::Key_End), 12, 2033, 1363, 0},   {click(290), 12, 2032, 1363, 0},
        {click(320), 12, 2032, 1362, 0},         {click(350), 12, 2032, 1363, 0},
        {click(390), 12, 2033, 1363, 0},         {click(140), 13, 4066, 2726, 0},
        {click(170), 12, 2033, 1363, 0},         {click(40), 12, 2033, 1363, 0},
        {click(230), 12, 2033, 1363, 1},
    };
    for (const Step& step : steps) {
        const int paints = window.counter.paints;
        step.act();
        EXPECT_EQ((std::tuple{g_nZoom, g_nOsmX, g_nOsmY, g_bPanView}),
                  (std::tuple{step.zoom, step.x, step.y, step.pan}));
        QTest::qWait(20);
        EXPECT_GT(window.counter.paints, paints) << "every key and button repaints";
    }
    EXPECT_EQ(g_bPanView, 0) << "the next OSM paint leaves the overview again";
}
