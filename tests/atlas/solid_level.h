#pragma once

#include "atlas/level_folder.h"
#include "atlas/trekbuddy.h"
#include "state/map_state.h"
#include "state/settings_store.h"
#include "support/test_env.h"

#include <QDir>
#include <QPainter>
#include <gtest/gtest.h>

// Levels of one-colour PNG tiles, so that a rendered picture tells which tile lies where.
namespace SolidLevel {

inline constexpr QRgb kUntouched = 0xff505050;
inline constexpr QRgb kBlack = 0xff000000;

inline QRgb CellColour(int column, int row) {
    return qRgb(10 + 24 * column, 10 + 30 * row, 99);
}

// Level `name` with its set folder, in an atlas the settings point at.
inline QString LevelFolder(const QString& name) {
    const QString atlas = TestEnv::TempFolder() + QStringLiteral("/atlas");
    SettingsStore::WriteAtlasFolder(atlas);
    QDir().mkpath(atlas + QLatin1Char('/') + name + QStringLiteral("/set"));
    return atlas + QLatin1Char('/') + name;
}

inline void WriteTile(const QString& level, int column, int row, QSize size) {
    QImage tile(size, QImage::Format_RGB32);
    tile.fill(CellColour(column, row));
    ASSERT_TRUE(tile.save(QStringLiteral("%1/set/t_%2_%3.png").arg(level).arg(column * 256).arg(row * 256)));
}

inline void Write(const QString& name, int columns, int rows) {
    const QString level = LevelFolder(name);
    for (int row = 0; row < rows; ++row)
        for (int column = 0; column < columns; ++column)
            WriteTile(level, column, row, QSize(256, 256));
}

inline void Enter(quint32 zoom) {
    g_nZoom = zoom;
    LoadLevel();
}

inline QImage Render(int width, int height, QRect clip = {}) {
    QImage target(width, height, QImage::Format_RGB32);
    target.fill(kUntouched);
    QPainter painter(&target);
    CTrekbuddy().DrawAtlas(painter, clip.isNull() ? target.rect() : clip);
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

// Target pixel of point (dx, dy) of window cell (column, row): the picture lands one pixel up and left.
inline QPoint CellPoint(int column, int row, int dx = 128, int dy = 128) {
    return QPoint(column * 256 + dx - 1, row * 256 + 33 + dy - 1);
}

} // namespace SolidLevel
