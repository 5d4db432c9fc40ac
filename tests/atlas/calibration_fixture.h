#pragma once

#include "atlas/level_folder.h"
#include "atlas_builder.h"
#include "state/map_state.h"
#include "state/settings_store.h"
#include "support/test_env.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

// Level folders with calibration files in the test case's own atlas folder, which the settings point at.
namespace CalibrationFixture {

inline QString Atlas() {
    const QString atlas = TestEnv::TempFolder() + QStringLiteral("/atlas");
    QDir().mkpath(atlas);
    SettingsStore::WriteAtlasFolder(atlas);
    return atlas;
}

// A level of small tiles whose calibration file has the given corners, or none.
inline void WriteTiledLevel(const QString& name, int columns, int rows, const AtlasBuilder::Corners& corners,
                            bool calibration = true) {
    AtlasBuilder::Level level{name, columns, rows, QSize(16, 16)};
    level.extension = QStringLiteral("png");
    level.calibration = calibration;
    ASSERT_TRUE(AtlasBuilder::WriteLevel(Atlas(), level, corners));
}

// A level folder without tiles whose calibration file "<name>.map" holds `content` byte for byte.
inline void WriteMapOnlyLevel(const QString& name, const QByteArray& content) {
    const QString folder = Atlas() + QLatin1Char('/') + name;
    ASSERT_TRUE(QDir().mkpath(folder + QStringLiteral("/set")));
    QFile file(folder + QLatin1Char('/') + name + QStringLiteral(".map"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(content), content.size());
}

inline void EnterLevel(quint32 zoom) {
    g_nZoom = zoom;
    LoadLevel();
}

} // namespace CalibrationFixture
