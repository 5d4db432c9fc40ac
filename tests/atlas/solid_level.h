#pragma once

#include "atlas/level_folder.h"
#include "state/map_state.h"
#include "state/settings_store.h"
#include "support/test_env.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

// Levels whose tiles are each of one colour of their own, so that a rendered picture tells which tile lies
// where. Tiles are PNG so that the colours survive the file unchanged.
namespace SolidLevel {

inline QRgb CellColour(int column, int row) {
    return qRgb(10 + 24 * column, 10 + 30 * row, 99);
}

inline QString Atlas() {
    const QString atlas = TestEnv::TempFolder() + QStringLiteral("/atlas");
    QDir().mkpath(atlas);
    SettingsStore::WriteAtlasFolder(atlas);
    return atlas;
}

inline QString LevelFolder(const QString& name) {
    return Atlas() + QLatin1Char('/') + name;
}

inline void WriteTile(const QString& level, int column, int row, QSize size, QSize cell = {256, 256}) {
    QImage tile(size, QImage::Format_RGB32);
    tile.fill(CellColour(column, row));
    const QString path =
        QStringLiteral("%1/set/t_%2_%3.png").arg(level).arg(column * cell.width()).arg(row * cell.height());
    ASSERT_TRUE(tile.save(path)) << path.toStdString();
}

// A level of columns x rows tiles of `size`, in the folder `name` of the test's atlas.
inline void Write(const QString& name, int columns, int rows, QSize size = {256, 256}) {
    const QString level = LevelFolder(name);
    ASSERT_TRUE(QDir().mkpath(level + QStringLiteral("/set")));
    for (int row = 0; row < rows; ++row)
        for (int column = 0; column < columns; ++column)
            WriteTile(level, column, row, size, size);
}

inline void Enter(quint32 zoom) {
    g_nZoom = zoom;
    LoadLevel();
}

// A picture that the map has not touched keeps this colour.
inline constexpr QRgb kUntouched = 0xff505050;

inline QImage BlankTarget(int width, int height) {
    QImage target(width, height, QImage::Format_RGB32);
    target.fill(kUntouched);
    return target;
}

// Whether any pixel of `area` in `image` is near white, as the cores of map text letters are.
inline bool HasWhite(const QImage& image, const QRect& area) {
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (qRed(image.pixel(x, y)) > 230 && qGreen(image.pixel(x, y)) > 230 &&
                qBlue(image.pixel(x, y)) > 230)
                return true;
    return false;
}

// Target pixel of the point (dx, dy) of the tile drawn in window cell (column, row): the composed picture
// reaches its target shifted by one pixel up and left.
inline QPoint CellPoint(int column, int row, int dx = 128, int dy = 128, QSize cell = {256, 256}) {
    return QPoint(column * cell.width() + dx - 1, row * cell.height() + 33 + dy - 1);
}

} // namespace SolidLevel
