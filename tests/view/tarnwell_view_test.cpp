#include "app/running_app.h"
#include "atlas/solid_level.h"

#include <QLabel>
#include <QWheelEvent>

namespace {

// The main window on an atlas of `columns` x `rows` tiles of 16 pixels at level 12, 52 N to 51 N, 1 W to 0.
struct Window {
    explicit Window(int columns = 10, int rows = 8) {
        SolidLevel::WriteTiledLevel(QStringLiteral("12"), columns, rows, {52.0, 51.0, 1.0, 0.0});
        EXPECT_TRUE(app.InitInstance());
    }
    CTarnwellApp app;
};

void Keys(const QList<Qt::Key>& keys, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    for (Qt::Key key : keys)
        QTest::keyClick(MapView(), key, modifiers);
}

// Whether painting the map left the picture untouched.
bool PaintsNothing(CTarnwellView& view, bool printing) {
    const auto draw = [&](QPainter& painter, QRect area) { view.OnDraw(painter, area, printing); };
    return TileCache::Picture(640, 480, draw) == TileCache::Picture(640, 480, [](QPainter&, QRect) {});
}

} // namespace

TEST(TarnwellView, ArrowsEndKeypadStepsTheWheelEscapeTheMainKeyboardPlusOsmKeysAndWhatIsPainted) {
    Window window(10, 2);
    g_bMoved = 0;
    Keys({Qt::Key_Left, Qt::Key_Up});
    EXPECT_EQ(std::tuple(g_nTbX, g_nTbY, g_bMoved), std::tuple(0, 0, 0)) << "no move, no moved flag";
    Keys(QList<Qt::Key>(12, Qt::Key_Right) + QList<Qt::Key>{Qt::Key_Down, Qt::Key_Left});
    EXPECT_EQ(std::tuple(g_nTbX, g_nTbY, g_bMoved), std::tuple(11, 1, 1))
        << "right and down pass the last tile";
    Keys({Qt::Key_End});
    EXPECT_EQ(std::tuple(g_nTbX, g_nTbY, g_nOsmX, g_nOsmY), std::tuple(7, 0, kOsmDefaultX, kOsmDefaultY))
        << "two rows: 2 - 3 becomes 0, and the OSM map took no key";

    Keys({Qt::Key_Plus});
    EXPECT_EQ(g_nZoom, 12u) << "the main keyboard's + is not a zoom key";
    g_bPanView = 1;
    Keys({Qt::Key_Minus}, Qt::KeypadModifier);
    EXPECT_EQ(std::pair(g_nZoom, g_bPanView), std::pair(11u, 1)) << "a step out keeps the pan view";
    Keys({Qt::Key_Plus}, Qt::KeypadModifier);
    EXPECT_EQ(
        std::tuple(g_nZoom, g_bPanView, MainWindow()->windowTitle(), SettingsStore::ReadAtlasZoomValue()),
        std::tuple(12u, 0, QStringLiteral("Orvex Trekbuddy 12.map"), std::optional(12)));
    g_bPanView = 1;
    Keys({Qt::Key_Escape});
    EXPECT_EQ(g_bPanView, 0);
    // The wheel zooms as the keypad does, notch by notch.
    for (const auto& [angle, zoom] : {std::pair{-120, 11u}, {-60, 11u}, {-60, 10u}, {240, 12u}, {119, 12u}}) {
        QWheelEvent wheel(QPointF(100, 100), QPointF(100, 100), QPoint(), QPoint(0, angle), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(MapView(), &wheel);
        EXPECT_EQ(g_nZoom, zoom) << angle;
    }

    CTarnwellView& view = *MapView();
    view.resize(640, 480);
    EXPECT_FALSE(PaintsNothing(view, false)) << "the Trekbuddy map is drawn on screen";
    EXPECT_TRUE(PaintsNothing(view, true)) << "a printed Trekbuddy page stays empty";
    g_nMapType = kMapTypeDialog;
    Keys({Qt::Key_Right});
    Keys({Qt::Key_Plus}, Qt::KeypadModifier);
    EXPECT_EQ(std::pair(g_nZoom, g_nTbX), std::pair(12u, 0)) << "behind a dialog no key acts";
    EXPECT_TRUE(PaintsNothing(view, false)) << "behind a dialog the last picture stays";

    // The OSM map moves without limits; Home uses a fixed table.
    std::tie(g_nMapType, g_nOsmX, g_bMoved) = std::tuple(kMapTypeOsm, 0, 0);
    Keys({Qt::Key_Left, Qt::Key_Up, Qt::Key_PageUp});
    EXPECT_EQ(std::tuple(g_nOsmX, g_nOsmY, g_bMoved), std::tuple(-1, 1360, 0))
        << "left sets the flag only past Trekbuddy column 0; up never";
    Keys({Qt::Key_PageDown});
    EXPECT_EQ(g_bMoved, 1);
    std::tie(g_nZoom, g_bMoved) = std::tuple(13u, 0);
    Keys({Qt::Key_Home});
    EXPECT_EQ(std::tuple(g_nOsmX, g_nOsmY, g_bMoved), std::tuple(-1, 1361, 1)) << "no home at zoom 13";
    g_nZoom = 10;
    Keys({Qt::Key_Home});
    EXPECT_EQ(std::pair(g_nOsmX, g_nOsmY), std::pair(506, 339)) << "a fixed value, not a halving of 2032";
    Keys({Qt::Key_Plus}, Qt::KeypadModifier);
    EXPECT_EQ(std::pair(g_nZoom, g_nOsmX), std::pair(11u, 1012));
}

// The pane at the right of the status bar follows the pointer over the map, also when a key moves the map
// under it, and is empty over the band and off the view.
TEST(TarnwellView, TheStatusBarTellsThePlaceUnderThePointer) {
    Window window;
    const QLabel* pane = MainWindow()->findChild<QLabel*>(QStringLiteral("pointerPosition"));
    ASSERT_TRUE(pane);
    QStringList shown;
    for (const QPoint point : {QPoint(50, 60), {50, 31}, {50, 60}}) {
        QMouseEvent move(QEvent::MouseMove, point, MapView()->mapToGlobal(point), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(MapView(), &move);
        shown.append(pane->text());
    }
    Keys({Qt::Key_Right});
    shown.append(pane->text());
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(MapView(), &leave);
    shown.append(pane->text());
    // Level pixel (51, 28), the band, the same, one tile further east, off the view.
    EXPECT_EQ(shown, QStringList({"51.78125 N  0.68125 W", "", "51.78125 N  0.68125 W",
                                  "51.78125 N  0.58125 W", ""}));
}

// Map type 6 over an empty cache, downloading from the loopback server, paints at once and once more to show
// the tiles it downloaded. Strip click ranges are open at both ends and apply above y = 32 only; the first
// range that matches acts.
TEST(TarnwellView, MapTypeSixPaintsOnceMoreForTheDownloadsAndKeysAndStripButtonsMoveAndZoomIt) {
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
