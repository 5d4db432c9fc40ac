#include "atlas/jpeg_strip_writer.h"
#include "solid_level.h"

#include <fcntl.h>
#include <sys/stat.h>

using namespace SolidLevel;

TEST(PanView, TallAndHugeWideImagesFillTheViewAndAClickPicksTheirTile) {
    const QString panFile = LevelFolder(QStringLiteral("12")) + QStringLiteral("/pan.jpg");
    Enter(12);
    // Saved as PNG under the .jpg name: read by content, whatever the name says.
    ASSERT_TRUE(TileCache::SolidTile(0, 0, QSize(400, 800)).save(panFile, "PNG"));
    g_bPanView = 1;
    const QImage image = Render(800, 600);
    EXPECT_EQ((std::array{image.pixel(0, 33), image.pixel(290, 300), image.pixel(310, 300)}),
              (std::array{CellColour(0, 0), CellColour(0, 0), kBlack}));
    // Right of the 300 px wide image is one past the last column; 68 / 600 * 800 = 90.7 is row 1.
    CTrekbuddy().OnClick(QPoint(700, 100), QSize(800, 600));
    EXPECT_EQ((std::array{g_nTbX, g_nTbY, g_bPanView, g_bMoved}), (std::array{5, 1, 0, 0}));

    // 512 x 40 cells, red then blue, too big to decode whole, shown 800 x 62.5; written a strip at a time.
    std::FILE* file = std::fopen(QFile::encodeName(panFile).constData(), "wb");
    std::vector<unsigned char> band(40960 * 3 * 16);
    for (size_t i = 0; i < band.size(); i += 3)
        band[i + (i / 3 % 40960 < 20480 ? 0 : 2)] = 255;
    JpegStripWriter writer;
    ASSERT_TRUE(file && writer.Start(file, QSize(40960, 3200)));
    for (int y = 0; y < 3200; y += 16)
        ASSERT_TRUE(writer.WriteRows(band.data(), 16));
    ASSERT_TRUE(writer.Finish());
    std::fclose(file);
    g_bPanView = 1;
    const QImage wide = Render(800, 600);
    EXPECT_TRUE(Shows(wide, {390, 60}, qRgb(255, 0, 0)) && Shows(wide, {410, 60}, qRgb(0, 0, 255)));
    EXPECT_EQ(wide.pixel(400, 97), kBlack);
    EXPECT_EQ((std::array{g_fPanShownWidth, g_fPanShownHeight}), (std::array{800.0f, 62.5f}));
    CTrekbuddy().OnClick(QPoint(600, 64), QSize(800, 600));
    // 600 / 800 * 40960 = 30720 is column 384; 32 / 62.5 * 3200 = 1638 is row 20.
    EXPECT_EQ((std::array{g_nTbX, g_nTbY, g_bPanView, g_bMoved}), (std::array{384, 20, 0, 0}));
}

// The pan image decoded for one paint is kept for the next only while the view's size, the level and the
// file's length and stamp are all unchanged. BMP files of one size have one length whatever they show, so
// only the stamp or the level tells them apart.
TEST(PanView, ThePanImageIsDecodedAgainWhenTheViewTheFileOrTheLevelChanges) {
    const QString first = LevelFolder(QStringLiteral("12")) + QStringLiteral("/pan.jpg");
    const QString second = LevelFolder(QStringLiteral("13")) + QStringLiteral("/pan.jpg");
    const auto save = [](const QString& path, int colour, time_t stamp) {
        ASSERT_TRUE(TileCache::SolidTile(colour, 0, QSize(400, 800)).save(path, "BMP"));
        const timespec stamps[2] = {{stamp, 0}, {stamp, 0}};
        ASSERT_EQ(utimensat(AT_FDCWD, QFile::encodeName(path).constData(), stamps, 0), 0);
    };
    const time_t stamp = time(nullptr) - 100;
    save(first, 0, stamp);
    save(second, 2, stamp);
    Enter(12);
    g_bPanView = 1;
    const QImage tall = Render(800, 600);
    EXPECT_TRUE(Shows(tall, {290, 300}, CellColour(0, 0)) && Shows(tall, {310, 300}, kBlack));
    const QImage low = Render(800, 300);
    EXPECT_TRUE(Shows(low, {140, 150}, CellColour(0, 0)) && Shows(low, {160, 150}, kBlack)) << "view size";
    save(first, 1, stamp + 10);
    EXPECT_TRUE(Shows(Render(800, 300), {140, 150}, CellColour(1, 0))) << "file stamp";
    save(first, 0, stamp);
    Enter(13);
    g_bPanView = 1;
    EXPECT_TRUE(Shows(Render(800, 300), {140, 150}, CellColour(2, 0))) << "level";
}

TEST(PanView, WithoutAReadablePanImageANoteShowsAndClicksUseTheLastImageDrawn) {
    WriteTiledLevel(QStringLiteral("12"), 4, 4, {52.0, 51.0, 1.0, 0.0});
    Enter(12);
    g_bPanView = 1;
    const QImage missing = Render(800, 600);
    EXPECT_TRUE(HasWhite(missing, QRect(19, 4, 400, 12)) && HasWhite(missing, QRect(50, 199, 400, 30)));
    // Never an image yet: the view's size stands in and every click goes to the first tile.
    g_nTbX = 3;
    CTrekbuddy().OnClick(QPoint(700, 500), QSize(800, 600));
    EXPECT_EQ(std::tuple(g_nTbX, g_nTbY, g_fPanShownWidth, g_fPanShownHeight),
              std::tuple(0, 0, 800.0f, 600.0f));

    std::tie(g_nPanImageWidth, g_nPanImageHeight, g_fPanShownWidth, g_fPanShownHeight, g_bPanView) =
        std::tuple{1600, 800, 800.0f, 400.0f, 1};
    Render(800, 600);
    CTrekbuddy().OnClick(QPoint(400, 232), QSize(800, 600));
    // The click reads the calibration again: the status shows where the new top-left tile lies.
    EXPECT_EQ(std::tuple(g_nTbX, g_nTbY, g_fTbLat, g_fTbLon), std::tuple(10, 5, 50.75f, -1.5f));

    // A shown size that is not a number gives column 0; a huge image height the largest row, not garbage.
    const qint32 last = std::numeric_limits<qint32>::max();
    std::tie(g_nPanImageHeight, g_fPanShownWidth, g_fPanShownHeight, g_bPanView) =
        std::tuple{last, std::numeric_limits<float>::quiet_NaN(), 200.0f, 1};
    CTrekbuddy().OnClick(QPoint(400, 232), QSize(800, 600));
    EXPECT_EQ((std::array{g_nTbX, g_nTbY}), (std::array{0, last / 80}));

    // A pan image that cannot be read is not reported as missing, but the same hints follow.
    WriteFile(g_szAtlasFolder + QStringLiteral("/pan.jpg"), "\xff\xd8\xff not really a JPEG");
    g_bPanView = 1;
    const QImage unreadable = Render(800, 600);
    EXPECT_TRUE(HasWhite(unreadable, QRect(50, 100, 700, 40)));
    EXPECT_NE(missing.copy(0, 90, 800, 60), unreadable.copy(0, 90, 800, 60));
    EXPECT_EQ(missing.copy(0, 140, 800, 100), unreadable.copy(0, 140, 800, 100));
}
