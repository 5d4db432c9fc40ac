#include "dialogs/dialog_driver.h"
#include "solid_level.h"

#include <QDialog>

using namespace SolidLevel;

namespace {

using Position = std::array<qint32, 4>; // g_nTbX, g_nTbY, g_bMoved, g_bPanView

Position ClickAt(CTarnwellView& view, int x, int y, Position start = {2, 2, 0, 0}) {
    std::tie(g_nTbX, g_nTbY, g_bMoved, g_bPanView) = std::tuple_cat(start);
    view.OnLButtonDown(QPoint(x, y));
    return {g_nTbX, g_nTbY, g_bMoved, g_bPanView};
}

} // namespace

// The level steps of the arrows name their level in the title.
TEST(AtlasClick, TheZoomButtonReloadsTheLevelAfterItsDialogAndTheArrowsStepItUnderItsTitle) {
    for (const char* name : {"11", "12", "13"})
        WriteTiledLevel(QLatin1String(name), 3, 3, {52.0, 51.0, 1.0, 0.0});
    ShownView shown(QSize(800, 600));
    std::tie(g_nTbX, g_nTileWidth) = std::tuple{2, 7};
    QString title;
    DialogDriver::WhenModal([&title](QWidget* dialog) {
        title = dialog->windowTitle();
        qobject_cast<QDialog*>(dialog)->reject();
    });
    shown.view.OnLButtonDown(QPoint(77, 10));
    EXPECT_EQ(title, QStringLiteral("Choose a layer display zoom."));
    EXPECT_EQ((std::array{g_nTbX, g_nTileWidth}), (std::array{0, 16}));
    for (const auto& [x, zoom] : {std::pair{140, 13u}, {170, 12u}, {191, 11u}}) {
        shown.view.OnLButtonDown(QPoint(x, 10));
        EXPECT_EQ(std::pair(g_nZoom, shown.view.windowTitle()),
                  std::pair(zoom, QStringLiteral("Orvex Trekbuddy %1.map").arg(zoom)));
    }
}

TEST(AtlasClick, OnlyAShownMapTakesClicksAndOnlyThePanViewThoseBelowTheStrip) {
    Write(QStringLiteral("12"), 3, 3);
    ShownView uninitialised(QSize(800, 600), false);
    ShownView hidden(QSize(800, 600));
    hidden.view.hide();
    for (CTarnwellView* view : {&uninitialised.view, &hidden.view}) {
        EXPECT_EQ(ClickAt(*view, 390, 10), (Position{2, 2, 0, 0}));
        EXPECT_EQ(ClickAt(*view, 300, 200, {2, 2, 0, 1}), (Position{2, 2, 0, 1}));
    }
    ShownView shown(QSize(800, 600));
    // The view hands its clicks to the Trekbuddy map (the strip's ranges are the strip's own test).
    EXPECT_EQ(ClickAt(shown.view, 279, 10), (Position{1, 2, 1, 0}));
    EXPECT_EQ(ClickAt(shown.view, 300, 200), (Position{2, 2, 0, 0}));
    EXPECT_EQ(ClickAt(shown.view, 300, 32, {2, 2, 0, 1}), (Position{2, 2, 0, 1}));
    EXPECT_EQ(ClickAt(shown.view, 300, 33, {2, 2, 0, 1}), (Position{0, 0, 0, 0}));
    // Right and down have no end short of the largest position.
    const qint32 last = std::numeric_limits<qint32>::max();
    for (const int x : {350, 390})
        EXPECT_EQ(ClickAt(shown.view, x, 10, {last, last, 0, 0}), (Position{last, last, 1, 0}));
}
