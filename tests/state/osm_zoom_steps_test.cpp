#include "state/map_state.h"
#include "state/osm_zoom_steps.h"
#include "state/settings_store.h"

#include <gtest/gtest.h>
#include <limits>

// One step from each start, in order: the zoom and position it leaves and the zoom then stored.
TEST(OsmZoomSteps, StepsKeepTheGroundStopAtTheLimitsAndStoreTheZoom) {
    constexpr qint32 kMax = std::numeric_limits<qint32>::max(), kMin = std::numeric_limits<qint32>::min();
    using Place = std::tuple<quint32, qint32, qint32>; // zoom, x, y
    struct Step {
        bool in;
        Place before, after;
        std::optional<qint32> stored;
    };
    const Step steps[] = {
        {.in = false, .before = {0, 2032, 1362}, .after = {0, 2032, 1362}, .stored = std::nullopt},
        {.in = true, .before = {12, 2032, 1362}, .after = {13, 4064, 2724}, .stored = 13},
        {.in = false, .before = {12, 2033, -3}, .after = {11, 1016, -1}, .stored = 11}, // toward zero
        {.in = false, .before = {5, 2032, 1362}, .after = {4, 1016, 681}, .stored = 4},
        {.in = false, .before = {4, 2032, 1362}, .after = {4, 2032, 1362}, .stored = 4}, // written unchanged
        {.in = true, .before = {30, kMax / 2 + 1, 0}, .after = {30, kMax / 2 + 1, 0}, .stored = 4},
        {.in = true, .before = {30, 5, kMin / 2 - 1}, .after = {30, 5, kMin / 2 - 1}, .stored = 4},
        {.in = true, .before = {30, kMax / 2, kMin / 2}, .after = {31, kMax - 1, kMin}, .stored = 31},
    };
    for (const Step& step : steps) {
        std::tie(g_nZoom, g_nOsmX, g_nOsmY) = step.before;
        g_bMoved = 1;
        // Braces run left to right: the step comes first.
        EXPECT_EQ((std::tuple{step.in ? OsmZoomIn() : OsmZoomOut(), Place(g_nZoom, g_nOsmX, g_nOsmY),
                              g_bMoved, SettingsStore::ReadAtlasZoomValue()}),
                  (std::tuple{std::get<0>(step.after), step.after, 0, step.stored}));
    }
}
