#include "app/settings_commands.h"
#include "dialog_driver.h"
#include "state/map_state.h"

#include <QToolButton>
#include <gtest/gtest.h>
#include <tuple>

using namespace DialogDriver;

namespace {

// What the test saw while a command's dialog was up.
struct WhileUp {
    quint32 mapType = 0;
    QWidget* parent = nullptr;
};

// Records the dialog, presses `arrow` (if any), then clicks `button`.
WhileUp RunCommand(void (*command)(), const QString& button, const char* arrow = nullptr) {
    WhileUp seen;
    WhenModal([&seen, button, arrow](QWidget* dialog) {
        seen = {g_nMapType, dialog->parentWidget()};
        if (arrow)
            Click(dialog->findChild<QToolButton*>(QString::fromLatin1(arrow)));
        Click(dialog, button);
    });
    command();
    return seen;
}

} // namespace

TEST(SettingsCommands, DialogCommandsSetTheMapTypeAroundTheirDialogs) {
    QWidget window;
    g_pMapWnd = new QWidget(&window);
    g_nMapType = kMapTypeTrekbuddy;
    std::tie(g_nZoom, g_nOsmX, g_nOsmY) = std::tuple(15u, 7, 9);
    WhileUp seen = RunCommand(OnViewSetosmzoomlevel, QStringLiteral("OK"), "zoomUp");
    EXPECT_EQ(seen.mapType, kMapTypeDialog);
    EXPECT_EQ(seen.parent, &window);
    EXPECT_EQ(g_nMapType, kMapTypeOsm);
    EXPECT_EQ(std::tuple(g_nZoom, g_nOsmX, g_nOsmY), std::tuple(13u, 4064, 2724)) << "from the OSM default";

    std::tie(g_nZoom, g_nOsmX, g_nOsmY) = std::tuple(14u, 100, -200);
    RunCommand(OnViewSetosmzoomlevel, QStringLiteral("Cancel"));
    EXPECT_EQ(std::tuple(g_nZoom, g_nOsmX, g_nOsmY), std::tuple(14u, 100, -200)) << "the OSM map stays put";

    seen = RunCommand(OnTrekbuddyDefaultatlasfolder, QStringLiteral("Cancel"));
    EXPECT_EQ(seen.mapType, kMapTypeDialog);
    EXPECT_EQ(g_nMapType, kMapTypeTrekbuddy);

    g_nMapType = kMapTypeOsm;
    seen = RunCommand(OnAppAbout, QStringLiteral("OK"));
    EXPECT_EQ(seen.mapType, kMapTypeOsm);
    EXPECT_EQ(g_nMapType, kMapTypeOsm);
}
