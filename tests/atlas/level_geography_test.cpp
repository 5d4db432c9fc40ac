#include "atlas/level_geography.h"
#include "solid_level.h"

#include <QFile>

using namespace SolidLevel;

namespace {

// Level 12 of 3 x 4 tiles of 256 pixels (768 x 1024), from 60 N to 50 N and from 2 W to 8 E, its
// calibration file naming `projection`.
void WriteLevel(const char* projection) {
    const QString level = Write(QStringLiteral("12"), 3, 4);
    QString text = AtlasBuilder::CalibrationText(QStringLiteral("12.png"), 768, 1024,
                                                 {.north = 60, .south = 50, .west = 2, .east = -8});
    text.replace(QStringLiteral("Map Projection,Latitude/Longitude,"),
                 QStringLiteral("Map Projection,%1,").arg(QLatin1String(projection)));
    WriteFile(level + QStringLiteral("/12.map"), text.toLatin1());
    Enter(12);
}

struct Case {
    const char* name;
    const char* projection;
    std::array<qint32, 2> state; // g_nTbY, g_bPanView
    QPoint point;
    std::optional<std::pair<double, double>> expected; // latitude, longitude
};

} // namespace

// On a Mercator level the latitude follows the Mercator function down the image: halfway down from 60 N to
// 50 N lies at 55.31379 N (worked out beforehand from y = ln tan(pi/4 + lat/2)), not at 55. View pixel (x, y)
// shows level pixel (x + 1, y - 32).
TEST(LevelGeography, MercatorAndLinearLevelsPlaceThePointerAndNothingOutsideTheLevelOrTheMap) {
    const Case cases[] = {
        {.name = "halfway",
         .projection = "Mercator",
         .state = {0, 0},
         .point = {383, 544},
         .expected = {{55.313794037, 3.0}}},
        {.name = "a quarter down, a row scrolled",
         .projection = "Mercator",
         .state = {1, 0},
         .point = {0, 32},
         .expected = {{57.732689703, -1.986979167}}},
        {.name = "linear halfway",
         .projection = "Latitude/Longitude",
         .state = {0, 0},
         .point = {383, 544},
         .expected = {{55.0, 3.0}}},
        {.name = "transverse is no Mercator",
         .projection = "Transverse Mercator",
         .state = {0, 0},
         .point = {383, 544},
         .expected = {{55.0, 3.0}}},
        {.name = "the last column",
         .projection = "Mercator",
         .state = {0, 0},
         .point = {766, 100},
         .expected = {{59.412191957, 7.986979167}}},
        {.name = "right of the level",
         .projection = "Mercator",
         .state = {0, 0},
         .point = {767, 100},
         .expected = {}},
        {.name = "below it", .projection = "Mercator", .state = {3, 0}, .point = {100, 288}, .expected = {}},
        {.name = "over the band",
         .projection = "Mercator",
         .state = {0, 0},
         .point = {383, 31},
         .expected = {}},
        {.name = "the pan image",
         .projection = "Mercator",
         .state = {0, 1},
         .point = {383, 544},
         .expected = {}},
    };
    for (const Case& c : cases) {
        WriteLevel(c.projection);
        std::tie(g_nTbY, g_bPanView) = std::tuple(c.state[0], c.state[1]);
        EXPECT_TRUE(TileCache::IsPlace(CTrekbuddy().PositionAt(c.point), c.expected, 1e-5)) << c.name;
    }
    QFile::remove(g_szAtlasFolder + QStringLiteral("/12.map"));
    EXPECT_FALSE(CTrekbuddy().PositionAt({383, 544})) << "no calibration, no place";
}
