#include "atlas/atlas_click.h"
#include "atlas/pan_view.h"
#include "atlas/trekbuddy.h"
#include "shown_view.h"
#include "solid_level.h"

#include <QPainter>
#include <cstdlib>
#include <limits>

using namespace SolidLevel;

namespace {

constexpr QRgb kPanColour = 0xffc83c3c;

void WritePan(QSize size, const char* format = "JPG") {
    const QString level = LevelFolder(QStringLiteral("12"));
    ASSERT_TRUE(QDir().mkpath(level + QStringLiteral("/set")));
    QImage pan(size, QImage::Format_RGB32);
    pan.fill(kPanColour);
    ASSERT_TRUE(pan.save(level + QStringLiteral("/pan.jpg"), format, 95));
}

// JPEG keeps a flat colour only nearly.
bool NearPanColour(QRgb pixel) {
    return std::abs(qRed(pixel) - qRed(kPanColour)) < 12 &&
           std::abs(qGreen(pixel) - qGreen(kPanColour)) < 12 &&
           std::abs(qBlue(pixel) - qBlue(kPanColour)) < 12;
}

// The map as the view paints it while the pan view is on.
QImage RenderPanView(QSize size) {
    g_bPanView = 1;
    QImage target = BlankTarget(size.width(), size.height());
    QPainter painter(&target);
    CTrekbuddy().DrawAtlas(painter, target.rect());
    return target;
}

const QRect kHeader(19, 4, 400, 12);

} // namespace

TEST(PanView, AWideImageFillsTheViewWidthAndAClickPicksItsTile) {
    WritePan(QSize(800, 400));
    ShownView shown(QSize(800, 600));
    const QImage image = RenderPanView(QSize(800, 600));
    EXPECT_TRUE(HasWhite(image, kHeader));
    EXPECT_TRUE(NearPanColour(image.pixel(398, 231)));
    EXPECT_TRUE(NearPanColour(image.pixel(797, 430)));
    EXPECT_EQ(image.pixel(400, 33 + 400 + 5), 0xff000000);
    EXPECT_EQ(g_nPanImageWidth, 800);
    EXPECT_EQ(g_nPanImageHeight, 400);
    EXPECT_EQ(g_fPanShownWidth, 800.0f);
    EXPECT_EQ(g_fPanShownHeight, 400.0f);

    OnAtlasClick(&shown.view, QPoint(400, 232));
    EXPECT_EQ(g_nTbX, 5);
    EXPECT_EQ(g_nTbY, 2);
    EXPECT_EQ(g_bPanView, 0);
    EXPECT_EQ(g_bMoved, 0);
}

TEST(PanView, ATallImageFillsTheViewHeightAndAClickRightOfItGoesOnePastTheLastColumn) {
    WritePan(QSize(400, 800), "PNG"); // pictures are decoded by content, whatever their name says
    ShownView shown(QSize(800, 600));
    const QImage image = RenderPanView(QSize(800, 600));
    EXPECT_EQ(g_fPanShownWidth, 300.0f);
    EXPECT_EQ(g_fPanShownHeight, 600.0f);
    EXPECT_TRUE(NearPanColour(image.pixel(290, 300)));
    EXPECT_EQ(image.pixel(310, 300), 0xff000000);

    OnAtlasClick(&shown.view, QPoint(310, 100));
    EXPECT_EQ(g_nTbX, 5);
    EXPECT_EQ(g_nTbY, 1); // (100 - 32) / 600 * 800 = 90.7, row 1
}

TEST(PanView, WithoutAPanImageTheNoteShowsAndAClickUsesTheLastImageDrawn) {
    Write(QStringLiteral("12"), 1, 1);
    ShownView shown(QSize(800, 600));
    g_nPanImageWidth = 1600;
    g_nPanImageHeight = 800;
    g_fPanShownWidth = 800.0f;
    g_fPanShownHeight = 400.0f;
    const QImage image = RenderPanView(QSize(800, 600));
    EXPECT_TRUE(HasWhite(image, kHeader));
    EXPECT_TRUE(HasWhite(image, QRect(50, 99, 400, 30)));
    EXPECT_TRUE(HasWhite(image, QRect(50, 199, 400, 30)));
    EXPECT_EQ(g_nPanImageWidth, 1600);
    EXPECT_EQ(g_fPanShownWidth, 800.0f);

    OnAtlasClick(&shown.view, QPoint(400, 232));
    EXPECT_EQ(g_nTbX, 10);
    EXPECT_EQ(g_nTbY, 5);
}

TEST(PanView, OnFirstUseWithoutAPanImageAClickGoesToTheFirstTile) {
    Write(QStringLiteral("12"), 4, 4);
    ShownView shown(QSize(800, 600));
    RenderPanView(QSize(800, 600));
    g_nTbX = 3;
    g_nTbY = 3;
    OnAtlasClick(&shown.view, QPoint(700, 500));
    EXPECT_EQ(g_nTbX, 0);
    EXPECT_EQ(g_nTbY, 0);
    EXPECT_EQ(g_fPanShownWidth, 800.0f);
    EXPECT_EQ(g_fPanShownHeight, 600.0f);
}

TEST(PanView, OddPanSizesGiveTileZeroOrTheLargestRowRatherThanGarbage) {
    ShownView shown(QSize(800, 600));
    g_bPanView = 1;
    g_nPanImageWidth = 800;
    g_nPanImageHeight = std::numeric_limits<qint32>::max(); // 2^31 once it is a float
    g_fPanShownWidth = std::numeric_limits<float>::quiet_NaN();
    g_fPanShownHeight = 200.0f;
    OnAtlasClick(&shown.view, QPoint(400, 232));
    EXPECT_EQ(g_nTbX, 0);
    EXPECT_EQ(g_nTbY, std::numeric_limits<qint32>::max() / 80);
}

TEST(PanView, NothingCanBePaintedIntoAnEmptyBox) {
    QImage target = BlankTarget(10, 10);
    QPainter painter(&target);
    EXPECT_EQ(DrawPanImage(painter, QRect()), -1);
    EXPECT_EQ(DrawPanImage(painter, target.rect()), 0);
}
