#include "app/command_line.h"
#include "atlas/trekbuddy.h"
#include "osm/osm_view.h"
#include "running_app.h"
#include "state/settings_store.h"
#include "support/tile_cache.h"

#include <QSettings>

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

TEST(StartUp, AFolderOnTheCommandLineIsTheAtlasFolderForThisRunOnly) {
    const QString stored = TestEnv::TempFolder() + QStringLiteral("/stored");
    ASSERT_TRUE(QDir().mkpath(stored) && SettingsStore::WriteAtlasFolder(stored));
    const QString sample = TestEnv::SampleAtlas();
    const QString current = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(QFileInfo(sample).absolutePath()));
    UseAtlasFolderArgument({QStringLiteral("tarnwell"), QFileInfo(sample).fileName()}); // a relative name
    QDir::setCurrent(current);
    {
        RunningApp app;
        EXPECT_EQ(g_szAtlasFolder, sample + QStringLiteral("/12"));
    }
    EXPECT_EQ(QSettings(SettingsStore::FileName(), QSettings::NativeFormat).value("AtlasFolder"), stored)
        << "nothing stored";
    EXPECT_EQ(TestEnv::MessageTexts(), QStringList());
    // Choosing a folder ends the run's folder.
    ASSERT_TRUE(SettingsStore::WriteAtlasFolder(stored));
    EXPECT_EQ(SettingsStore::ReadAtlasFolder(), stored);

    // A file is no folder: a message, and the stored folder counts.
    const QString file = stored + QStringLiteral("/notes.txt");
    TileCache::WriteFile(file, "x");
    UseAtlasFolderArgument({QStringLiteral("tarnwell"), file});
    EXPECT_EQ(TestEnv::MessageTexts(),
              QStringList(file +
                          QStringLiteral(" is not a folder. Tarnwell starts with its stored atlas folder.")));
    EXPECT_EQ(SettingsStore::ReadAtlasFolder(), stored);
}
