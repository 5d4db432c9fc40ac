#include "atlas/level_steps.h"
#include "solid_level.h"

#include <tuple>

using namespace SolidLevel;

namespace {

const AtlasBuilder::Corners kCorners{52.0, 51.0, 1.0, 0.0};
constexpr qint32 kMax = std::numeric_limits<qint32>::max(), kMin = std::numeric_limits<qint32>::min();

// The zoom, the stored zoom, the position and the move flag.
std::array<qint32, 5> Where() {
    return {qint32(g_nZoom), SettingsStore::ReadAtlasZoomValue().value_or(-1), g_nTbX, g_nTbY, g_bMoved};
}

} // namespace

TEST(LevelSteps, KeepTheSameRelativePlaceAcrossLevels) {
    WriteTiledLevel(QStringLiteral("11"), 2, 2, kCorners, false);
    WriteTiledLevel(QStringLiteral("12"), 10, 8, kCorners);
    WriteTiledLevel(QStringLiteral("Fine 13"), 20, 16, kCorners);
    Enter(12);
    std::tie(g_nTbX, g_nTbY, g_bMoved) = std::tuple{4, 3, 1};
    EXPECT_EQ(AtlasZoomIn().title, QStringLiteral("Orvex Trekbuddy Fine 13.map"));
    EXPECT_EQ(Where(), (std::array{13, 13, 7, 6, 0})) << "x 7, not 8: single-precision rounding";

    // Not moved since: the corners of the last parse stay in use, 7 x 10 / 20 and 8 - 10 x 8 / 16.
    g_fPt1Lat = 53.0f;
    EXPECT_EQ(AtlasZoomOut().title, QStringLiteral("Orvex Trekbuddy 12.map"));
    EXPECT_EQ(g_fPt1Lat, 53.0f);
    EXPECT_EQ(Where(), (std::array{12, 12, 3, 3, 0}));

    // A level without calibration file starts at its top-left tile and keeps the title.
    g_bMoved = 1;
    const LevelStep step = AtlasZoomOut();
    EXPECT_TRUE(step.zoom == 11 && !step.title);
    EXPECT_EQ(Where(), (std::array{11, 11, 0, 0, 0}));
    std::optional<QString> title;
    EXPECT_EQ(RepositionAfterLevelStep(title), -1);

    // No level ends in 18, yet the zoom changes; at level 0 the step out only clears the move flag.
    g_nZoom = 17;
    EXPECT_EQ(AtlasZoomIn().zoom, 18u);
    std::tie(g_nZoom, g_nTbX, g_bMoved) = std::tuple{0u, 2, 1};
    EXPECT_EQ(AtlasZoomOut().zoom, 0u);
    EXPECT_EQ(Where(), (std::array{0, 18, 2, 0, 0}));
}

TEST(LevelSteps, RepositionKeepsTilesDefined) {
    WriteTiledLevel(QStringLiteral("13"), 20, 16, kCorners);
    Enter(13);
    const float inf = std::numeric_limits<float>::infinity(), nan = std::numeric_limits<float>::quiet_NaN();
    // Corners (lat 1, lat 4, lon 1, lon 2), the old level's size and position, the new position.
    const struct {
        float lat1, lat4, lon1, lon2;
        qint32 cols, rows, prevX, prevY, x, y;
    } cases[] = {
        {0, 0, 0, 0, 10, 8, 4, 3, 0, 16},     // zero spans
        {52, 51, 1, 0, 0, 0, 5, 3, 5, 2},     // an old level without tiles counts as 20 x 20
        {nan, 51, inf, 0, 10, 8, 4, 3, 0, 0}, // no position from non-finite corners
        {52, 51, 1, 0, 10, 8, kMax, kMin, kMax, kMin},
        {52, 51, 1, 0, 10, 8, kMin, kMax, kMin, kMax},
    };
    // The corners that must not be used hold values of their own.
    std::tie(g_fPt2Lat, g_fPt3Lat, g_fPt3Lon, g_fPt4Lon) = std::tuple(70.0f, 30.0f, 9.0f, -9.0f);
    for (const auto& c : cases) {
        std::tie(g_fPt1Lat, g_fPt4Lat, g_fPt1Lon, g_fPt2Lon) = std::tuple(c.lat1, c.lat4, c.lon1, c.lon2);
        std::tie(g_nTbPrevCols, g_nTbPrevRows, g_nTbPrevX, g_nTbPrevY) =
            std::tuple(c.cols, c.rows, c.prevX, c.prevY);
        std::optional<QString> title;
        ASSERT_EQ(RepositionAfterLevelStep(title), 0);
        EXPECT_EQ((std::array{g_nTbX, g_nTbY}), (std::array{c.x, c.y})) << c.prevX << ", " << c.prevY;
    }
}
