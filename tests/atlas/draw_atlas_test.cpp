#include "atlas/trekbuddy.h"
#include "platform/status_text.h"
#include "solid_level.h"

#include <QFile>
#include <QPainter>
#include <cmath>
#include <limits>

using namespace SolidLevel;

namespace {

QImage Render(int width, int height) {
    QImage target = BlankTarget(width, height);
    QPainter painter(&target);
    CTrekbuddy().DrawAtlas(painter, target.rect());
    return target;
}

// The no-tiles note has seven lines from y = 100 to 400; the missing-folder note only four, to y = 250.
const QRect kNoteLine1(5, 99, 300, 14);
const QRect kNoteLine5(5, 299, 300, 14);

} // namespace

TEST(DrawAtlas, AViewOf600By500ShowsThreeByTwoTilesShiftedByOnePixel) {
    Write(QStringLiteral("12"), 4, 3);
    Enter(12);
    g_nTbX = 1;
    const QImage image = Render(600, 500);
    EXPECT_EQ(image.pixel(CellPoint(0, 0)), CellColour(1, 0));
    EXPECT_EQ(image.pixel(CellPoint(2, 1, 50, 50)), CellColour(3, 1));
    // The picture's pixel (1, 1) lands on the target's (0, 0): the first row and column of tiles lose one.
    EXPECT_EQ(image.pixel(0, 32), CellColour(1, 0));
    EXPECT_EQ(image.pixel(254, 100), CellColour(1, 0));
    EXPECT_EQ(image.pixel(255, 100), CellColour(2, 0));
    EXPECT_EQ(image.pixel(100, 287), CellColour(1, 0));
    EXPECT_EQ(image.pixel(100, 288), CellColour(1, 1));
    // Between the strip and the tiles, and the last column and row of the target, stay black.
    EXPECT_EQ(image.pixel(100, 31), 0xff000000);
    EXPECT_EQ(image.pixel(599, 100), 0xff000000);
    EXPECT_EQ(image.pixel(100, 499), 0xff000000);
    EXPECT_EQ(g_bMoved, 0);
    EXPECT_TRUE(TestEnv::Messages().isEmpty());
}

TEST(DrawAtlas, AHugeViewShowsAtMostEightBySixTiles) {
    Write(QStringLiteral("12"), 10, 8);
    Enter(12);
    const QImage image = Render(2700, 1900);
    EXPECT_EQ(image.pixel(CellPoint(7, 5)), CellColour(7, 5));
    EXPECT_EQ(image.pixel(CellPoint(8, 0)), 0xff000000);
    EXPECT_EQ(image.pixel(CellPoint(0, 6)), 0xff000000);
}

TEST(DrawAtlas, StripZoomAndStatusAreDrawnAboveTheTiles) {
    Write(QStringLiteral("12"), 2, 2);
    Enter(12);
    const QImage image = Render(900, 400);
    EXPECT_TRUE(HasWhite(image, QRect(80, 0, 40, 32))) << "zoom number";
    EXPECT_TRUE(HasWhite(image, QRect(410, 7, 300, 16))) << "status text";
    EXPECT_FALSE(HasWhite(image, QRect(410, 40, 300, 200))) << "nothing but tiles below the strip";
    const QRgb upArrow = image.pixel(310 + 16 - 1, 16 - 1);
    EXPECT_GT(qGreen(upArrow), 2 * qRed(upArrow)) << "green arrow up";
    const QRgb zoomIn = image.pixel(130 + 16 - 1, 16 - 1);
    EXPECT_GT(qBlue(zoomIn), 2 * qRed(zoomIn)) << "blue arrow up";
}

TEST(DrawAtlas, TilesAreDecodedByContentWhateverTheirExtension) {
    const QString level = LevelFolder(QStringLiteral("12"));
    QDir().mkpath(level + QStringLiteral("/set"));
    WriteTile(level, 0, 0, QSize(256, 256));
    QImage png(256, 256, QImage::Format_RGB32);
    png.fill(CellColour(1, 0));
    ASSERT_TRUE(png.save(level + QStringLiteral("/set/t_256_0.jpg"), "PNG"));
    Enter(12);
    const QImage image = Render(800, 400);
    EXPECT_EQ(image.pixel(CellPoint(1, 0)), CellColour(1, 0));
}

TEST(DrawAtlas, TilesNarrowerThanTheFirstLeaveTheRestOfTheirCellBlack) {
    const QString level = LevelFolder(QStringLiteral("12"));
    QDir().mkpath(level + QStringLiteral("/set"));
    for (int column = 0; column < 3; ++column)
        WriteTile(level, column, 0, QSize(column == 2 ? 100 : 256, 256));
    Enter(12);
    const QImage image = Render(900, 400);
    EXPECT_EQ(image.pixel(CellPoint(2, 0, 50, 50)), CellColour(2, 0));
    EXPECT_EQ(image.pixel(CellPoint(2, 0, 150, 50)), 0xff000000);
}

TEST(DrawAtlas, APositionOutsideTheLevelIsNotedAndPulledBack) {
    Write(QStringLiteral("12"), 10, 8);
    Enter(12);
    g_nTbX = 50;
    g_nTbY = 2;
    const QImage image = Render(800, 600);
    EXPECT_EQ(g_nTbX, 7);
    EXPECT_EQ(g_nTbY, 2);
    EXPECT_EQ(g_bMoved, 1);
    EXPECT_TRUE(HasWhite(image, kNoteLine1));
    EXPECT_TRUE(HasWhite(image, kNoteLine5));
    EXPECT_TRUE(HasWhite(image, QRect(5, 399, 300, 14)));

    // The next paint shows the level's last three columns from the left.
    const QImage next = Render(800, 600);
    EXPECT_EQ(next.pixel(CellPoint(2, 0)), CellColour(9, 2));
}

TEST(DrawAtlas, ANarrowLevelPullsBackToTheFirstColumn) {
    Write(QStringLiteral("12"), 2, 2);
    Enter(12);
    g_nTbX = 5;
    Render(800, 600);
    EXPECT_EQ(g_nTbX, 0);
    EXPECT_EQ(g_nTbY, 0);
}

TEST(DrawAtlas, AnUnsetAtlasFolderIsNotedWithFourLines) {
    g_nZoom = 12;
    g_nTbX = 4;
    g_nTbY = 3;
    const QImage image = Render(800, 600);
    EXPECT_TRUE(HasWhite(image, kNoteLine1));
    EXPECT_TRUE(HasWhite(image, QRect(5, 249, 300, 14)));
    EXPECT_FALSE(HasWhite(image, kNoteLine5));
    EXPECT_EQ(g_nTbX, 0);
    EXPECT_EQ(g_nTbY, 0);
    EXPECT_EQ(g_bMoved, 0) << "the note counts as drawn, so nothing is clamped";
}

TEST(DrawAtlas, UnreadableAndOversizedTilesLeaveTheirCellsBlack) {
    const QString level = LevelFolder(QStringLiteral("12"));
    QDir().mkpath(level + QStringLiteral("/set"));
    WriteTile(level, 0, 0, QSize(256, 256));
    QFile garbage(level + QStringLiteral("/set/t_256_0.png"));
    ASSERT_TRUE(garbage.open(QIODevice::WriteOnly));
    garbage.write(QByteArray("\x89PNG\r\n\x1a\nnot really a picture", 28));
    garbage.close();
    QImage wide(5000, 8, QImage::Format_RGB32);
    wide.fill(Qt::red);
    ASSERT_TRUE(wide.save(level + QStringLiteral("/set/t_0_256.png")));
    Enter(12);
    const QImage image = Render(800, 600);
    EXPECT_EQ(image.pixel(CellPoint(0, 0)), CellColour(0, 0));
    EXPECT_EQ(image.pixel(CellPoint(1, 0)), 0xff000000);
    EXPECT_EQ(image.pixel(CellPoint(0, 1, 10, 3)), 0xff000000);
    EXPECT_EQ(g_bMoved, 0);

    // With only unusable tiles in view nothing counts as drawn.
    g_nTbX = 1;
    Render(800, 600);
    EXPECT_EQ(g_bMoved, 1);
}

TEST(DrawAtlas, APictureTooBigToComposeIsReportedAndNothingIsPainted) {
    Write(QStringLiteral("12"), 1, 1);
    Enter(12);
    QImage target = BlankTarget(64, 64);
    QPainter painter(&target);
    CTrekbuddy().DrawAtlas(painter, QRect(0, 0, 1 << 20, 1 << 20));
    painter.end();
    EXPECT_EQ(TestEnv::MessageTexts(), QStringList{QStringLiteral("Error could not CreateCompatibleBitmap")});
    EXPECT_EQ(target.pixel(10, 40), kUntouched);
}

TEST(DrawAtlas, AClipBoxAwayFromTheOriginGetsTheWholeLayoutFromItsCorner) {
    Write(QStringLiteral("12"), 2, 2);
    Enter(12);
    QImage target = BlankTarget(700, 500);
    QPainter painter(&target);
    CTrekbuddy().DrawAtlas(painter, QRect(100, 50, 600, 450));
    painter.end();
    EXPECT_EQ(target.pixel(50, 40), kUntouched);
    EXPECT_EQ(target.pixel(QPoint(100, 50) + CellPoint(1, 0)), CellColour(1, 0));
}

TEST(TileStatusText, ShowsPositionAndSixDecimalsAndNamesNonFiniteValues) {
    EXPECT_EQ(TileStatusText(3, -4, 51.5f, -1.25f), QStringLiteral("Tile  X 3, Y -4, 51.500000   -1.250000"));
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    EXPECT_EQ(TileStatusText(0, 0, nan, -nan), QStringLiteral("Tile  X 0, Y 0, nan   nan"));
    EXPECT_EQ(TileStatusText(0, 0, inf, -inf), QStringLiteral("Tile  X 0, Y 0, inf   -inf"));
}
