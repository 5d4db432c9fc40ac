#pragma once

#include <QString>
#include <array>

// The tile web servers the OSM map can take its tiles from, in the order the server dialog lists them.
struct TileServer {
    QString url;         // base URL: HTTPS, ends in "/"
    QString description; // what the dialog says about the server
    QString sample;      // resource of a 256 x 256 sample picture of its style
    QString attribution; // the credit its terms ask to be shown on the map
};

inline constexpr int kTileServerCount = 8;
const std::array<TileServer, kTileServerCount>& TileServers();

// The description of server `index`, or "invalid selection" for an index outside the table.
QString TileServerDescription(int index);

// The sample picture resource of server `index`; the standard style for an index outside the table.
QString TileServerSample(int index);

// The credit to show on a map drawn from tiles of the base URL `url`; the map data's own for a server not in
// the table, since every server offered draws OpenStreetMap data.
QString TileServerAttribution(const QString& url);

// Where the dialog's link leads: the map data's copyright and licence page.
inline const QString kOsmCopyrightUrl = QStringLiteral("https://www.openstreetmap.org/copyright");
