#include "app/command_line.h"
#include "atlas/trekbuddy.h"
#include "osm/osm_view.h"
#include "running_app.h"
#include "state/settings_store.h"
#include "support/tile_cache.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QSettings>

using namespace DialogDriver;

namespace {

// Chooses `path` in the file dialog about to come up, then answers the question that follows with `answer`.
void ChooseFileThenAnswer(const QString& path, const QString& answer) {
    WhenModal<QFileDialog>([path, answer](QFileDialog* files) {
        // The whole path typed into the name box: selectFile() would change folder first, and the dialog may
        // clear the box again when that folder's listing arrives.
        if (auto* name = files->findChild<QLineEdit*>())
            name->setText(path);
        QMetaObject::invokeMethod(files, "accept");
        if (files->isVisible())
            ChooseFileThenAnswer(path, answer);
        else if (!answer.isEmpty())
            WhenModal<QMessageBox>([answer](QMessageBox* box) { Click(box, answer); });
    });
}

} // namespace

TEST(TarnwellApp, WithTheSampleAtlasTheViewStartsAtLevel12TopLeft) {
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

TEST(TarnwellApp, AFolderOnTheCommandLineIsTheAtlasFolderForThisRunOnly) {
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

TEST(TarnwellApp, WithoutSettingsStartsSilentlyThenMapTypeChecksAndTheSmallCommands) {
    RunningApp app;
    EXPECT_EQ(std::tuple(g_nMapType, g_nZoom, g_nTileWidth, g_szAtlasFolder, SettingsStore::KeyExists()),
              std::tuple(kMapTypeTrekbuddy, 12u, 256, QString(), false));
    for (quint32 type : {kMapTypeTrekbuddy, kMapTypeOsm}) {
        g_nMapType = type;
        MainWindow()->Menu(QStringLiteral("&View"))->aboutToShow();
        EXPECT_EQ(std::pair(app.Command(ID_VIEW_MAPTYPE7TREKBUDDY)->isChecked(),
                            app.Command(ID_VIEW_MAPTYPE6OSM)->isChecked()),
                  std::pair(type == kMapTypeTrekbuddy, type == kMapTypeOsm));
        app.Command(ID_MAP_STARTPOSITION)->trigger();
        EXPECT_EQ(g_nMapType, type) << "Start position puts the map type back";
    }
    app.Command(ID_MAP_GETSCREENMAP)->trigger();
    EXPECT_EQ(TestEnv::MessageTexts(),
              QStringList({"OnMapStartposition This function does not work",
                           "OnMapStartposition This function does not work",
                           "OnMapGetscreenmap This is a test function and has been disabled"}));
    // Reset acts on the OSM map only; Trekbuddy reloads its level.
    std::tie(g_nMapType, g_nZoom) = std::tuple(kMapTypeTrekbuddy, 15u);
    app.Command(ID_OSM_RESETPOSITION)->trigger();
    EXPECT_EQ(g_nZoom, 15u);
    std::tie(g_nMapType, g_nOsmX) = std::tuple(kMapTypeOsm, 7);
    app.Command(ID_OSM_RESETPOSITION)->trigger();
    EXPECT_EQ(std::tuple(g_nZoom, g_nOsmX, g_nOsmY), std::tuple(12u, 2032, 1362));
    g_nTbX = 5;
    app.Command(ID_VIEW_MAPTYPE7TREKBUDDY)->trigger();
    EXPECT_EQ(std::pair(g_nMapType, g_nTbX), std::pair(kMapTypeTrekbuddy, 0));
}

TEST(TarnwellApp, SaveAndSaveAsAskBeforeEmptyingAFileThatHoldsData) {
    RunningApp app;
    const QString notes = TestEnv::TempFolder() + QStringLiteral("/notes.txt"),
                  other = TestEnv::TempFolder() + QStringLiteral("/other.txt");
    TileCache::WriteFile(notes, "keep");
    TileCache::WriteFile(other, "mine");
    ChooseFileThenAnswer(notes, QString());
    app.OnFileOpen();
    ASSERT_EQ(MainWindow()->windowTitle(), QStringLiteral("notes.txt - Tarnwell"));

    WhenModal<QMessageBox>([](QMessageBox* box) { Click(box, QStringLiteral("&No")); });
    app.OnFileSave();
    EXPECT_EQ(FileContent(notes), QByteArray("keep"));
    for (const auto& [answer, content, title] :
         {std::tuple{"&No", "mine", "notes.txt"}, {"&Yes", "", "other.txt"}}) {
        ChooseFileThenAnswer(other, QString::fromLatin1(answer));
        app.OnFileSaveAs();
        EXPECT_EQ(std::pair(FileContent(other), MainWindow()->windowTitle()),
                  std::pair(QByteArray(content), QString::fromLatin1(title) + QStringLiteral(" - Tarnwell")));
    }
}
