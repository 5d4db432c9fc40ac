#pragma once

#include "atlas_builder.h"
#include "osm/osm_view.h"
#include "state/map_state.h"
#include "state/settings_store.h"
#include "support/loopback_tile_server.h"
#include "support/test_env.h"

#include <QBuffer>
#include <QDir>
#include <QPainter>
#include <gtest/gtest.h>

// An OSM tile cache in the test's folder, and the OSM map drawn from it into a picture.
namespace OsmCache {

inline constexpr QRgb kUntouched = 0xff505050;
inline constexpr QRgb kBlack = 0xff000000;

// The cache folder, which the settings name as the atlas folder.
inline QString Folder() {
    const QString cache = TestEnv::TempFolder() + QStringLiteral("/cache");
    QDir().mkpath(cache);
    SettingsStore::WriteAtlasFolder(cache);
    return cache;
}

inline QString TileFile(int z, int x, int y) {
    return QStringLiteral("%1/%2-%3-%4.png").arg(Folder()).arg(z).arg(x).arg(y);
}

inline QRgb CellColour(int x, int y) {
    return qRgb(10 + 24 * (x % 10), 10 + 30 * (y % 8), 99);
}

// A one-colour tile at zoom 12, so that a picture tells which tile lies where.
inline void WriteSolid(int x, int y) {
    QImage tile(256, 256, QImage::Format_RGB32);
    tile.fill(CellColour(x, y));
    ASSERT_TRUE(tile.save(TileFile(12, x, y)));
}

// The PNG file of WriteSolid's tile, as a server sends it.
inline QByteArray SolidPng(int x, int y) {
    QImage tile(256, 256, QImage::Format_RGB32);
    tile.fill(CellColour(x, y));
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    tile.save(&buffer, "PNG");
    return png;
}

// Has `server` answer every zoom-12 tile of `columns` x `rows` from (2032, 1362) with its one-colour PNG.
inline void ServeArea(LoopbackTileServer& server, int columns, int rows) {
    for (int y = 1362; y < 1362 + rows; ++y)
        for (int x = 2032; x < 2032 + columns; ++x)
            server.SetAnswer(QStringLiteral("/12/%1/%2.png").arg(x).arg(y).toLatin1(),
                             {200, SolidPng(x, y), LoopbackTileServer::Fault::None, {}});
}

// The paths the server was asked for, in order.
inline QStringList RequestedPaths(const LoopbackTileServer& server) {
    QStringList paths;
    for (const LoopbackTileServer::Request& request : server.Requests())
        paths.append(QString::fromLatin1(request.path));
    return paths;
}

inline void WriteEmpty(int z, int x, int y) {
    QFile file(TileFile(z, x, y));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
}

inline QImage Render(int width, int height) {
    QImage target(width, height, QImage::Format_RGB32);
    target.fill(kUntouched);
    QPainter painter(&target);
    COsmView().DrawOsmMap(painter, target.rect());
    return target;
}

// Whether `area` holds a near-white pixel, as the cores of map text letters are.
inline bool HasWhite(const QImage& image, const QRect& area) {
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (qGray(image.pixel(x, y)) > 230)
                return true;
    return false;
}

// The first line of the no-tiles note (y = 100) and the fifth (y = 300), which the folder note lacks.
inline bool ShowsNoTilesNote(const QImage& image) {
    return HasWhite(image, QRect(5, 99, 300, 14)) && HasWhite(image, QRect(5, 299, 300, 14));
}

// The map at zoom 12 from tile (2032, 1362) over the cache folder, downloading from `server`.
inline void Enter(const QString& server) {
    Folder();
    g_nMapType = kMapTypeOsm;
    g_nZoom = 12;
    std::tie(g_nOsmX, g_nOsmY) = std::tuple{2032, 1362};
    g_nTileWidth = g_nTileHeight = 256;
    g_wszOsmUrl = g_wszOsmServer = server;
}

} // namespace OsmCache
