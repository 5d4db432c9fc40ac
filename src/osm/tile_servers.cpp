#include "osm/tile_servers.h"

namespace {

const QString kStandardSample = QStringLiteral(":/osm_sample_standard.png");

const QString kOsmCredit = QStringLiteral("\u00a9 OpenStreetMap contributors");

TileServer Server(const char* url, const QString& description, const char* sample,
                  const QString& attribution) {
    return {QString::fromLatin1(url), description, QString::fromLatin1(sample), attribution};
}

} // namespace

const std::array<TileServer, kTileServerCount>& TileServers() {
    static const std::array<TileServer, kTileServerCount> servers{{
        Server("https://tile.openstreetmap.org/", QStringLiteral("case0  https://tile.openstreetmap.org/"),
               ":/osm_sample_standard.png", kOsmCredit),
        Server("https://a.tile-cyclosm.openstreetmap.fr/cyclosm/",
               QStringLiteral("case 1 https://a.tile-cyclosm.openstreetmap.fr/cyclosm/"),
               ":/osm_sample_cycle.png",
               QStringLiteral(
                   "\u00a9 OpenStreetMap contributors, style CyclOSM, hosted by OpenStreetMap France")),
        Server("https://tile.openstreetmap.de/", QStringLiteral("case 2 https://tile.openstreetmap.de/"),
               ":/osm_sample_standard.png", kOsmCredit),
        Server("https://a.tile.openstreetmap.fr/hot/",
               QStringLiteral("The humanitarian style puts first what aid workers and people caught in an "
                              "emergency look for: drinking water, lighting, public and community buildings "
                              "and how good the roads are. Its pale colours leave room to draw and write on "
                              "a printed sheet."),
               ":/osm_sample_humanitarian.png",
               QStringLiteral(
                   "\u00a9 OpenStreetMap contributors, style Humanitarian OpenStreetMap Team, hosted by "
                   "OpenStreetMap France")),
        Server("https://tiles.stadiamaps.com/tiles/stamen_toner/",
               QStringLiteral("case4  Toner: a stark black and white map, made to be printed and to carry "
                              "overlays. Map tiles by Stamen Design, served by Stadia Maps; map data "
                              "\u00a9 OpenStreetMap contributors (https://www.openstreetmap.org/copyright)."),
               ":/osm_sample_toner.png",
               QStringLiteral("\u00a9 Stadia Maps \u00a9 Stamen Design \u00a9 OpenMapTiles \u00a9 "
                              "OpenStreetMap contributors")),
        Server("https://tileserver.memomaps.de/tilegen/",
               QStringLiteral("case5  A map for travelling by public transport: bus, tram and train lines "
                              "and their stops stand out. Map style memomaps, CC-BY-SA; map data "
                              "OpenStreetMap, ODbL. See https://memomaps.de/"),
               ":/osm_sample_transport.png",
               QStringLiteral("Map memomaps.de CC-BY-SA, map data \u00a9 OpenStreetMap contributors")),
        Server("https://a.tile.opentopomap.org/",
               QStringLiteral("case 6 A topographic map drawn from OpenStreetMap data and SRTM elevation: "
                              "contour lines, hill shading and clear symbols in the manner of official "
                              "survey maps. Kartendaten: \u00a9 OpenStreetMap-Mitwirkende, SRTM | "
                              "Kartendarstellung: \u00a9 OpenTopoMap (CC-BY-SA)."),
               ":/osm_sample_topo.png",
               QStringLiteral(
                   "Map data: \u00a9 OpenStreetMap contributors, SRTM | Map style: \u00a9 OpenTopoMap "
                   "(CC-BY-SA)")),
        Server(
            "https://tile.waymarkedtrails.org/hiking/",
            QStringLiteral("case7  Marked hiking routes only, on a transparent background: there is no "
                           "map underneath. The same project shows routes over a map in its cycling map: "
                           "https://cycling.waymarkedtrails.org/"),
            ":/osm_sample_trails.png",
            QStringLiteral(
                "Routes \u00a9 waymarkedtrails.org (CC-BY-SA), map data \u00a9 OpenStreetMap contributors")),
    }};
    return servers;
}

QString TileServerDescription(int index) {
    if (index < 0 || index >= kTileServerCount)
        return QStringLiteral("invalid selection");
    return TileServers()[std::size_t(index)].description;
}

QString TileServerSample(int index) {
    if (index < 0 || index >= kTileServerCount)
        return kStandardSample;
    return TileServers()[std::size_t(index)].sample;
}

QString TileServerAttribution(const QString& url) {
    for (const TileServer& server : TileServers()) {
        if (server.url == url)
            return server.attribution;
    }
    return kOsmCredit;
}
