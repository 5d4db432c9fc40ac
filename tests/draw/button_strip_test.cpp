#include "atlas/trekbuddy.h"
#include "draw/button_strip.h"
#include "support/tile_cache.h"

#include <QPainter>
#include <tuple>

namespace {

// What a click may change: zoom, OSM column and row, Trekbuddy column and row, pan view, zoom dialog.
using Effect = std::tuple<quint32, qint32, qint32, qint32, qint32, qint32, bool>;

const Effect kStart{12, 2032, 1362, 2, 2, 0, false};

Effect ClickOn(MapKind& map, QPoint point) {
    std::tie(g_nZoom, g_nOsmX, g_nOsmY, g_nTbX, g_nTbY, g_bPanView) = std::tuple(12u, 2032, 1362, 2, 2, 0);
    const MapReply reply = map.OnClick(point, QSize(800, 600));
    EXPECT_TRUE(reply.repaint) << "every click on the strip repaints";
    return {g_nZoom, g_nOsmX, g_nOsmY, g_nTbX, g_nTbY, g_bPanView, reply.chooseZoom};
}

struct Button {
    const char* picture;
    std::array<int, 3> place; // drawn at x, and the open click range left < x < right
    Effect osm, trekbuddy;
};

// Written out from the strip's layout, not read from the program's table. A Trekbuddy level step to a level
// that does not exist lands on its tile (0, 0).
const Button kButtons[] = {
    {.picture = ":/strip_zoom.png",
     .place = {0, 1, 78},
     .osm = kStart,
     .trekbuddy = {12, 2032, 1362, 2, 2, 0, true}},
    {.picture = ":/strip_zoom_in.png",
     .place = {130, 126, 158},
     .osm = {13, 4064, 2724, 2, 2, 0, false},
     .trekbuddy = {13, 2032, 1362, 0, 0, 0, false}},
    {.picture = ":/strip_zoom_out.png",
     .place = {164, 159, 192},
     .osm = {11, 1016, 681, 2, 2, 0, false},
     .trekbuddy = {11, 2032, 1362, 0, 0, 0, false}},
    {.picture = ":/strip_pan.png",
     .place = {220, 218, 271},
     .osm = {12, 2032, 1362, 2, 2, 1, false},
     .trekbuddy = {12, 2032, 1362, 2, 2, 1, false}},
    {.picture = ":/strip_left.png",
     .place = {278, 278, 310},
     .osm = {12, 2031, 1362, 2, 2, 0, false},
     .trekbuddy = {12, 2032, 1362, 1, 2, 0, false}},
    {.picture = ":/strip_up.png",
     .place = {310, 310, 342},
     .osm = {12, 2032, 1361, 2, 2, 0, false},
     .trekbuddy = {12, 2032, 1362, 2, 1, 0, false}},
    {.picture = ":/strip_down.png",
     .place = {342, 342, 374},
     .osm = {12, 2032, 1363, 2, 2, 0, false},
     .trekbuddy = {12, 2032, 1362, 2, 3, 0, false}},
    {.picture = ":/strip_right.png",
     .place = {374, 374, 406},
     .osm = {12, 2033, 1362, 2, 2, 0, false},
     .trekbuddy = {12, 2032, 1362, 3, 2, 0, false}},
};

} // namespace

// Each range is open at both ends and counts on the pictures' 32 rows only; between and beside the ranges a
// click does nothing but repaint. Each picture lies at its own place in the band.
TEST(ButtonStrip, EveryEdgeOfEveryButtonOnBothMapsAndEveryPictureInItsPlace) {
    SettingsStore::WriteAtlasFolder(TestEnv::TempFolder());
    COsmView osm;
    CTrekbuddy trekbuddy;
    const std::pair<MapKind*, Effect Button::*> maps[] = {{&osm, &Button::osm},
                                                          {&trekbuddy, &Button::trekbuddy}};
    for (const auto& [map, effect] : maps) {
        for (const Button& button : kButtons) {
            const auto [x, left, right] = button.place;
            const std::pair<QPoint, bool> clicks[] = {
                {{left, 10}, false},    {{left + 1, 10}, true}, {{right - 1, 10}, true},
                {{right, 10}, false},   {{left + 1, 31}, true}, {{left + 1, 32}, false},
                {{right - 1, 0}, true},
            };
            for (const auto& [point, acts] : clicks)
                EXPECT_EQ(ClickOn(*map, point), acts ? button.*effect : kStart)
                    << button.picture << " at " << point.x() << ", " << point.y();
        }
    }
    for (const int x : {0, 79, 125, 193, 217, 272, 277, 407, 600})
        EXPECT_EQ(std::pair(ClickOn(osm, {x, 10}), ClickOn(trekbuddy, {x, 10})), std::pair(kStart, kStart))
            << x;

    const QImage band =
        TileCache::Picture(800, kBandHeight, [](QPainter& painter, QRect) { DrawButtonStrip(painter); });
    int right = 0;
    for (const Button& button : kButtons) {
        const QImage picture =
            QImage(QString::fromLatin1(button.picture)).convertToFormat(QImage::Format_RGB32);
        EXPECT_EQ(band.copy(QRect(QPoint(button.place[0], 0), picture.size())), picture) << button.picture;
        right = std::max(right, button.place[0] + picture.width());
    }
    EXPECT_EQ(band.copy(right, 0, 800 - right, kBandHeight),
              TileCache::Picture(800 - right, kBandHeight, [](QPainter&, QRect) {}))
        << "nothing right of the strip";
}
