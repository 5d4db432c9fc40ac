#include "draw/status_text.h"
#include "solid_level.h"

#include <cmath>
#include <cstdio>
#include <jpeglib.h>
#include <vector>

using namespace SolidLevel;

namespace {

// A 256 x 256 CMYK JPEG tile (Qt writes none), Adobe-inverted as Qt reads it: (255, 0, 0, 255) is red.
void WriteCmykTile(const QString& path, std::array<uchar, 4> cmyk) {
    std::FILE* file = std::fopen(QFile::encodeName(path).constData(), "wb");
    ASSERT_TRUE(file);
    jpeg_compress_struct info{};
    jpeg_error_mgr error{};
    info.err = jpeg_std_error(&error);
    jpeg_create_compress(&info);
    jpeg_stdio_dest(&info, file);
    std::tie(info.image_width, info.image_height, info.input_components, info.in_color_space) =
        std::tuple(256u, 256u, 4, JCS_CMYK);
    jpeg_set_defaults(&info);
    jpeg_start_compress(&info, TRUE);
    std::vector<std::array<uchar, 4>> row(256, cmyk);
    std::vector<JSAMPROW> rows(256, row.front().data());
    jpeg_write_scanlines(&info, rows.data(), 256);
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    std::fclose(file);
}

} // namespace

TEST(DrawAtlas, ShowsThreeByTwoTilesIn600By500AtMostEightBySixAndTheStripAboveWithItsStatusText) {
    Write(QStringLiteral("12"), 10, 8);
    Enter(12);
    g_nTbX = 1;
    QImage image = Render(600, 500);
    // Column -1 is black; the first tiles lose a pixel at the top left, cell edges fall a pixel early.
    const std::array<int, 4> cells[] = {
        {0, 32, 1, 0},    {254, 100, 1, 0}, {255, 100, 2, 0}, {100, 287, 1, 0},  {100, 288, 1, 1},
        {561, 338, 3, 1}, {598, 498, 3, 1}, {100, 31, -1, 0}, {599, 100, -1, 0}, {100, 499, -1, 0}};
    for (const auto& [x, y, column, row] : cells)
        EXPECT_EQ(image.pixel(x, y), column < 0 ? kBlack : CellColour(column, row)) << x << ", " << y;
    EXPECT_TRUE(HasWhite(image, QRect(80, 0, 40, 32))) << "zoom number";
    EXPECT_TRUE(HasWhite(image, QRect(410, 7, 180, 16))) << "status text";
    EXPECT_EQ(g_bMoved, 0);

    g_nTbX = 0;
    image = Render(2700, 1900);
    EXPECT_EQ((std::array{image.pixel(CellPoint(7, 5)), image.pixel(CellPoint(8, 0)),
                          image.pixel(CellPoint(0, 6))}),
              (std::array{CellColour(7, 5), kBlack, kBlack}));

    // A clip box away from the origin gets the whole layout from its corner.
    image = Render(700, 500, QRect(100, 50, 600, 450));
    EXPECT_EQ((std::array{image.pixel(50, 40), image.pixel(QPoint(100, 50) + CellPoint(1, 0))}),
              (std::array{kUntouched, CellColour(1, 0)}));
    EXPECT_EQ(Render(64, 64, QRect(0, 0, 1 << 20, 1 << 20)).pixel(10, 40), kUntouched);
    EXPECT_EQ(TestEnv::MessageTexts(), QStringList{QStringLiteral("Error could not CreateCompatibleBitmap")});

    EXPECT_EQ(TileStatusText(3, -4, 51.5f, -1.25f), QStringLiteral("Tile  X 3, Y -4, 51.500000   -1.250000"));
    EXPECT_EQ(TileStatusText(0, 0, NAN, -NAN), QStringLiteral("Tile  X 0, Y 0, nan   nan"));
    EXPECT_EQ(TileStatusText(0, 0, INFINITY, -INFINITY), QStringLiteral("Tile  X 0, Y 0, inf   -inf"));
}

// Tiles decoded ahead are drawn only by a paint of just those tiles: ones decoded for a smaller view, or
// before the map moved, give way to the tiles the paint shows.
TEST(DrawAtlas, TakesTilesDecodedAheadOnlyWhenThePaintShowsJustThose) {
    Write(QStringLiteral("12"), 10, 8);
    Enter(12);
    struct Case {
        QSize ahead;
        int aheadX, paintX;
    };
    for (const Case& ahead : {Case{.ahead = QSize(600, 500), .aheadX = 1, .paintX = 1},
                              Case{.ahead = QSize(600, 500), .aheadX = 1, .paintX = 0},
                              Case{.ahead = QSize(300, 200), .aheadX = 0, .paintX = 0}}) {
        CTrekbuddy map;
        g_nTbX = ahead.aheadX;
        map.DecodeAhead(ahead.ahead);
        g_nTbX = ahead.paintX;
        const QImage image = TileCache::Picture(
            600, 500, [&map](QPainter& painter, QRect area) { map.DrawAtlas(painter, area); });
        EXPECT_EQ((std::array{image.pixel(CellPoint(0, 0)), image.pixel(CellPoint(1, 1))}),
                  (std::array{CellColour(ahead.paintX, 0), CellColour(1 + ahead.paintX, 1)}))
            << ahead.aheadX << " " << ahead.paintX;
    }
}

TEST(DrawAtlas, NotesAnUnsetFolderAndAPositionOutsideTheLevelAndPullsBack) {
    std::tie(g_nZoom, g_nTbX, g_nTbY) = std::tuple{12u, 4, 3};
    QImage image = Render(800, 600);
    EXPECT_TRUE(HasWhite(image, QRect(5, 249, 300, 14))) << "fourth line of the note";
    EXPECT_FALSE(HasWhite(image, QRect(5, 299, 300, 14)));
    EXPECT_EQ((std::array{g_nTbX, g_nTbY, g_bMoved}), (std::array{0, 0, 0})) << "the note counts as drawn";

    Write(QStringLiteral("12"), 10, 8);
    Write(QStringLiteral("13"), 2, 2);
    Enter(12);
    std::tie(g_nTbX, g_nTbY) = std::tuple{50, 2};
    EXPECT_TRUE(HasWhite(Render(800, 600), QRect(5, 399, 300, 14))) << "seventh line of the note";
    EXPECT_EQ((std::array{g_nTbX, g_nTbY, g_bMoved}), (std::array{7, 2, 1}));
    EXPECT_EQ(Render(800, 600).pixel(CellPoint(2, 0)), CellColour(9, 2));
    Enter(13);
    g_nTbX = 5;
    Render(800, 600);
    EXPECT_EQ(g_nTbX, 0);
}

// A tile found by its position draws whatever its extension; only whole pictures that fit draw.
TEST(DrawAtlas, NarrowCorruptAndHugeTilesLeaveBlackJpegTilesOfEveryColourModelDrawInTheirColours) {
    const QString level = LevelFolder(QStringLiteral("12"));
    WriteTile(level, 0, 0, QSize(256, 256));
    WriteTile(level, 2, 0, QSize(100, 256));
    WriteTile(level, 0, 2, QSize(5000, 8));
    WriteFile(level + QStringLiteral("/set/t_256_0.png"), "\x89PNG\r\n\x1a\nnot a picture");
    QImage grey(256, 256, QImage::Format_Grayscale8);
    grey.fill(qRgb(90, 90, 90));
    ASSERT_TRUE(grey.save(level + QStringLiteral("/set/t_0_256.jpg")));
    WriteCmykTile(level + QStringLiteral("/set/t_256_256.jpg"), {255, 0, 0, 255});
    Enter(12);
    const QImage image = Render(900, 600);
    EXPECT_EQ((std::array{image.pixel(CellPoint(1, 0)), image.pixel(CellPoint(2, 0, 50, 50)),
                          image.pixel(CellPoint(2, 0, 150, 50)), image.pixel(CellPoint(0, 2, 10, 3))}),
              (std::array{kBlack, CellColour(2, 0), kBlack, kBlack}));
    EXPECT_TRUE(Shows(image, CellPoint(0, 1), qRgb(90, 90, 90)) &&
                Shows(image, CellPoint(1, 1), qRgb(255, 0, 0)));
    g_nTbY = 2;
    Render(900, 600);
    EXPECT_EQ(g_bMoved, 1) << "a tile too big to draw does not count as drawn";
}
