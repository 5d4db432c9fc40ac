#include "atlas/level_steps.h"

#include "atlas/calibration.h"
#include "atlas/level_folder.h"
#include "atlas/tile_count.h"
#include "platform/find_first.h"
#include "platform/safe_file.h"
#include "state/map_state.h"
#include "state/settings_store.h"
#include "view/invalidate.h"

#include <QFile>
#include <QWidget>
#include <cmath>
#include <limits>

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

void EnterLevel() {
    SettingsStore::WriteAtlasZoom(g_nZoom);
    LoadLevel();
    RepositionAfterLevelStep();
    InvalidateView();
}

void SetMainWindowTitle(const QString& mapFileName) {
    if (g_pMapWnd)
        g_pMapWnd->window()->setWindowTitle(QStringLiteral("Orvex Trekbuddy ") + mapFileName);
}

qint32 AtLeastOne(qint32& count) {
    if (count < 1)
        count = kUnknownTileCount;
    return count;
}

// Odd calibrations (infinite or not-a-number corners, spans near zero) give positions that no int can hold:
// they become tile 0 or the nearest int instead.
qint32 TruncateToTile(float value) {
    if (!std::isfinite(value))
        return 0;
    if (value >= 2147483648.0f)
        return std::numeric_limits<qint32>::max();
    if (value <= -2147483648.0f)
        return std::numeric_limits<qint32>::min();
    return static_cast<qint32>(value);
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

quint32 AtlasZoomIn() {
    LeaveLevel();
    ++g_nZoom;
    EnterLevel();
    return g_nZoom;
}

quint32 AtlasZoomOut() {
    LeaveLevel();
    if (g_nZoom == 0)
        return 0;
    --g_nZoom;
    EnterLevel();
    return g_nZoom;
}

int RepositionAfterLevelStep() {
    const int newCols = CountTileColumns();
    const int newRows = CountTileRows();
    const std::optional<QString> name = FindFirst(g_szAtlasFolder, QStringLiteral("*.map"));
    if (!name)
        return -1;
    SetMainWindowTitle(*name);
    if (!OpenFileSafely(g_szAtlasFolder + QLatin1Char('/') + *name, kMaxCalibrationBytes))
        return -1;
    const qint32 oldCols = AtLeastOne(g_nTbPrevCols);
    const qint32 oldRows = AtLeastOne(g_nTbPrevRows);
    g_nTbX = NewColumn(newCols, oldCols);
    g_nTbY = NewRow(newRows, oldRows);
    return 0;
}
