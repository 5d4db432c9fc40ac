#include "state/osm_zoom_steps.h"

#include "state/map_state.h"
#include "state/settings_store.h"

#include <limits>

namespace {

bool Doubles(qint32 value) {
    return value <= std::numeric_limits<qint32>::max() / 2 && value >= std::numeric_limits<qint32>::min() / 2;
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
