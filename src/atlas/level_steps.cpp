#include "atlas/level_steps.h"

#include "atlas/calibration.h"
#include "atlas/level_folder.h"
#include "atlas/level_source.h"
#include "atlas/position_clamp.h"
#include "atlas/tile_count.h"
#include "platform/safe_file.h"
#include "state/map_state.h"
#include "state/settings_store.h"

#include <QFile>

namespace {

constexpr float kZeroSpanStandIn = 51.0f;
constexpr qint32 kUnknownTileCount = 20;

// Remembers the level being left and, when the view moved since the last parse, its calibrated position.
void LeaveLevel() {
    g_nTbPrevX = g_nTbX;
    g_nTbPrevY = g_nTbY;
    g_nTbPrevRows = CountTileRows();
    g_nTbPrevCols = CountTileColumns();
    if (g_bMoved == 1) {
        ReadCalibration();
        g_bMoved = 0;
    }
}

LevelStep EnterLevel() {
    SettingsStore::WriteAtlasZoom(g_nZoom);
    LoadLevel();
    LevelStep step{g_nZoom, std::nullopt};
    RepositionAfterLevelStep(step.title);
    return step;
}

qint32 AtLeastOne(qint32& count) {
    if (count < 1)
        count = kUnknownTileCount;
    return count;
}

// The difference of two ints, which may not fit an int, as a float.
float Difference(qint64 a, qint64 b) {
    return static_cast<float>(a - b);
}

qint32 NewColumn(int newCols, qint32 oldCols) {
    float lonSpan = g_fPt2Lon - g_fPt1Lon;
    const float t =
        lonSpan / static_cast<float>(oldCols) * static_cast<float>(g_nTbPrevX) + g_fPt1Lon - g_fPt1Lon;
    if (lonSpan == 0.0f)
        lonSpan = kZeroSpanStandIn;
    return TruncateToTile(t / lonSpan * static_cast<float>(newCols));
}

qint32 NewRow(int newRows, qint32 oldRows) {
    float latSpan = g_fPt1Lat - g_fPt4Lat;
    const float latOld = latSpan / static_cast<float>(oldRows) * Difference(oldRows, g_nTbPrevY) + g_fPt4Lat;
    const float latRel = latOld - g_fPt4Lat;
    if (latSpan == 0.0f)
        latSpan = kZeroSpanStandIn;
    const float rows = static_cast<float>(newRows);
    return TruncateToTile(rows - latRel / latSpan * rows);
}

} // namespace

LevelStep AtlasZoomIn() {
    LeaveLevel();
    ++g_nZoom;
    return EnterLevel();
}

LevelStep AtlasZoomOut() {
    LeaveLevel();
    if (g_nZoom == 0)
        return {0, std::nullopt};
    --g_nZoom;
    return EnterLevel();
}

int RepositionAfterLevelStep(std::optional<QString>& title) {
    const std::unique_ptr<LevelSource> level = OpenLevelSource(g_szAtlasFolder);
    const int newCols = level->CountColumns();
    const int newRows = level->CountRows();
    const std::optional<QString> name = level->CalibrationName();
    if (!name)
        return -1;
    title = QStringLiteral("Orvex Trekbuddy ") + *name;
    const std::optional<FileRange> file = level->CalibrationFile();
    if (!file || !OpenRangeSafely(*file, kMaxCalibrationBytes))
        return -1;
    const qint32 oldCols = AtLeastOne(g_nTbPrevCols);
    const qint32 oldRows = AtLeastOne(g_nTbPrevRows);
    g_nTbX = NewColumn(newCols, oldCols);
    g_nTbY = NewRow(newRows, oldRows);
    return 0;
}
