#include "dialog_driver.h"
#include "dialogs/atlas_zoom_dialog.h"
#include "platform/message_box.h"
#include "state/map_state.h"
#include "state/settings_store.h"
#include "support/test_env.h"

#include <QToolButton>
#include <gtest/gtest.h>

using namespace DialogDriver;

namespace {

QLineEdit* ZoomEdit(CAtlasZoom& dialog) {
    return dialog.findChild<QLineEdit*>(QStringLiteral("zoomEdit"));
}
QWidget* Spin(CAtlasZoom& dialog) {
    return dialog.findChild<QWidget*>(QStringLiteral("zoomSpin"));
}
QToolButton* Arrow(CAtlasZoom& dialog, const char* name) {
    return Spin(dialog)->findChild<QToolButton*>(QString::fromLatin1(name));
}

void SetOsm(quint32 zoom, qint32 x, qint32 y) {
    g_nZoom = zoom;
    g_nOsmX = x;
    g_nOsmY = y;
}

void ExpectOsm(quint32 zoom, qint32 x, qint32 y) {
    EXPECT_EQ(g_nZoom, zoom);
    EXPECT_EQ(g_nOsmX, x);
    EXPECT_EQ(g_nOsmY, y);
}

// Opens a fresh dialog, types `text` and presses OK; returns whether the dialog closed with OK.
bool TypeAndOk(const QString& text) {
    CAtlasZoom dialog;
    dialog.open();
    Type(ZoomEdit(dialog), text);
    Click(&dialog, QStringLiteral("OK"));
    return !dialog.isVisible() && dialog.result() == QDialog::Accepted;
}

} // namespace

TEST(AtlasZoomDialog, ShowsItsTextsAndTheZoomWheneverShown) {
    g_nZoom = 7;
    CAtlasZoom dialog;
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Choose a layer display zoom."));
    EXPECT_TRUE(HasText(
        &dialog, QStringLiteral("Choose a layer display zoom.  0 to 17.  A typical value would be 13.\n"
                                "Only layers that exist in the atlas can be displayed.")));
    dialog.open();
    EXPECT_EQ(ZoomEdit(dialog)->text(), QStringLiteral("7"));
    dialog.hide();
    g_nZoom = 9;
    dialog.open();
    EXPECT_EQ(ZoomEdit(dialog)->text(), QStringLiteral("9"));
}

TEST(AtlasZoomDialog, UpArrowStepsInAtOnceAndOkAddsNothingMore) {
    SetOsm(12, 2032, 1362);
    CAtlasZoom dialog;
    dialog.open();
    Click(Arrow(dialog, "zoomUp"));
    EXPECT_EQ(ZoomEdit(dialog)->text(), QStringLiteral("13"));
    ExpectOsm(13, 4064, 2724);
    Click(&dialog, QStringLiteral("OK"));
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    ExpectOsm(13, 4064, 2724);
    EXPECT_FALSE(SettingsStore::ReadAtlasZoom()) << "the zoom dialog writes no settings";
}

TEST(AtlasZoomDialog, ArrowKeysOnTheControlStepLikeTheArrows) {
    SetOsm(12, 2032, 1362);
    CAtlasZoom dialog;
    dialog.open();
    Spin(dialog)->setFocus();
    QTest::keyClick(Spin(dialog), Qt::Key_Up);
    ExpectOsm(13, 4064, 2724);
    QTest::keyClick(Spin(dialog), Qt::Key_Down);
    QTest::keyClick(Spin(dialog), Qt::Key_Down);
    ExpectOsm(11, 1016, 681);
    EXPECT_EQ(ZoomEdit(dialog)->text(), QStringLiteral("11"));
}

TEST(AtlasZoomDialog, DownArrowStopsAtZoomFourAndHalvesTowardZero) {
    SetOsm(5, -3, 9);
    CAtlasZoom dialog;
    dialog.open();
    Click(Arrow(dialog, "zoomDown"));
    ExpectOsm(4, -1, 4);
    Click(Arrow(dialog, "zoomDown"));
    ExpectOsm(4, -1, 4);
    EXPECT_EQ(ZoomEdit(dialog)->text(), QStringLiteral("4"));
}

TEST(AtlasZoomDialog, CancelKeepsTheArrowSteps) {
    SetOsm(12, 2032, 1362);
    CAtlasZoom dialog;
    dialog.open();
    Click(Arrow(dialog, "zoomUp"));
    Click(Arrow(dialog, "zoomUp"));
    Type(ZoomEdit(dialog), QStringLiteral("3"));
    Click(&dialog, QStringLiteral("Cancel"));
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    ExpectOsm(14, 8128, 5448);
}

TEST(AtlasZoomDialog, OkAppliesTheLeadingWholeNumberOnceForEachLevel) {
    SetOsm(12, 2032, 1362);
    EXPECT_TRUE(TypeAndOk(QStringLiteral("10")));
    ExpectOsm(10, 508, 340);

    SetOsm(12, 2032, 1362);
    EXPECT_TRUE(TypeAndOk(QStringLiteral("  +14 levels")));
    ExpectOsm(14, 8128, 5448);

    SetOsm(12, 2032, 1362);
    EXPECT_TRUE(TypeAndOk(QStringLiteral("abc")));
    ExpectOsm(0, 0, 0);

    SetOsm(12, 2033, -1363);
    EXPECT_TRUE(TypeAndOk(QStringLiteral("2")));
    ExpectOsm(2, 1, -1);
    EXPECT_TRUE(TestEnv::Messages().isEmpty());
}

TEST(AtlasZoomDialog, NegativeZoomIsRefusedAndTheDialogStaysOpen) {
    SetOsm(12, 2032, 1362);
    CAtlasZoom dialog;
    dialog.open();
    Type(ZoomEdit(dialog), QStringLiteral(" -3"));
    Click(&dialog, QStringLiteral("OK"));
    ASSERT_EQ(TestEnv::Messages().size(), 1);
    EXPECT_EQ(TestEnv::Messages().first().title, kAppTitle);
    EXPECT_TRUE(TestEnv::Messages().first().text.contains(QStringLiteral("negative")));
    EXPECT_TRUE(dialog.isVisible());
    ExpectOsm(12, 2032, 1362);

    Type(ZoomEdit(dialog), QStringLiteral("13"));
    Click(&dialog, QStringLiteral("OK"));
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    ExpectOsm(13, 4064, 2724);
}

TEST(AtlasZoomDialog, HugeZoomStopsWhereThePositionStillFits) {
    // 2032 and 1362 can be doubled 20 times within 32 bits; the 21st doubling of 2032 would overflow.
    SetOsm(12, 2032, 1362);
    EXPECT_TRUE(TypeAndOk(QStringLiteral("99999999999999999999999")));
    ExpectOsm(32, 2032 << 20, 1362 << 20);

    CAtlasZoom dialog;
    dialog.open();
    Click(Arrow(dialog, "zoomUp"));
    ExpectOsm(32, 2032 << 20, 1362 << 20);
    EXPECT_EQ(ZoomEdit(dialog)->text(), QStringLiteral("32"));
}

TEST(AtlasZoomDialog, FarZoomsOverPositionZeroAreReachedAtOnce) {
    SetOsm(12, 0, 0);
    EXPECT_TRUE(TypeAndOk(QStringLiteral("4294967295")));
    ExpectOsm(4294967295u, 0, 0);

    g_nOsmX = 5;
    g_nOsmY = -7;
    EXPECT_TRUE(TypeAndOk(QStringLiteral("1")));
    ExpectOsm(1, 0, 0);
}
