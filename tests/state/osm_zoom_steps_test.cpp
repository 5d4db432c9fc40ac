#include "state/map_state.h"
#include "state/osm_zoom_steps.h"
#include "state/settings_store.h"

#include <gtest/gtest.h>
#include <limits>

// One step from each start, in order: the zoom and position it leaves and the zoom then stored.
TEST(OsmZoomSteps, StepsKeepTheGroundStopAtTheLimitsAndStoreTheZoom) {
    constexpr qint32 kMax = std::numeric_limits<qint32>::max(), kMin = std::numeric_limits<qint32>::min();
    // In or out, the zoom and position before and after, and the zoom then stored.
    const std::tuple<bool, quint32, qint32, qint32, quint32, qint32, qint32, std::optional<qint32>> steps[] =
        {
            {false, 0, 2032, 1362, 0, 2032, 1362, std::nullopt}, // zoom 0 writes nothing
            {true, 12, 2032, 1362, 13, 4064, 2724, 13},
            {true, 21, 2032 << 9, 1362 << 9, 22, 2032 << 10, 1362 << 10, 22},
            {false, 22, 2032 << 10, 1362 << 10, 21, 2032 << 9, 1362 << 9, 21},
            {false, 12, 2033, -3, 11, 1016, -1, 11}, // halving truncates toward zero
            {false, 5, 2032, 1362, 4, 1016, 681, 4},
            {false, 4, 2032, 1362, 4, 2032, 1362, 4},
            {false, 1, 7, 9, 1, 7, 9, 1},                        // written even when unchanged
            {true, 30, kMax / 2 + 1, 0, 30, kMax / 2 + 1, 0, 1}, // a doubling that would overflow is no step
            {true, 30, 5, kMin / 2 - 1, 30, 5, kMin / 2 - 1, 1},
            {true, 30, kMax / 2, kMin / 2, 31, kMax - 1, kMin, 31},
        };
    for (const auto& [in, zoom, x, y, zoomAfter, xAfter, yAfter, stored] : steps) {
        std::tie(g_nZoom, g_nOsmX, g_nOsmY, g_bMoved) = std::tuple{zoom, x, y, 1};
        EXPECT_EQ(in ? OsmZoomIn() : OsmZoomOut(), zoomAfter) << zoom;
        EXPECT_EQ((std::tuple{g_nZoom, g_nOsmX, g_nOsmY, g_bMoved, SettingsStore::ReadAtlasZoomValue()}),
                  (std::tuple{zoomAfter, xAfter, yAfter, 0, stored}))
            << zoom;
    }
}
