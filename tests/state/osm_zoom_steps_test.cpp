#include "state/map_state.h"
#include "state/osm_zoom_steps.h"
#include "state/settings_store.h"

#include <gtest/gtest.h>
#include <limits>

TEST(OsmZoomSteps, TenStepsInAndOutReturnToTheSameGround) {
    g_nZoom = 12;
    g_bMoved = 1;
    for (int i = 0; i < 10; ++i)
        OsmZoomIn();
    EXPECT_EQ(g_bMoved, 0);
    EXPECT_EQ(g_nZoom, 22u);
    EXPECT_EQ(g_nOsmX, 2032 * 1024);
    EXPECT_EQ(g_nOsmY, 1362 * 1024);
    EXPECT_EQ(SettingsStore::ReadAtlasZoom(), 22);
    for (int i = 0; i < 10; ++i)
        OsmZoomOut();
    EXPECT_EQ(g_nZoom, 12u);
    EXPECT_EQ(g_nOsmX, 2032);
    EXPECT_EQ(g_nOsmY, 1362);
    EXPECT_EQ(SettingsStore::ReadAtlasZoom(), 12);
}

TEST(OsmZoomSteps, StepOutDropsTheRemainderTowardZero) {
    g_nZoom = 12;
    g_nOsmX = 2033;
    g_nOsmY = -3;
    EXPECT_EQ(OsmZoomOut(), 11u);
    EXPECT_EQ(g_nOsmX, 1016);
    EXPECT_EQ(g_nOsmY, -1);
}

TEST(OsmZoomSteps, StepOutStopsAtFourAndWritesNothingAtZero) {
    g_nZoom = 0;
    g_bMoved = 1;
    EXPECT_EQ(OsmZoomOut(), 0u);
    EXPECT_EQ(g_bMoved, 0);
    EXPECT_FALSE(SettingsStore::KeyExists()) << "zoom 0 writes nothing";

    g_nZoom = 4;
    EXPECT_EQ(OsmZoomOut(), 4u);
    EXPECT_EQ(g_nOsmX, 2032);
    EXPECT_EQ(g_nOsmY, 1362);
    EXPECT_EQ(SettingsStore::ReadAtlasZoom(), 4) << "zoom 4 still writes AtlasZoom";

    g_nZoom = 1;
    OsmZoomOut();
    EXPECT_EQ(g_nZoom, 1u);
}

TEST(OsmZoomSteps, StepInThatWouldOverflowAColumnOrRowDoesNothing) {
    g_nZoom = 30;
    g_nOsmX = std::numeric_limits<qint32>::max() / 2 + 1;
    g_nOsmY = 5;
    EXPECT_EQ(OsmZoomIn(), 30u);
    EXPECT_EQ(g_nOsmX, std::numeric_limits<qint32>::max() / 2 + 1);
    EXPECT_EQ(g_nOsmY, 5);
    EXPECT_FALSE(SettingsStore::ReadAtlasZoom().has_value());

    g_nOsmX = std::numeric_limits<qint32>::min() / 2;
    g_nOsmY = -7;
    EXPECT_EQ(OsmZoomIn(), 31u) << "the most negative column that still doubles";
    EXPECT_EQ(g_nOsmX, std::numeric_limits<qint32>::min());
    EXPECT_EQ(g_nOsmY, -14);
}
