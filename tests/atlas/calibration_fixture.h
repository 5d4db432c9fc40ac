#pragma once

#include "atlas/level_folder.h"
#include "atlas_builder.h"
#include "state/map_state.h"
#include "state/settings_store.h"
#include "support/test_env.h"

#include <QDir>
#include <gtest/gtest.h>

// Levels in the test case's own atlas folder, which the settings point at.
namespace CalibrationFixture {

inline QString Atlas() {
    const QString atlas = TestEnv::TempFolder() + QStringLiteral("/atlas");
    QDir().mkpath(atlas);
    SettingsStore::WriteAtlasFolder(atlas);
    return atlas;
}

inline void WriteTiledLevel(const QString& name, int columns, int rows, const AtlasBuilder::Corners& corners,
                            bool calibration = true) {
    AtlasBuilder::Level level{name, columns, rows, QSize(16, 16)};
    level.extension = QStringLiteral("png");
    level.calibration = calibration;
    ASSERT_TRUE(AtlasBuilder::WriteLevel(Atlas(), level, corners));
}

inline void EnterLevel(quint32 zoom) {
    g_nZoom = zoom;
    LoadLevel();
}

} // namespace CalibrationFixture
