#include "draw/status_text.h"
#include "support/tile_cache.h"

#include <optional>

namespace {

struct Case {
    const char* name;
    std::array<qint32, 6> grid; // zoom, g_nOsmX, g_nOsmY, g_nTbX, g_nTbY, cell size
    QPoint at;
    std::optional<std::pair<double, double>> place; // latitude, longitude
};

} // namespace

// Expected places are tile corners of the Web Mercator pyramid worked out beforehand: the north-west corner
// of tile (x, y) at zoom z lies at longitude x / 2^z * 360 - 180 and latitude atan(sinh(pi (1 - 2 y / 2^z))).
// A view pixel shows back-buffer pixel (+1, +1); the tiles start 33 rows down.
TEST(OsmPosition, TileCornersAtZoom12And16UnderTheTrekbuddyOffsetsAndNothingOffTheWorldOrOverTheBand) {
    const Case cases[] = {
        {.name = "2033, 1363",
         .grid = {12, 2032, 1362, 0, 0, 256},
         .at = {255, 288},
         .place = {{51.454006910, -1.318359375}}},
        {.name = "32504, 21793",
         .grid = {16, 32500, 21790, 2, 1, 256},
         .at = {511, 544},
         .place = {{51.505323411, -1.450195312}}},
        {.name = "32504.5, 21793.25",
         .grid = {16, 32500, 21790, 2, 1, 256},
         .at = {639, 608},
         .place = {{51.504468610, -1.447448730}}},
        {.name = "the band's last row", .grid = {12, 2032, 1362, 0, 0, 256}, .at = {255, 31}, .place = {}},
        {.name = "west of the world", .grid = {3, -1, 2, 0, 0, 256}, .at = {100, 100}, .place = {}},
        {.name = "the world's east edge", .grid = {3, 7, 2, 0, 0, 256}, .at = {255, 100}, .place = {}},
        {.name = "its last pixel",
         .grid = {3, 7, 7, 0, 0, 256},
         .at = {254, 287},
         .place = {{-85.035941507, 179.82421875}}},
        {.name = "a gap in wider cells", .grid = {12, 2032, 1362, 0, 0, 300}, .at = {255, 100}, .place = {}},
    };
    for (const Case& c : cases) {
        const auto [zoom, x, y, tbX, tbY, cell] = c.grid;
        std::tie(g_nZoom, g_nOsmX, g_nOsmY, g_nTbX, g_nTbY) = std::tuple(quint32(zoom), x, y, tbX, tbY);
        g_nTileWidth = g_nTileHeight = cell;
        EXPECT_TRUE(TileCache::IsPlace(COsmView().PositionAt(c.at), c.place, 1e-6)) << c.name;
    }
    EXPECT_EQ(PositionText({.latitude = 52.512341, .longitude = -1.234564}), "52.51234 N  1.23456 W");
    EXPECT_EQ(PositionText({.latitude = -0.5, .longitude = 179.999999}), "0.50000 S  180.00000 E");
}
