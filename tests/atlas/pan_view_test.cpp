#include "atlas/atlas_click.h"
#include "atlas/jpeg_strip_writer.h"
#include "atlas/pan_maker.h"
#include "atlas_builder.h"
#include "shown_view.h"
#include "solid_level.h"

#include <array>
#include <limits>

using namespace SolidLevel;

TEST(PanView, AWideImageFillsTheWidthATallOneTheHeightAndClicksPickTheirTile) {
    const QString panFile = LevelFolder(QStringLiteral("12")) + QStringLiteral("/pan.jpg");
    ShownView shown(QSize(800, 600));
    const struct {
        QSize size;
        QPoint inside, outside, click;
        std::array<qint32, 2> tile;
    } pans[] = {{{800, 400}, {797, 430}, {400, 438}, {400, 232}, {5, 2}},
                // Right of the 300 px wide image is one past the last column; 68 / 600 * 800 = 90.7 is row 1.
                {{400, 800}, {290, 300}, {310, 300}, {700, 100}, {5, 1}}};
    for (const auto& [size, inside, outside, click, tile] : pans) {
        QImage pan(size, QImage::Format_RGB32);
        pan.fill(Qt::red);
        // Saved as PNG under the .jpg name: read by content, whatever the name says.
        ASSERT_TRUE(pan.save(panFile, "PNG"));
        g_bPanView = 1;
        const QImage image = Render(800, 600);
        EXPECT_TRUE(HasWhite(image, QRect(19, 4, 400, 12))) << "header";
        EXPECT_EQ((std::array{image.pixel(0, 33), image.pixel(inside), image.pixel(outside)}),
                  (std::array<QRgb, 3>{0xffff0000, 0xffff0000, kBlack}));
        OnAtlasClick(click, shown.view.size());
        EXPECT_EQ((std::array{g_nTbX, g_nTbY, g_bPanView, g_bMoved}), (std::array{tile[0], tile[1], 0, 0}));
    }
}

TEST(PanView, WithoutAPanImageTheNoteShowsAndClicksUseTheLastImageDrawn) {
    WriteFile(Write(QStringLiteral("12"), 4, 4) + QStringLiteral("/12.map"),
              AtlasBuilder::CalibrationText(QStringLiteral("12.png"), 1024, 1024, {52.0, 51.0, 1.0, 0.0})
                  .toLatin1());
    ShownView shown(QSize(800, 600));
    g_bPanView = 1;
    const QImage image = Render(800, 600);
    EXPECT_TRUE(HasWhite(image, QRect(19, 4, 400, 12)) && HasWhite(image, QRect(50, 199, 400, 30)));
    // Never an image yet: the view's size stands in and every click goes to the first tile.
    g_nTbX = 3;
    OnAtlasClick(QPoint(700, 500), shown.view.size());
    EXPECT_EQ((std::array{g_nTbX, g_nTbY}), (std::array{0, 0}));
    EXPECT_EQ((std::array{g_fPanShownWidth, g_fPanShownHeight}), (std::array{800.0f, 600.0f}));

    std::tie(g_nPanImageWidth, g_nPanImageHeight, g_fPanShownWidth, g_fPanShownHeight, g_bPanView) =
        std::tuple{1600, 800, 800.0f, 400.0f, 1};
    Render(800, 600);
    OnAtlasClick(QPoint(400, 232), shown.view.size());
    EXPECT_EQ((std::array{g_nTbX, g_nTbY}), (std::array{10, 5}));
    // The click reads the calibration again: the status shows where the new top-left tile lies.
    EXPECT_FLOAT_EQ(g_fTbLat, 50.75f);
    EXPECT_FLOAT_EQ(g_fTbLon, -1.5f);

    // A shown size that is not a number gives column 0; a huge image height the largest row, not garbage.
    const qint32 last = std::numeric_limits<qint32>::max();
    std::tie(g_nPanImageHeight, g_fPanShownWidth, g_fPanShownHeight, g_bPanView) =
        std::tuple{last, std::numeric_limits<float>::quiet_NaN(), 200.0f, 1};
    OnAtlasClick(QPoint(400, 232), shown.view.size());
    EXPECT_EQ((std::array{g_nTbX, g_nTbY}), (std::array{0, last / 80}));
}

TEST(PanView, ShowsAMadeImageAndAHugeOneAndClicksPickTheirTile) {
    const QString level = Write(QStringLiteral("12"), 10, 5);
    Enter(12);
    ASSERT_EQ(MakePanImage(level, [](int) {}), QStringList());
    ShownView shown(QSize(800, 600));
    g_bPanView = 1;
    // Cell (2, 1) of the 800 x 400 image is shown 1:1 from y = 33.
    EXPECT_TRUE(Shows(Render(800, 600), {200, 33 + 120}, CellColour(2, 1)));

    // 512 x 40 cells, red then blue: far beyond what a whole decoded image may take, shown 800 x 62.5.
    // Written through the strip writer, so no image of the whole size is ever in memory.
    std::FILE* file = std::fopen(QFile::encodeName(level + QStringLiteral("/pan.jpg")).constData(), "wb");
    ASSERT_NE(file, nullptr);
    std::vector<unsigned char> band(40960 * 3 * 16);
    for (size_t i = 0; i < band.size(); i += 3)
        band[i + (i / 3 % 40960 < 20480 ? 0 : 2)] = 255;
    JpegStripWriter writer;
    ASSERT_TRUE(writer.Start(file, QSize(40960, 3200)));
    for (int y = 0; y < 3200; y += 16)
        ASSERT_TRUE(writer.WriteRows(band.data(), 16));
    ASSERT_TRUE(writer.Finish());
    std::fclose(file);
    const QImage image = Render(800, 600);
    EXPECT_TRUE(Shows(image, {390, 60}, qRgb(255, 0, 0)) && Shows(image, {410, 60}, qRgb(0, 0, 255)));
    EXPECT_EQ(image.pixel(400, 97), kBlack);
    EXPECT_EQ((std::array{g_fPanShownWidth, g_fPanShownHeight}), (std::array{800.0f, 62.5f}));
    OnAtlasClick(QPoint(600, 64), shown.view.size());
    // 600 / 800 * 40960 = 30720 is column 384; 32 / 62.5 * 3200 = 1638 is row 20.
    EXPECT_EQ((std::array{g_nTbX, g_nTbY}), (std::array{384, 20}));
}

TEST(PanView, APanImageThatCannotBeReadIsNotReportedAsMissing) {
    const QString level = LevelFolder(QStringLiteral("12"));
    Enter(12);
    g_bPanView = 1;
    const QImage missing = Render(800, 600);
    WriteFile(level + QStringLiteral("/pan.jpg"), "\xff\xd8\xff not really a JPEG");
    const QImage unreadable = Render(800, 600);
    EXPECT_TRUE(HasWhite(unreadable, QRect(50, 100, 700, 40)));
    EXPECT_NE(missing.copy(0, 90, 800, 60), unreadable.copy(0, 90, 800, 60));
    EXPECT_EQ(missing.copy(0, 140, 800, 100), unreadable.copy(0, 140, 800, 100)) << "the same hints follow";
}

TEST(PanView, APanImageMadeAgainShowsAtOnce) {
    const QString panFile = LevelFolder(QStringLiteral("12")) + QStringLiteral("/pan.jpg");
    Enter(12);
    g_bPanView = 1;
    for (const QRgb colour : {0xffff0000u, 0xff0000ffu}) {
        QImage pan(800, 400, QImage::Format_RGB32);
        pan.fill(colour);
        // A different picture makes a file of a different size, as a pan image made again does.
        pan.setPixel(0, 0, colour == 0xffff0000u ? 0xffffffffu : colour);
        ASSERT_TRUE(pan.save(panFile, "PNG"));
        EXPECT_EQ(Render(800, 600).pixel(400, 200), colour);
    }
}
