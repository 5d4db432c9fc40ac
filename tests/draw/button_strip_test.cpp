#include "atlas/trekbuddy.h"
#include "draw/button_strip.h"
#include "support/tile_cache.h"

namespace {

// What each click leaves, "zoom osmX osmY tbX tbY pan dialog", from zoom 12, OSM (2032, 1362), tile (2, 2).
constexpr const char* kStart = "12 2032 1362 2 2 0 0";

QStringList ClickOn(MapKind& map, const QList<QPoint>& points) {
    QStringList effects;
    for (const QPoint point : points) {
        std::tie(g_nZoom, g_nOsmX, g_nOsmY, g_nTbX, g_nTbY, g_bPanView) =
            std::tuple(12u, 2032, 1362, 2, 2, 0);
        const MapReply reply = map.OnClick(point, QSize(800, 600));
        EXPECT_TRUE(reply.repaint) << "every click on the strip repaints";
        effects.append(QString::asprintf("%u %d %d %d %d %d %d", g_nZoom, g_nOsmX, g_nOsmY, g_nTbX, g_nTbY,
                                         g_bPanView, reply.chooseZoom));
    }
    return effects;
}

// Drawn at x and acting on clicks left < x < right (`at`), written out from the strip's layout rather than
// read from the program's table. A Trekbuddy level step to a level that does not exist lands on tile (0, 0).
struct Button {
    const char* name;
    std::array<int, 3> at;
    const char *osm, *tb;
};
const Button kButtons[] = {
    {.name = "zoom", .at = {0, 1, 78}, .osm = kStart, .tb = "12 2032 1362 2 2 0 1"},
    {.name = "zoom_in", .at = {130, 126, 158}, .osm = "13 4064 2724 2 2 0 0", .tb = "13 2032 1362 0 0 0 0"},
    {.name = "zoom_out", .at = {164, 159, 192}, .osm = "11 1016 681 2 2 0 0", .tb = "11 2032 1362 0 0 0 0"},
    {.name = "pan", .at = {220, 218, 271}, .osm = "12 2032 1362 2 2 1 0", .tb = "12 2032 1362 2 2 1 0"},
    {.name = "left", .at = {278, 278, 310}, .osm = "12 2031 1362 2 2 0 0", .tb = "12 2032 1362 1 2 0 0"},
    {.name = "up", .at = {310, 310, 342}, .osm = "12 2032 1361 2 2 0 0", .tb = "12 2032 1362 2 1 0 0"},
    {.name = "down", .at = {342, 342, 374}, .osm = "12 2032 1363 2 2 0 0", .tb = "12 2032 1362 2 3 0 0"},
    {.name = "right", .at = {374, 374, 406}, .osm = "12 2033 1362 2 2 0 0", .tb = "12 2032 1362 3 2 0 0"},
};

} // namespace

// Each range is open at both ends and counts on the pictures' 32 rows only; between and beside the ranges a
// click does nothing but repaint. Each picture lies at its own place in the band, and nothing right of them.
TEST(ButtonStrip, EveryEdgeOfEveryButtonOnBothMapsAndEveryPictureInItsPlace) {
    SettingsStore::WriteAtlasFolder(TestEnv::TempFolder());
    COsmView osm;
    CTrekbuddy trekbuddy;
    QImage expected = TileCache::Picture(800, kBandHeight, [](QPainter&, QRect) {});
    QPainter painter(&expected);
    for (const Button& button : kButtons) {
        const auto [x, left, right] = button.at;
        const QList<QPoint> acting{{left + 1, 10}, {right - 1, 10}, {left + 1, 31}, {right - 1, 0}};
        const QList<QPoint> idle{{left, 10}, {right, 10}, {left + 1, 32}};
        for (const auto& [map, effect] :
             {std::pair<MapKind*, QString>{&osm, button.osm}, {&trekbuddy, button.tb}})
            EXPECT_EQ(ClickOn(*map, acting + idle), QStringList(4, effect) + QStringList(3, kStart))
                << button.name;
        painter.drawImage(x, 0, QImage(QStringLiteral(":/strip_%1.png").arg(button.name)));
    }
    painter.end();
    const QList<QPoint> between{{0, 10}, {125, 10}, {217, 10}, {277, 10}, {407, 10}, {600, 10}};
    EXPECT_EQ(ClickOn(osm, between) + ClickOn(trekbuddy, between), QStringList(12, kStart));
    EXPECT_EQ(TileCache::Picture(800, kBandHeight, [](QPainter& band, QRect) { DrawButtonStrip(band); }),
              expected);
}
