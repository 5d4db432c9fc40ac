#include "atlas/atlas_click.h"
#include "shown_view.h"
#include "solid_level.h"

#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <limits>

using namespace SolidLevel;

namespace {

// Closes the next modal dialog as soon as it is up and remembers its title.
void CancelNextDialog(QString* title, int triesLeft = 500) {
    QTimer::singleShot(10, [title, triesLeft] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            *title = dialog->windowTitle();
            dialog->reject();
        } else if (triesLeft > 0) {
            CancelNextDialog(title, triesLeft - 1);
        }
    });
}

struct Position {
    qint32 x, y, moved, pan;
    bool operator==(const Position&) const = default;
};

Position Now() {
    return {g_nTbX, g_nTbY, g_bMoved, g_bPanView};
}

void PrintTo(const Position& p, std::ostream* os) {
    *os << "(" << p.x << ", " << p.y << ") moved " << p.moved << " pan " << p.pan;
}

Position ClickAt(CTarnwellView& view, int x, int y, Position start) {
    g_nTbX = start.x;
    g_nTbY = start.y;
    g_bMoved = start.moved;
    g_bPanView = start.pan;
    OnAtlasClick(&view, QPoint(x, y));
    return Now();
}

} // namespace

TEST(AtlasClick, TheZoomButtonOpensTheZoomDialogAndReloadsTheLevel) {
    Write(QStringLiteral("12"), 3, 3, QSize(200, 200));
    ShownView shown(QSize(800, 600));
    g_nTbX = 2;
    g_nTileWidth = 7;
    QString title;
    CancelNextDialog(&title);
    OnAtlasClick(&shown.view, QPoint(77, 10));
    EXPECT_EQ(title, QStringLiteral("Choose a layer display zoom."));
    EXPECT_EQ(g_nTbX, 0);
    EXPECT_EQ(g_nTileWidth, 200);
}

TEST(AtlasClick, StripButtonsActWithinTheirOpenRangesOnly) {
    Write(QStringLiteral("12"), 3, 3);
    ShownView shown(QSize(800, 600));
    CTarnwellView& view = shown.view;
    // Right of "Zoom" and between the zoom arrows nothing happens, not even a reload.
    EXPECT_EQ(ClickAt(view, 78, 10, {2, 2, 0, 0}), (Position{2, 2, 0, 0}));
    EXPECT_EQ(ClickAt(view, 158, 10, {2, 2, 0, 0}), (Position{2, 2, 0, 0}));
    EXPECT_EQ(ClickAt(view, 0, 10, {2, 2, 0, 0}), (Position{2, 2, 0, 0}));

    EXPECT_EQ(ClickAt(view, 279, 10, {2, 2, 0, 0}), (Position{1, 2, 1, 0}));
    EXPECT_EQ(ClickAt(view, 300, 31, {0, 2, 0, 0}), (Position{0, 2, 0, 0})) << "left stops at column 0";
    EXPECT_EQ(ClickAt(view, 310, 10, {2, 2, 0, 0}), (Position{2, 2, 0, 0})) << "edge of left and up";
    EXPECT_EQ(ClickAt(view, 320, 10, {2, 2, 0, 0}), (Position{2, 1, 1, 0}));
    EXPECT_EQ(ClickAt(view, 320, 10, {2, 0, 0, 0}), (Position{2, 0, 0, 0})) << "up stops at row 0";
    EXPECT_EQ(ClickAt(view, 350, 10, {2, 2, 0, 0}), (Position{2, 3, 1, 0}));
    EXPECT_EQ(ClickAt(view, 405, 10, {2, 2, 0, 0}), (Position{3, 2, 1, 0}));
    EXPECT_EQ(ClickAt(view, 406, 10, {2, 2, 0, 0}), (Position{2, 2, 0, 0}));
    EXPECT_EQ(ClickAt(view, 240, 10, {2, 2, 0, 0}), (Position{2, 2, 1, 1}));
    EXPECT_EQ(ClickAt(view, 272, 10, {2, 2, 0, 0}), (Position{2, 2, 0, 0}));

    // Right and down have no end short of the largest position.
    const qint32 last = std::numeric_limits<qint32>::max();
    EXPECT_EQ(ClickAt(view, 390, 10, {last, last, 0, 0}), (Position{last, last, 1, 0}));
    EXPECT_EQ(ClickAt(view, 350, 10, {last, last, 0, 0}), (Position{last, last, 1, 0}));
}

TEST(AtlasClick, TheZoomArrowsStepTheLevel) {
    Write(QStringLiteral("12"), 2, 2);
    Write(QStringLiteral("13"), 4, 4);
    Write(QStringLiteral("11"), 1, 1);
    ShownView shown(QSize(800, 600));
    OnAtlasClick(&shown.view, QPoint(140, 10));
    EXPECT_EQ(g_nZoom, 13u);
    OnAtlasClick(&shown.view, QPoint(170, 10));
    OnAtlasClick(&shown.view, QPoint(191, 31));
    EXPECT_EQ(g_nZoom, 11u);
}

TEST(AtlasClick, BelowTheStripOnlyThePanViewTakesClicks) {
    Write(QStringLiteral("12"), 3, 3);
    ShownView shown(QSize(800, 600));
    CTarnwellView& view = shown.view;
    EXPECT_EQ(ClickAt(view, 300, 32, {2, 2, 0, 1}), (Position{2, 2, 0, 1})) << "y = 32 is neither";
    EXPECT_EQ(ClickAt(view, 300, 200, {2, 2, 0, 0}), (Position{2, 2, 0, 0}));
    EXPECT_EQ(ClickAt(view, 300, 33, {2, 2, 0, 1}), (Position{0, 0, 0, 0}));
}

TEST(AtlasClick, AViewWithoutItsMapOrOutOfSightIgnoresClicks) {
    Write(QStringLiteral("12"), 3, 3);
    {
        ShownView uninitialised(QSize(800, 600), false);
        EXPECT_EQ(ClickAt(uninitialised.view, 390, 10, {2, 2, 0, 0}), (Position{2, 2, 0, 0}));
        EXPECT_EQ(ClickAt(uninitialised.view, 300, 200, {2, 2, 0, 1}), (Position{2, 2, 0, 1}));
    }
    ShownView hidden(QSize(800, 600));
    hidden.view.hide();
    EXPECT_EQ(ClickAt(hidden.view, 390, 10, {2, 2, 0, 0}), (Position{2, 2, 0, 0}));
    EXPECT_EQ(ClickAt(hidden.view, 300, 200, {2, 2, 0, 1}), (Position{2, 2, 0, 1}));
}
