#include "app/settings_commands.h"
#include "dialog_driver.h"
#include "dialogs/about_dialog.h"
#include "dialogs/atlas_folder_dialog.h"
#include "dialogs/atlas_zoom_dialog.h"
#include "state/map_state.h"
#include "state/settings_store.h"

#include <QToolButton>
#include <gtest/gtest.h>

using namespace DialogDriver;

namespace {

// What the test saw while a command's dialog was up.
struct WhileUp {
    quint32 mapType = 0;
    QString caption;
    QWidget* parent = nullptr;
};

// Records the dialog, presses `arrow` (if any) on a zoom dialog, then clicks `button`.
void Answer(WhileUp& seen, const QString& button, const char* arrow = nullptr) {
    WhenModal([&seen, button, arrow](QWidget* dialog) {
        seen = {g_nMapType, dialog->windowTitle(), dialog->parentWidget()};
        if (arrow)
            Click(dialog->findChild<QToolButton*>(QString::fromLatin1(arrow)));
        Click(dialog, button);
    });
}

} // namespace

TEST(SettingsCommands, ZoomCommandFromTheTrekbuddyMapStartsFromTheOsmDefault) {
    QWidget window;
    QWidget* map = new QWidget(&window);
    g_pMapWnd = map;
    g_nMapType = kMapTypeTrekbuddy;
    g_nZoom = 15;
    g_nOsmX = 7;
    g_nOsmY = 9;
    WhileUp seen;
    Answer(seen, QStringLiteral("OK"), "zoomUp");
    OnViewSetosmzoomlevel();
    EXPECT_EQ(seen.caption, QStringLiteral("Choose a layer display zoom."));
    EXPECT_EQ(seen.mapType, kMapTypeDialog);
    EXPECT_EQ(seen.parent, &window);
    EXPECT_EQ(g_nMapType, kMapTypeOsm);
    EXPECT_EQ(g_nZoom, 13u);
    EXPECT_EQ(g_nOsmX, 4064);
    EXPECT_EQ(g_nOsmY, 2724);
    g_pMapWnd = nullptr;
}

TEST(SettingsCommands, ZoomCommandOnTheOsmMapKeepsItsPosition) {
    g_nMapType = kMapTypeOsm;
    g_nZoom = 14;
    g_nOsmX = 100;
    g_nOsmY = -200;
    WhileUp seen;
    Answer(seen, QStringLiteral("Cancel"));
    OnViewSetosmzoomlevel();
    EXPECT_EQ(seen.mapType, kMapTypeDialog);
    EXPECT_EQ(seen.parent, nullptr);
    EXPECT_EQ(g_nMapType, kMapTypeOsm);
    EXPECT_EQ(g_nZoom, 14u);
    EXPECT_EQ(g_nOsmX, 100);
    EXPECT_EQ(g_nOsmY, -200);
}

TEST(SettingsCommands, AtlasFolderCommandEndsOnTheTrekbuddyMapEvenAfterCancel) {
    SettingsStore::WriteAtlasFolder(QStringLiteral("/maps"));
    g_nMapType = kMapTypeOsm;
    WhileUp seen;
    Answer(seen, QStringLiteral("Cancel"));
    OnTrekbuddyDefaultatlasfolder();
    EXPECT_EQ(seen.caption, QStringLiteral("Default OSM and Trekbuddy atlas folder"));
    EXPECT_EQ(seen.mapType, kMapTypeDialog);
    EXPECT_EQ(g_nMapType, kMapTypeTrekbuddy);
    EXPECT_EQ(SettingsStore::ReadAtlasFolder(), QStringLiteral("/maps"));
}

TEST(SettingsCommands, AboutLeavesTheMapTypeAlone) {
    g_nMapType = kMapTypeOsm;
    WhileUp seen;
    Answer(seen, QStringLiteral("OK"));
    OnAppAbout();
    EXPECT_EQ(seen.caption, QStringLiteral("About Tarnwell"));
    EXPECT_EQ(seen.mapType, kMapTypeOsm);
    EXPECT_EQ(g_nMapType, kMapTypeOsm);
}
