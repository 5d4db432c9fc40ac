#include "osm/tile_servers.h"

#include <gtest/gtest.h>

// The whole table, written out once: every address, description and sample picture, in the dialog's order.
TEST(TileServers, TheEightServersTheirDescriptionsAndSamplesAndNothingBeyondTheLast) {
    const std::array<TileServer, kTileServerCount> expected{{
        {.url = "https://tile.openstreetmap.org/",
         .description = "case0  https://tile.openstreetmap.org/",
         .sample = ":/osm_sample_standard.png"},
        {.url = "https://a.tile-cyclosm.openstreetmap.fr/cyclosm/",
         .description = "case 1 https://a.tile-cyclosm.openstreetmap.fr/cyclosm/",
         .sample = ":/osm_sample_cycle.png"},
        {.url = "https://tile.openstreetmap.de/",
         .description = "case 2 https://tile.openstreetmap.de/",
         .sample = ":/osm_sample_standard.png"},
        {.url = "https://a.tile.openstreetmap.fr/hot/",
         .description =
             "The humanitarian style puts first what aid workers and people caught in an emergency look "
             "for: drinking water, lighting, public and community buildings and how good the roads are. "
             "Its pale colours leave room to draw and write on a printed sheet.",
         .sample = ":/osm_sample_humanitarian.png"},
        {.url = "https://tiles.stadiamaps.com/tiles/stamen_toner/",
         .description =
             "case4  Toner: a stark black and white map, made to be printed and to carry overlays. Map "
             "tiles by Stamen Design, served by Stadia Maps; map data \u00a9 OpenStreetMap contributors "
             "(https://www.openstreetmap.org/copyright).",
         .sample = ":/osm_sample_toner.png"},
        {.url = "https://tileserver.memomaps.de/tilegen/",
         .description =
             "case5  A map for travelling by public transport: bus, tram and train lines and their "
             "stops stand out. Map style memomaps, CC-BY-SA; map data OpenStreetMap, ODbL. See "
             "https://memomaps.de/",
         .sample = ":/osm_sample_transport.png"},
        {.url = "https://a.tile.opentopomap.org/",
         .description =
             "case 6 A topographic map drawn from OpenStreetMap data and SRTM elevation: contour lines, "
             "hill shading and clear symbols in the manner of official survey maps. Kartendaten: \u00a9 "
             "OpenStreetMap-Mitwirkende, SRTM | Kartendarstellung: \u00a9 OpenTopoMap (CC-BY-SA).",
         .sample = ":/osm_sample_topo.png"},
        {.url = "https://tile.waymarkedtrails.org/hiking/",
         .description =
             "case7  Marked hiking routes only, on a transparent background: there is no map underneath. "
             "The same project shows routes over a map in its cycling map: "
             "https://cycling.waymarkedtrails.org/",
         .sample = ":/osm_sample_trails.png"},
    }};
    for (int i = 0; i < kTileServerCount; ++i) {
        const TileServer& server = TileServers()[std::size_t(i)];
        const TileServer& written = expected[std::size_t(i)];
        EXPECT_EQ(std::tuple(server.url, server.description, server.sample),
                  std::tuple(written.url, written.description, written.sample))
            << i;
        EXPECT_EQ(std::pair(TileServerDescription(i), TileServerSample(i)),
                  std::pair(written.description, written.sample));
    }
    for (int outside : {-1, kTileServerCount})
        EXPECT_EQ(
            std::pair(TileServerDescription(outside), TileServerSample(outside)),
            std::pair(QStringLiteral("invalid selection"), QStringLiteral(":/osm_sample_standard.png")));
}
