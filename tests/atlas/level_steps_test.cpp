#include "atlas/calibration.h"
#include "atlas/level_steps.h"
#include "calibration_fixture.h"
#include "view/tarnwell_view.h"

#include <QCoreApplication>
#include <QEvent>
#include <QMainWindow>
#include <QTest>
#include <cmath>
#include <limits>

using namespace CalibrationFixture;

namespace {

const AtlasBuilder::Corners kExampleCorners{52.0, 51.0, 1.0, 0.0};

// Counts the paints a widget receives.
class PaintCounter : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

} // namespace

TEST(LevelSteps, KeepTheSameRelativePlaceAcrossLevels) {
    WriteTiledLevel(QStringLiteral("12"), 10, 8, kExampleCorners);
    WriteTiledLevel(QStringLiteral("Fine 13"), 20, 16, kExampleCorners);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Tarnwell"));
    g_pMapWnd = new QWidget(&window);
    window.setCentralWidget(g_pMapWnd);

    EnterLevel(12);
    g_nTbX = 4;
    g_nTbY = 3;
    g_bMoved = 1;
    EXPECT_EQ(AtlasZoomIn(), 13u);
    EXPECT_EQ(g_nZoom, 13u);
    EXPECT_EQ(SettingsStore::ReadAtlasZoom(), 13);
    EXPECT_EQ(g_bMoved, 0);
    EXPECT_EQ(g_nTbPrevCols, 10);
    EXPECT_EQ(g_nTbPrevRows, 8);
    EXPECT_FLOAT_EQ(g_fPt1Lat, 52.0f);
    EXPECT_FLOAT_EQ(g_fTbLat, 51.625f);
    // Exactly 8 and 6 tiles; float rounding puts the column one lower.
    EXPECT_EQ(g_nTbX, 7);
    EXPECT_EQ(g_nTbY, 6);
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Orvex Trekbuddy Fine 13.map"));

    // Back out without moving: the corners of the last parse stay in use.
    g_fPt1Lat = 53.0f;
    EXPECT_EQ(AtlasZoomOut(), 12u);
    EXPECT_EQ(g_fPt1Lat, 53.0f);
    EXPECT_EQ(g_nTbPrevCols, 20);
    EXPECT_EQ(g_nTbX, 3); // 7 x 10 / 20
    EXPECT_EQ(g_nTbY, 3); // 8 - 10 x 8 / 16 with the corners of the last parse
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Orvex Trekbuddy 12.map"));
    EXPECT_EQ(SettingsStore::ReadAtlasZoom(), 12);
}

TEST(LevelSteps, ZeroSpansGiveColumnZeroAndTheLastRow) {
    WriteTiledLevel(QStringLiteral("12"), 10, 8, {0.0, 0.0, 0.0, 0.0});
    WriteTiledLevel(QStringLiteral("13"), 20, 16, {0.0, 0.0, 0.0, 0.0});
    EnterLevel(12);
    g_nTbX = 4;
    g_nTbY = 3;
    g_bMoved = 1;
    AtlasZoomIn();
    EXPECT_EQ(g_nTbX, 0);
    EXPECT_EQ(g_nTbY, 16);
}

TEST(LevelSteps, NewLevelWithoutCalibrationStartsAtTheTopLeft) {
    WriteTiledLevel(QStringLiteral("12"), 10, 8, kExampleCorners);
    WriteTiledLevel(QStringLiteral("13"), 20, 16, kExampleCorners, false);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Before"));
    g_pMapWnd = new QWidget(&window);
    EnterLevel(12);
    g_nTbX = 4;
    g_nTbY = 3;
    g_bMoved = 1;
    EXPECT_EQ(AtlasZoomIn(), 13u);
    EXPECT_EQ(g_nTbX, 0);
    EXPECT_EQ(g_nTbY, 0);
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Before"));
    EXPECT_EQ(RepositionAfterLevelStep(), -1);
}

TEST(LevelSteps, OldLevelWithoutTilesCountsAsTwentyByTwenty) {
    WriteMapOnlyLevel(
        QStringLiteral("12"),
        AtlasBuilder::CalibrationText(QStringLiteral("12.png"), 1, 1, kExampleCorners).toLatin1());
    WriteTiledLevel(QStringLiteral("13"), 20, 16, kExampleCorners);
    EnterLevel(12);
    g_nTbX = 5;
    g_nTbY = 3;
    g_bMoved = 1;
    EXPECT_EQ(AtlasZoomIn(), 13u);
    EXPECT_EQ(g_nTbPrevCols, 20);
    EXPECT_EQ(g_nTbPrevRows, 20);
    EXPECT_EQ(g_nTbX, 5); // 5 x 20 / 20
    EXPECT_EQ(g_nTbY, 2); // 16 - 17 x 16 / 20 = 2.4
}

TEST(LevelSteps, ZoomChangesEvenWithoutALevel) {
    Atlas();
    g_nZoom = 17;
    EXPECT_EQ(AtlasZoomIn(), 18u);
    EXPECT_EQ(SettingsStore::ReadAtlasZoom(), 18);
    EXPECT_TRUE(g_szAtlasFolder.endsWith(QStringLiteral("/*18")));
    EXPECT_EQ(g_nTbX, 0);
    EXPECT_EQ(g_nTbY, 0);

    // At level 0 the step out only remembers the position and clears the move flag.
    g_nZoom = 0;
    g_nTbX = 2;
    g_bMoved = 1;
    SettingsStore::WriteAtlasZoom(5);
    EXPECT_EQ(AtlasZoomOut(), 0u);
    EXPECT_EQ(g_nZoom, 0u);
    EXPECT_EQ(g_nTbPrevX, 2);
    EXPECT_EQ(g_nTbX, 2);
    EXPECT_EQ(g_bMoved, 0);
    EXPECT_EQ(SettingsStore::ReadAtlasZoom(), 5);
}

TEST(LevelSteps, StepRepaintsTheView) {
    WriteTiledLevel(QStringLiteral("12"), 2, 2, kExampleCorners);
    QMainWindow window;
    auto* view = new CTarnwellView(nullptr, &window);
    window.setCentralWidget(view);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    PaintCounter counter;
    view->installEventFilter(&counter);
    QCoreApplication::processEvents();
    counter.paints = 0;
    g_nZoom = 11;
    AtlasZoomIn();
    QTRY_VERIFY(counter.paints > 0);
}

TEST(LevelSteps, ExtremeCalibrationsGiveDefinedTiles) {
    WriteTiledLevel(QStringLiteral("13"), 20, 16, kExampleCorners);
    EnterLevel(13);
    g_nTbPrevCols = 10;
    g_nTbPrevRows = 8;

    // Infinite and not-a-number corners make no tile position: column and row 0.
    g_fPt1Lon = std::numeric_limits<float>::infinity();
    g_fPt1Lat = std::numeric_limits<float>::quiet_NaN();
    g_nTbPrevX = 4;
    g_nTbPrevY = 3;
    ASSERT_EQ(RepositionAfterLevelStep(), 0);
    EXPECT_EQ(g_nTbX, 0);
    EXPECT_EQ(g_nTbY, 0);

    // Positions far outside any level end at the ends of the int range.
    g_fPt1Lat = 52.0f;
    g_fPt4Lat = 51.0f;
    g_fPt1Lon = 1.0f;
    g_fPt2Lon = 0.0f;
    g_nTbPrevX = std::numeric_limits<qint32>::max();
    g_nTbPrevY = std::numeric_limits<qint32>::min();
    ASSERT_EQ(RepositionAfterLevelStep(), 0);
    EXPECT_EQ(g_nTbX, std::numeric_limits<qint32>::max());
    EXPECT_EQ(g_nTbY, std::numeric_limits<qint32>::min());

    g_nTbPrevX = std::numeric_limits<qint32>::min();
    g_nTbPrevY = std::numeric_limits<qint32>::max();
    ASSERT_EQ(RepositionAfterLevelStep(), 0);
    EXPECT_EQ(g_nTbX, std::numeric_limits<qint32>::min());
    EXPECT_EQ(g_nTbY, std::numeric_limits<qint32>::max());
}
