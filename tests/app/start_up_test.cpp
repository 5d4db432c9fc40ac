#include "app/tarnwell_app.h"
#include "atlas/trekbuddy.h"
#include "osm/osm_view.h"
#include "state/map_state.h"
#include "state/settings_store.h"
#include "support/test_env.h"
#include "view/tarnwell_view.h"

#include <gtest/gtest.h>

TEST(StartUp, WithTheSampleAtlasTheViewStartsAtLevel12TopLeft) {
    const QString sample = TestEnv::SampleAtlas();
    SettingsStore::WriteAtlasFolder(sample);
    SettingsStore::WriteAtlasZoom(15);
    {
        CTarnwellApp app;
        ASSERT_TRUE(app.InitInstance());
        EXPECT_EQ(g_nMapType, kMapTypeTrekbuddy);
        EXPECT_EQ(g_nZoom, 12u) << "the stored zoom does not carry over";
        EXPECT_EQ(g_nTbX, 0);
        EXPECT_EQ(g_nTbY, 0);
        EXPECT_EQ(g_nTileWidth, 256);
        EXPECT_EQ(g_nTileHeight, 256);
        EXPECT_EQ(g_szAtlasFolder, sample + QStringLiteral("/12"));
        EXPECT_EQ(g_bMoved, 1);
        EXPECT_NEAR(g_fTbLat, 51.55f, 1e-4f) << "the calibrated position shows from the start";
        EXPECT_NEAR(g_fTbLon, 1.25f, 1e-4f);
        EXPECT_EQ(g_wszOsmUrl, kOsmStandardServerUrl);
        EXPECT_EQ(g_wszOsmServer, kOsmStandardServerUrl);
        EXPECT_EQ(g_pView, app.View());
        EXPECT_EQ(g_pMapWnd, app.View());
        EXPECT_EQ(g_pTrekbuddy, app.View()->Trekbuddy());
        EXPECT_NE(g_pOsmView, nullptr);

        // A second initial update (File New) makes no second pair of objects and keeps the position.
        CTrekbuddy* const trekbuddy = g_pTrekbuddy;
        COsmView* const osm = g_pOsmView;
        g_nTbX = 3;
        app.View()->OnInitialUpdate();
        EXPECT_EQ(g_pTrekbuddy, trekbuddy);
        EXPECT_EQ(g_pOsmView, osm);
        EXPECT_EQ(g_nTbX, 3);
    }
    EXPECT_EQ(g_pView, nullptr) << "nothing points at the closed window";
    EXPECT_EQ(g_pTrekbuddy, nullptr);
    EXPECT_EQ(g_pOsmView, nullptr);
    EXPECT_EQ(g_pMapWnd, nullptr);
}

TEST(StartUp, NoSettingsAtAllStartsSilentlyAndCreatesNoKey) {
    CTarnwellApp app;
    ASSERT_TRUE(app.InitInstance());
    EXPECT_EQ(g_nMapType, kMapTypeTrekbuddy);
    EXPECT_EQ(g_nZoom, 12u);
    EXPECT_EQ(g_nTileWidth, 256);
    EXPECT_TRUE(g_szAtlasFolder.isEmpty());
    EXPECT_FALSE(SettingsStore::KeyExists());
    EXPECT_TRUE(TestEnv::Messages().isEmpty());
}
