#include "app/settings_commands.h"
#include "dialog_driver.h"
#include "dialogs/atlas_zoom_dialog.h"
#include "platform/message_box.h"

#include <QToolButton>
#include <tuple>

using namespace DialogDriver;

namespace {

// Zoom, column, row of the OSM map.
using Osm = std::tuple<quint32, qint32, qint32>;

Osm CurrentOsm() {
    return {g_nZoom, g_nOsmX, g_nOsmY};
}

} // namespace

TEST(AtlasZoomDialog, ArrowsStepAtOnceAndOkOrCancelAddNothing) {
    std::tie(g_nZoom, g_nOsmX, g_nOsmY) = Osm{12, 2032, 1362};
    CAtlasZoom dialog;
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Choose a layer display zoom."));
    QLineEdit* edit = Find<QLineEdit>(&dialog, "zoomEdit");
    auto* up = Find<QToolButton>(&dialog, "zoomUp");
    dialog.open();
    EXPECT_EQ(edit->text(), QStringLiteral("12"));
    Click(up);
    EXPECT_EQ(std::pair(edit->text(), CurrentOsm()), std::pair(QStringLiteral("13"), Osm{13, 4064, 2724}));
    Click(&dialog, QStringLiteral("OK"));
    EXPECT_EQ(CurrentOsm(), (Osm{13, 4064, 2724}));

    dialog.open();
    QWidget* spin = Find(&dialog, "zoomSpin");
    QTest::keyClick(spin, Qt::Key_Up);
    Type(edit, QStringLiteral("3"));
    Click(&dialog, QStringLiteral("Cancel"));
    EXPECT_EQ(CurrentOsm(), (Osm{14, 8128, 5448}));
    EXPECT_FALSE(SettingsStore::ReadAtlasZoomValue()) << "the zoom dialog writes no settings";

    std::tie(g_nZoom, g_nOsmX, g_nOsmY) = Osm{5, -3, 9};
    dialog.open();
    Click(Find<QToolButton>(&dialog, "zoomDown"));
    QTest::keyClick(spin, Qt::Key_Down);
    EXPECT_EQ(std::pair(edit->text(), CurrentOsm()), std::pair(QStringLiteral("4"), Osm{4, -1, 4}));

    std::tie(g_nZoom, g_nOsmX, g_nOsmY) = Osm{32, 2032 << 20, 1362 << 20}; // one more doubling would overflow
    Click(up);
    EXPECT_EQ(CurrentOsm(), (Osm{32, 2032 << 20, 1362 << 20}));
}

TEST(AtlasZoomDialog, OkMovesToTheTypedZoomOneLevelAtATimeAndRefusesANegativeOne) {
    const std::tuple<const char*, Osm, Osm> cases[] = {
        {"10", {12, 2032, 1362}, {10, 508, 340}},
        {"  +14 levels", {12, 2032, 1362}, {14, 8128, 5448}},
        {"abc", {12, 2032, 1362}, {0, 0, 0}},
        {"2", {12, 2033, -1363}, {2, 1, -1}},
        {"99999999999999999999999", {12, 2032, 1362}, {32, 2032 << 20, 1362 << 20}},
        {"4294967295", {12, 0, 0}, {4294967295u, 0, 0}},
        {"1", {4294967295u, 5, -7}, {1, 0, 0}},
        {"-0", {12, 2032, 1362}, {0, 0, 0}},
        {" -3", {12, 2032, 1362}, {12, 2032, 1362}},
    };
    for (const auto& [typed, from, to] : cases) {
        std::tie(g_nZoom, g_nOsmX, g_nOsmY) = Osm(from);
        CAtlasZoom dialog;
        dialog.open();
        Type(Find<QLineEdit>(&dialog, "zoomEdit"), QString::fromLatin1(typed));
        Click(&dialog, QStringLiteral("OK"));
        EXPECT_EQ(dialog.isVisible(), to == from) << typed << ": only a refused zoom keeps the dialog";
        EXPECT_EQ(CurrentOsm(), to) << typed;
    }
    ASSERT_EQ(TestEnv::MessageTexts(),
              QStringList(QStringLiteral(
                  "A zoom cannot be negative.\nPlease type a zoom of 0 or more, for example 13.")));
    EXPECT_EQ(TestEnv::Messages().first().title, kAppTitle);
}

// The command's dialog sits on the map window.
TEST(AtlasZoomDialog, TheCommandStartsFromTheOsmDefaultUnlessTheOsmMapIsShown) {
    QWidget window;
    g_pMapWnd = new QWidget(&window);
    for (const auto& [type, after] :
         {std::pair{kMapTypeTrekbuddy, Osm{13, 4064, 2724}}, {kMapTypeOsm, {15, 200, -400}}}) {
        g_nMapType = type;
        std::tie(g_nZoom, g_nOsmX, g_nOsmY) = Osm{14, 100, -200};
        QWidget* parent = nullptr;
        WhenModal([&parent](QWidget* dialog) {
            parent = dialog->parentWidget();
            Click(Find<QToolButton>(dialog, "zoomUp"));
            Click(dialog, QStringLiteral("OK"));
        });
        OnViewSetosmzoomlevel();
        EXPECT_EQ(parent, &window);
        EXPECT_EQ(CurrentOsm(), after) << type;
    }
}
