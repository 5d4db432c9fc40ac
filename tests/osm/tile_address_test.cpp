#include "osm/tile_address.h"
#include "state/map_state.h"

#include <gtest/gtest.h>

TEST(TileAddress, CacheNamesUrlsGridAndPlacement) {
    g_szAtlasFolder = QStringLiteral("/maps/cache/");
    g_wszOsmUrl = QStringLiteral("https://tiles.example/");
    EXPECT_EQ(TilePath(12, 2032, 1362), QStringLiteral("/maps/cache/12-2032-1362.png"));
    EXPECT_EQ(TilePath(12, -1, 1362), QStringLiteral("/maps/cache/12--1-1362.png"));
    EXPECT_EQ(TileUrl(12, -1, 1362), QStringLiteral("https://tiles.example/12/-1/1362.png"));
    EXPECT_EQ(TileUrl(13, 4064, 2724), QStringLiteral("https://tiles.example/13/4064/2724.png"));
    EXPECT_EQ(TilePath(-2147483647 - 1, 0, 7), QStringLiteral("/maps/cache/-2147483648-0-7.png"));

    // The grid covers the surface with whole and part tiles.
    EXPECT_EQ(
        (std::array{TileGrid({1000, 700}), TileGrid({255, 255}), TileGrid({256, 256}), TileGrid({0, 0})}),
        (std::array{QSize(4, 3), QSize(1, 1), QSize(2, 2), QSize(1, 1)}));

    // Placement follows position and cell size; 256-pixel cells and the Trekbuddy offsets are placed by the
    // drawn tests.
    std::tie(g_nTileWidth, g_nTileHeight) = std::tuple(200, 100);
    EXPECT_EQ(TilePlacement(2033, 1364), QPoint(200, 233));
    g_nOsmX = -2147483647 - 1;
    EXPECT_EQ(TilePlacement(2147483647, 1362).x(), 2147483647) << "far tiles stay far, never wrap";
}
