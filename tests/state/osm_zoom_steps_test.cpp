#include "state/map_state.h"
#include "state/osm_zoom_steps.h"
#include "state/settings_store.h"

#include <QPoint>
#include <gtest/gtest.h>
#include <limits>

TEST(OsmZoomSteps, StepsKeepTheGroundAndStoreTheZoom) {
    g_nZoom = 12;
    g_bMoved = 1;
    for (int i = 0; i < 10; ++i)
        OsmZoomIn();
    EXPECT_EQ(g_bMoved, 0);
    EXPECT_EQ(g_nZoom, 22u);
    EXPECT_EQ(QPoint(g_nOsmX, g_nOsmY), QPoint(2032 * 1024, 1362 * 1024));
    EXPECT_EQ(SettingsStore::ReadAtlasZoom(), 22);
    for (int i = 0; i < 10; ++i)
        OsmZoomOut();
    EXPECT_EQ(QPoint(g_nOsmX, g_nOsmY), QPoint(2032, 1362));

    g_nOsmX = 2033;
    g_nOsmY = -3;
    EXPECT_EQ(OsmZoomOut(), 11u);
    EXPECT_EQ(QPoint(g_nOsmX, g_nOsmY), QPoint(1016, -1)) << "halving truncates toward zero";
    EXPECT_EQ(SettingsStore::ReadAtlasZoom(), 11);
}

TEST(OsmZoomSteps, LimitsAtZeroFourAndTheEdgeOfTheNumberRange) {
    g_nZoom = 0;
    EXPECT_EQ(OsmZoomOut(), 0u);
    EXPECT_FALSE(SettingsStore::KeyExists()) << "zoom 0 writes nothing";
    for (quint32 zoom : {4u, 1u}) {
        g_nZoom = zoom;
        EXPECT_EQ(OsmZoomOut(), zoom);
        EXPECT_EQ(QPoint(g_nOsmX, g_nOsmY), QPoint(2032, 1362));
        EXPECT_EQ(SettingsStore::ReadAtlasZoom(), qint32(zoom)) << "the zoom is written even when unchanged";
    }

    g_nZoom = 30;
    g_nOsmX = std::numeric_limits<qint32>::max() / 2 + 1;
    EXPECT_EQ(OsmZoomIn(), 30u) << "a doubling that would overflow is no step";
    EXPECT_EQ(g_nOsmX, std::numeric_limits<qint32>::max() / 2 + 1);
    g_nOsmX = std::numeric_limits<qint32>::min() / 2;
    EXPECT_EQ(OsmZoomIn(), 31u);
    EXPECT_EQ(g_nOsmX, std::numeric_limits<qint32>::min());
}
