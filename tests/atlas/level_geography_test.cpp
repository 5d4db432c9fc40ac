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

} // namespace

// On a Mercator level the latitude follows the Mercator function down the image: halfway down from 60 N to
// 50 N lies at 55.31379 N (worked out beforehand from y = ln tan(pi/4 + lat/2)), not at 55. View pixel (x, y)
// shows level pixel (x + 1, y - 32).
TEST(LevelGeography, MercatorAndLinearLevelsPlaceThePointerAndNothingOutsideTheLevelOrTheMap) {
    struct Case {
        const char* map; // the projection
        qint32 tbY = 0;
        qint32 pan = 0;
        QPoint at;
        std::optional<std::pair<double, double>> place; // latitude, longitude
    };
    const char* const merc = "Mercator";
    const Case cases[] = {
        {.map = merc, .at = {383, 544}, .place = {{55.313794037, 3.0}}},
        {.map = merc, .tbY = 1, .at = {0, 32}, .place = {{57.732689703, -1.986979167}}}, // a quarter down
        {.map = "Latitude/Longitude", .at = {383, 544}, .place = {{55.0, 3.0}}},
        {.map = "Transverse Mercator", .at = {383, 544}, .place = {{55.0, 3.0}}},
        // The last column, then right of the level, below it, over the band and on the pan image.
        {.map = merc, .at = {766, 100}, .place = {{59.412191957, 7.986979167}}},
        {.map = merc, .at = {767, 100}, .place = {}},
        {.map = merc, .tbY = 3, .at = {100, 288}, .place = {}},
        {.map = merc, .at = {383, 31}, .place = {}},
        {.map = merc, .pan = 1, .at = {383, 544}, .place = {}},
    };
    for (const Case& c : cases) {
        WriteLevel(c.map);
        std::tie(g_nTbY, g_bPanView) = std::tuple(c.tbY, c.pan);
        EXPECT_TRUE(TileCache::IsPlace(CTrekbuddy().PositionAt(c.at), c.place, 1e-5))
            << c.map << " " << c.at.x() << "," << c.at.y();
    }
    std::tie(g_nTbY, g_bPanView) = std::tuple(0, 0);
    // A tared level reads the calibration file inside its archive.
    WriteLevel("Mercator");
    ASSERT_TRUE(AtlasBuilder::TarLevel(g_szAtlasFolder, false));
    ASSERT_FALSE(QFile::exists(g_szAtlasFolder + QStringLiteral("/12.map")));
    EXPECT_TRUE(TileCache::IsPlace(CTrekbuddy().PositionAt({383, 544}), {{55.313794037, 3.0}}, 1e-5));
    QDir(g_szAtlasFolder).removeRecursively();
    Write(QStringLiteral("12"), 3, 4);
    Enter(12);
    EXPECT_FALSE(CTrekbuddy().PositionAt({383, 544})) << "no calibration, no place";
}
