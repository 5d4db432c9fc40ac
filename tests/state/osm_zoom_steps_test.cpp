#include "state/map_state.h"
#include "state/osm_zoom_steps.h"
#include "state/settings_store.h"

#include <gtest/gtest.h>

TEST(OsmZoomSteps, TenStepsInAndOutReturnToTheSameGround) {
    g_nZoom = 12;
    for (int i = 0; i < 10; ++i)
        OsmZoomIn();
    EXPECT_EQ(g_nZoom, 22u);
    EXPECT_EQ(g_nOsmX, 2032 * 1024);
    EXPECT_EQ(g_nOsmY, 1362 * 1024);
    EXPECT_EQ(SettingsStore::ReadAtlasZoom(), 22);
    for (int i = 0; i < 10; ++i)
        OsmZoomOut();
    EXPECT_EQ(g_nZoom, 12u);
    EXPECT_EQ(g_nOsmX, 2032);
    EXPECT_EQ(g_nOsmY, 1362);
}
