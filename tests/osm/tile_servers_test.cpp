#include "osm/tile_servers.h"

#include <gtest/gtest.h>

// The whole table, written out once: every address, description, sample picture and credit, in the dialog's
// order. A server outside the table gets the map data's credit.
TEST(TileServers, TheEightServersTheirDescriptionsAndSamplesAndNothingBeyondTheLast) {
    const std::array<TileServer, kTileServerCount> expected{{
        {.url = "https://tile.openstreetmap.org/",
         .description = "case0  https://tile.openstreetmap.org/",
         .sample = ":/osm_sample_standard.png",
         .attribution = "\u00a9 OpenStreetMap contributors"},
        {.url = "https://a.tile-cyclosm.openstreetmap.fr/cyclosm/",
         .description = "case 1 https://a.tile-cyclosm.openstreetmap.fr/cyclosm/",
         .sample = ":/osm_sample_cycle.png",
         .attribution = "\u00a9 OpenStreetMap contributors, style CyclOSM, hosted by OpenStreetMap France"},
        {.url = "https://tile.openstreetmap.de/",
         .description = "case 2 https://tile.openstreetmap.de/",
         .sample = ":/osm_sample_standard.png",
         .attribution = "\u00a9 OpenStreetMap contributors"},
        {.url = "https://a.tile.openstreetmap.fr/hot/",
         .description =
             "The humanitarian style puts first what aid workers and people caught in an emergency look "
             "for: drinking water, lighting, public and community buildings and how good the roads are. "
             "Its pale colours leave room to draw and write on a printed sheet.",
         .sample = ":/osm_sample_humanitarian.png",
         .attribution = "\u00a9 OpenStreetMap contributors, style Humanitarian OpenStreetMap Team, hosted by "
                        "OpenStreetMap France"},
        {.url = "https://tiles.stadiamaps.com/tiles/stamen_toner/",
         .description =
             "case4  Toner: a stark black and white map, made to be printed and to carry overlays. Map "
             "tiles by Stamen Design, served by Stadia Maps; map data \u00a9 OpenStreetMap contributors "
             "(https://www.openstreetmap.org/copyright).",
         .sample = ":/osm_sample_toner.png",
         .attribution =
             "\u00a9 Stadia Maps \u00a9 Stamen Design \u00a9 OpenMapTiles \u00a9 OpenStreetMap contributors"},
        {.url = "https://tileserver.memomaps.de/tilegen/",
         .description =
             "case5  A map for travelling by public transport: bus, tram and train lines and their "
             "stops stand out. Map style memomaps, CC-BY-SA; map data OpenStreetMap, ODbL. See "
             "https://memomaps.de/",
         .sample = ":/osm_sample_transport.png",
         .attribution = "Map memomaps.de CC-BY-SA, map data \u00a9 OpenStreetMap contributors"},
        {.url = "https://a.tile.opentopomap.org/",
         .description =
             "case 6 A topographic map drawn from OpenStreetMap data and SRTM elevation: contour lines, "
             "hill shading and clear symbols in the manner of official survey maps. Kartendaten: \u00a9 "
             "OpenStreetMap-Mitwirkende, SRTM | Kartendarstellung: \u00a9 OpenTopoMap (CC-BY-SA).",
         .sample = ":/osm_sample_topo.png",
         .attribution =
             "Map data: \u00a9 OpenStreetMap contributors, SRTM | Map style: \u00a9 OpenTopoMap (CC-BY-SA)"},
        {.url = "https://tile.waymarkedtrails.org/hiking/",
         .description =
             "case7  Marked hiking routes only, on a transparent background: there is no map underneath. "
             "The same project shows routes over a map in its cycling map: "
             "https://cycling.waymarkedtrails.org/",
         .sample = ":/osm_sample_trails.png",
         .attribution =
             "Routes \u00a9 waymarkedtrails.org (CC-BY-SA), map data \u00a9 OpenStreetMap contributors"},
    }};
    for (int i = 0; i < kTileServerCount; ++i) {
        const TileServer& written = expected[std::size_t(i)];
        EXPECT_EQ(std::tuple(TileServers()[std::size_t(i)].url, TileServerDescription(i), TileServerSample(i),
                             TileServerAttribution(written.url)),
                  std::tuple(written.url, written.description, written.sample, written.attribution));
    }
    EXPECT_EQ(TileServerAttribution(QStringLiteral("https://127.0.0.1/")),
              QStringLiteral("\u00a9 OpenStreetMap contributors"));
    for (int outside : {-1, kTileServerCount})
        EXPECT_EQ(
            std::pair(TileServerDescription(outside), TileServerSample(outside)),
            std::pair(QStringLiteral("invalid selection"), QStringLiteral(":/osm_sample_standard.png")));
}
