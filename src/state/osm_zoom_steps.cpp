#include "state/osm_zoom_steps.h"

#include "state/map_state.h"
#include "state/settings_store.h"

#include <limits>

namespace {

bool Doubles(qint32 value) {
    return value <= std::numeric_limits<qint32>::max() / 2 && value >= std::numeric_limits<qint32>::min() / 2;
}

// Once both values are 0 further doublings and halvings change nothing, so a far target is reached at once.
bool PositionIsZero() {
    return g_nOsmX == 0 && g_nOsmY == 0;
}

} // namespace

bool DoubleOsmPosition() {
    if (!Doubles(g_nOsmX) || !Doubles(g_nOsmY))
        return false;
    g_nOsmX *= 2;
    g_nOsmY *= 2;
    return true;
}

void HalveOsmPosition() {
    g_nOsmX /= 2;
    g_nOsmY /= 2;
}

quint32 OsmZoomIn() {
    if (g_bMoved == 1)
        g_bMoved = 0;
    if (!DoubleOsmPosition())
        return g_nZoom;
    ++g_nZoom;
    SettingsStore::WriteAtlasZoom(g_nZoom);
    return g_nZoom;
}

quint32 OsmZoomOut() {
    if (g_bMoved == 1)
        g_bMoved = 0;
    if (g_nZoom == 0)
        return 0;
    if (g_nZoom > 4) {
        --g_nZoom;
        HalveOsmPosition();
    }
    SettingsStore::WriteAtlasZoom(g_nZoom);
    return g_nZoom;
}

void MoveOsmToZoom(quint32 target) {
    while (g_nZoom < target) {
        if (PositionIsZero()) {
            g_nZoom = target;
            return;
        }
        if (!DoubleOsmPosition())
            return;
        ++g_nZoom;
    }
    while (g_nZoom > target) {
        if (PositionIsZero()) {
            g_nZoom = target;
            return;
        }
        HalveOsmPosition();
        --g_nZoom;
    }
}

void ResetOsmPosition() {
    g_nZoom = kOsmDefaultZoom;
    g_nOsmX = kOsmDefaultX;
    g_nOsmY = kOsmDefaultY;
}
