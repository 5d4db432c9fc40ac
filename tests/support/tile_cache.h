#pragma once

#include "atlas_builder.h"
#include "loopback_tile_server.h"
#include "osm/osm_view.h"
#include "state/map_state.h"
#include "state/settings_store.h"
#include "support/test_env.h"

#include <QBuffer>
#include <QDir>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <iomanip>
#include <optional>

// One-colour tiles, so that a drawn, printed or previewed picture tells which tile lies where; an OSM tile
// cache of them in the test's folder, and the OSM map drawn from it.
namespace TileCache {

inline constexpr QRgb kUntouched = 0xff505050, kBlack = 0xff000000;

inline QRgb CellColour(int x, int y) {
    return qRgb(10 + 24 * (x % 10), 10 + 30 * (y % 8), 99);
}

inline QImage SolidTile(int x, int y, QSize size = QSize(256, 256)) {
    QImage tile(size, QImage::Format_RGB32);
    tile.fill(CellColour(x, y));
    return tile;
}

// Whether the pixel at `point` is `colour`, give or take the noise of JPEG coding or
// a print service.
inline ::testing::AssertionResult Shows(const QImage& image, QPoint point, QRgb colour) {
    const QRgb pixel = image.pixel(point);
    const int off = std::max({std::abs(qRed(pixel) - qRed(colour)), std::abs(qGreen(pixel) - qGreen(colour)),
                              std::abs(qBlue(pixel) - qBlue(colour))});
    return (off <= 6 ? ::testing::AssertionSuccess() : ::testing::AssertionFailure())
           << "pixel " << point.x() << "," << point.y() << " is " << std::hex << pixel;
}

inline void WriteFile(const QString& path, const QByteArray& bytes = {}) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size()) << path.toStdString();
}

// A picture filled with kUntouched that `draw` paints on.
template <typename Draw> QImage Picture(int width, int height, Draw draw) {
    QImage target(width, height, QImage::Format_RGB32);
    target.fill(kUntouched);
    QPainter painter(&target);
    draw(painter, target.rect());
    return target;
}

// Calls `visit` with each point of `area` and the colour of `image` there.
template <typename Visit> void EachPixel(const QImage& image, const QRect& area, Visit visit) {
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            visit(QPoint(x, y), image.pixel(x, y));
}

// Whether `area` holds a near-white pixel, as the cores of map text letters are.
inline bool HasWhite(const QImage& image, const QRect& area) {
    int white = 0;
    EachPixel(image, area, [&white](QPoint, QRgb pixel) { white += qGray(pixel) > 230; });
    return white > 0;
}

// Target pixel of point (dx, dy) of window cell (column, row) with 256-pixel cells: one pixel up and left.
inline QPoint CellPoint(int column, int row, int dx = 128, int dy = 128) {
    return QPoint(column * 256 + dx - 1, row * 256 + 33 + dy - 1);
}

// Tiles 0..columns-1 by 0..rows-1 of zoom 12, but `missing`, in a fresh folder that g_szAtlasFolder names.
inline void Write(int columns, int rows, QPoint missing = {-1, -1}) {
    g_szAtlasFolder = TestEnv::TempFolder() + QLatin1Char('/');
    g_nZoom = 12;
    for (int row = 0; row < rows; ++row)
        for (int column = 0; column < columns; ++column)
            if (QPoint(column, row) != missing) {
                ASSERT_TRUE(SolidTile(column, row)
                                .save(g_szAtlasFolder + QStringLiteral("12-%1-%2.png").arg(column).arg(row)));
            }
}

// Tiles of `size` in the set folder of `level`, named by their pixel position, each of its cell colour, but
// `missing`.
inline void WriteSetTiles(const QString& level, int columns, int rows, QSize size, const char* format = "png",
                          QPoint missing = {-1, -1}) {
    QDir().mkpath(level + QStringLiteral("/set"));
    for (int row = 0; row < rows; ++row)
        for (int column = 0; column < columns; ++column)
            if (QPoint(column, row) != missing) {
                const QString name =
                    QStringLiteral("/set/t_%1_%2.%3").arg(column * size.width()).arg(row * size.height());
                ASSERT_TRUE(SolidTile(column, row, size).save(level + name.arg(QLatin1String(format))));
            }
}

// The test case's tile cache or atlas folder, which the settings name as the atlas folder.
inline QString Folder() {
    const QString cache = TestEnv::TempFolder() + QStringLiteral("/cache");
    QDir().mkpath(cache);
    SettingsStore::WriteAtlasFolder(cache);
    return cache;
}

inline QString TileFile(int z, int x, int y) {
    return QStringLiteral("%1/%2-%3-%4.png").arg(Folder()).arg(z).arg(x).arg(y);
}

// Has `server` answer every zoom-12 tile of `columns` x `rows` from (2032, 1362) with its one-colour PNG.
inline void ServeArea(LoopbackTileServer& server, int columns, int rows) {
    for (int y = 1362; y < 1362 + rows; ++y)
        for (int x = 2032; x < 2032 + columns; ++x) {
            QByteArray png;
            QBuffer buffer(&png);
            buffer.open(QIODevice::WriteOnly);
            SolidTile(x, y).save(&buffer, "PNG");
            server.SetAnswer(QStringLiteral("/12/%1/%2.png").arg(x).arg(y).toLatin1(),
                             {200, png, LoopbackTileServer::Fault::None, {}});
        }
}

inline QStringList RequestedPaths(const LoopbackTileServer& server) {
    QStringList paths;
    for (const LoopbackTileServer::Request& request : server.Requests())
        paths.append(QString::fromLatin1(request.path));
    return paths;
}

inline QImage Render(int width, int height) {
    return Picture(width, height,
                   [](QPainter& painter, QRect area) { COsmView().DrawOsmMap(painter, area); });
}

// The first and the fifth line of the no-tiles note; the folder note has no fifth.
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

// The smallest rectangle holding every pixel in which `a` and `b` (of one size) differ; empty when none does.
inline QRect DifferingArea(const QImage& a, const QImage& b) {
    QRect area;
    EachPixel(a, a.rect(), [&](QPoint point, QRgb pixel) {
        if (pixel != b.pixel(point))
            area |= QRect(point, QSize(1, 1));
    });
    return area;
}

// Whether `area` of `image` shows a tile server's credit as the map draws it on screen: a light box a tenth
// of an inch high or less, wider than high, with dark letters on it.
inline ::testing::AssertionResult ShowsCredit(const QImage& image, const QRect& area) {
    int light = 0, dark = 0;
    EachPixel(image, area, [&](QPoint, QRgb pixel) {
        light += qGray(pixel) > 180;
        dark += qGray(pixel) < 100;
    });
    const bool credit = area.height() >= 8 && area.height() <= 24 && area.width() > 4 * area.height() &&
                        light > area.width() * area.height() / 2 && dark > 20;
    return (credit ? ::testing::AssertionSuccess() : ::testing::AssertionFailure())
           << area.x() << "," << area.y() << " " << area.width() << "x" << area.height() << ": " << light
           << " light, " << dark << " dark pixels";
}

// Whether `position` is the place `expected` (latitude, longitude) within `tolerance` degrees, or both are
// none.
inline ::testing::AssertionResult IsPlace(const std::optional<GeoPosition>& position,
                                          const std::optional<std::pair<double, double>>& expected,
                                          double tolerance) {
    const bool same = position && expected ? std::abs(position->latitude - expected->first) <= tolerance &&
                                                 std::abs(position->longitude - expected->second) <= tolerance
                                           : position.has_value() == expected.has_value();
    return (same ? ::testing::AssertionSuccess() : ::testing::AssertionFailure())
           << std::setprecision(10) << (position ? position->latitude : NAN) << ", "
           << (position ? position->longitude : NAN);
}

} // namespace TileCache
