#include "app/settings_commands.h"
#include "dialog_driver.h"

#include <QToolButton>
#include <tuple>

using namespace DialogDriver;

// The map type around every command's dialog is the main window test's; here the zoom command, which starts
// from the OSM default unless the OSM map is shown, with its dialog on the map window.
TEST(SettingsCommands, TheZoomCommandStartsFromTheOsmDefaultUnlessTheOsmMapIsShown) {
    QWidget window;
    g_pMapWnd = new QWidget(&window);
    for (const auto& [type, after] :
         {std::pair{kMapTypeTrekbuddy, std::tuple(13u, 4064, 2724)}, {kMapTypeOsm, {15u, 200, -400}}}) {
        std::tie(g_nMapType, g_nZoom, g_nOsmX, g_nOsmY) = std::tuple(type, 14u, 100, -200);
        QWidget* parent = nullptr;
        WhenModal([&parent](QWidget* dialog) {
            parent = dialog->parentWidget();
            Click(Find<QToolButton>(dialog, "zoomUp"));
            Click(dialog, QStringLiteral("OK"));
        });
        OnViewSetosmzoomlevel();
        EXPECT_EQ(parent, &window);
        EXPECT_EQ(std::tuple(g_nZoom, g_nOsmX, g_nOsmY), after) << type;
    }
}
