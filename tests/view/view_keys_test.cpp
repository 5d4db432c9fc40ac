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

TEST(ViewKeys, ArrowsEndKeypadStepsTheWheelEscapeTheMainKeyboardPlusOsmKeysAndWhatIsPainted) {
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
TEST(ViewKeys, TheStatusBarTellsThePlaceUnderThePointer) {
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
