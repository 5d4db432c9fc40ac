#include "state/map_state.h"
#include "state/osm_zoom_steps.h"
#include "state/settings_store.h"

#include <gtest/gtest.h>
#include <limits>

// One step from each start, in order: the zoom and position it leaves and the zoom then stored.
TEST(OsmZoomSteps, StepsKeepTheGroundStopAtTheLimitsAndStoreTheZoom) {
    constexpr qint32 kMax = std::numeric_limits<qint32>::max(), kMin = std::numeric_limits<qint32>::min();
    const struct {
        bool in;
        quint32 zoom;
        qint32 x, y;
        quint32 zoomAfter;
        qint32 xAfter, yAfter;
        std::optional<qint32> stored;
    } steps[] = {
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
    for (const auto& s : steps) {
        std::tie(g_nZoom, g_nOsmX, g_nOsmY, g_bMoved) = std::tuple{s.zoom, s.x, s.y, 1};
        EXPECT_EQ(s.in ? OsmZoomIn() : OsmZoomOut(), s.zoomAfter) << s.zoom;
        EXPECT_EQ((std::tuple{g_nZoom, g_nOsmX, g_nOsmY, g_bMoved}),
                  (std::tuple{s.zoomAfter, s.xAfter, s.yAfter, 0}))
            << s.zoom;
        EXPECT_EQ(SettingsStore::ReadAtlasZoom(), s.stored) << s.zoom;
    }
}
