#include "atlas/trekbuddy.h"
#include "osm/osm_view.h"
#include "running_app.h"

TEST(StartUp, WithTheSampleAtlasTheViewStartsAtLevel12TopLeft) {
    const QString sample = TestEnv::SampleAtlas();
    SettingsStore::WriteAtlasFolder(sample);
    SettingsStore::WriteAtlasZoom(15);
    {
        RunningApp app;
        // The stored zoom does not carry over.
        EXPECT_EQ(std::tuple(g_nMapType, g_nZoom, g_nTbX, g_nTbY, g_nTileWidth, g_nTileHeight, g_bMoved),
                  std::tuple(kMapTypeTrekbuddy, 12u, 0, 0, 256, 256, 1));
        EXPECT_EQ(g_szAtlasFolder, sample + QStringLiteral("/12"));
        EXPECT_NEAR(g_fTbLat, 51.55f, 1e-4f) << "the calibrated position shows from the start";
        EXPECT_NEAR(g_fTbLon, 1.25f, 1e-4f);
        EXPECT_EQ(QStringList({g_wszOsmUrl, g_wszOsmServer}), QStringList(2, kOsmStandardServerUrl));
        EXPECT_EQ(std::tuple(g_pView, g_pMapWnd, g_pTrekbuddy != nullptr, g_pOsmView != nullptr),
                  std::tuple(MapView(), MapView(), true, true));

        // A second initial update (File New) makes no second pair of objects and keeps the position.
        const auto objects = std::pair(g_pTrekbuddy, g_pOsmView);
        g_nTbX = 3;
        MapView()->OnInitialUpdate();
        EXPECT_EQ(std::tuple(g_pTrekbuddy, g_pOsmView, g_nTbX), std::tuple(objects.first, objects.second, 3));
    }
    EXPECT_EQ(std::tuple(g_pView, g_pMapWnd, g_pTrekbuddy, g_pOsmView),
              std::tuple(nullptr, nullptr, nullptr, nullptr))
        << "nothing points at the closed window";
}
