#pragma once

#include "app/tarnwell_doc.h"
#include "atlas/level_folder.h"
#include "atlas/tile_count.h"
#include "atlas/trekbuddy.h"
#include "support/tile_cache.h"
#include "view/tarnwell_view.h"

#include <QFile>
#include <array>
#include <limits>

// Levels of one-colour tiles, PNG unless told otherwise, built on the one-colour tiles of tile_cache.h.
namespace SolidLevel {

using TileCache::CellColour, TileCache::CellPoint, TileCache::Folder, TileCache::HasWhite, TileCache::kBlack,
    TileCache::kUntouched, TileCache::Shows, TileCache::WriteFile, TileCache::WriteSetTiles;

// Level `name` with its set folder.
inline QString LevelFolder(const QString& name) {
    const QString level = Folder() + QLatin1Char('/') + name;
    QDir().mkpath(level + QStringLiteral("/set"));
    return level;
}

// A level of small landscape PNG tiles, calibrated to `corners` unless told otherwise.
inline void WriteTiledLevel(const QString& name, int columns, int rows, const AtlasBuilder::Corners& corners,
                            bool calibration = true) {
    AtlasBuilder::Level level{name, columns, rows, QSize(16, 16)};
    level.extension = QStringLiteral("png");
    level.calibration = calibration;
    ASSERT_TRUE(AtlasBuilder::WriteLevel(Folder(), level, corners));
}

inline void WriteTile(const QString& level, int column, int row, QSize size, const char* format = "png") {
    const QString path =
        QStringLiteral("%1/set/t_%2_%3.%4").arg(level).arg(column * 256).arg(row * 256).arg(format);
    EXPECT_TRUE(TileCache::SolidTile(column, row, size).save(path)) << path.toStdString();
}

// Level `name` of 256-pixel tiles, each of its cell colour; returns the level folder.
inline QString Write(const QString& name, int columns, int rows, const char* format = "png") {
    const QString level = LevelFolder(name);
    WriteSetTiles(level, columns, rows, QSize(256, 256), format);
    return level;
}

// The program's view shown at `size` and, unless told otherwise, initialised as at start-up.
struct ShownView {
    CTarnwellDoc document;
    CTarnwellView view{&document};

    explicit ShownView(QSize size, bool initialise = true) {
        view.resize(size);
        view.show();
        if (initialise)
            view.OnInitialUpdate();
    }
};

inline void Enter(quint32 zoom) {
    g_nZoom = zoom;
    LoadLevel();
}

// Columns, rows and the tile size of the current level.
inline std::array<int, 4> Counted() {
    return {CountTileColumns(), CountTileRows(), g_nTileWidth, g_nTileHeight};
}

inline QImage Render(int width, int height, QRect clip = {}) {
    return TileCache::Picture(width, height, [clip](QPainter& painter, QRect area) {
        CTrekbuddy().DrawAtlas(painter, clip.isNull() ? area : clip);
    });
}

} // namespace SolidLevel
