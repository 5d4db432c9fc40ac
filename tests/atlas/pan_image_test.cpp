#include "atlas/jpeg_strip_writer.h"
#include "atlas/pan_maker.h"
#include "solid_level.h"

#include <QImageReader>
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

const PanProgress kIgnore = [](int) {};

TEST(PanMaker, EveryTileShrinksIntoItsCellOfAJpegWhateverTheTileFormat) {
    for (const char* format : {"jpg", "png"}) {
        const QString level = Write(QLatin1String(format), 10, 5, format);
        std::vector<int> positions;
        EXPECT_EQ(MakePanImage(LookAtPanLevel(level), [&](int at) { positions.push_back(at); }),
                  QStringList());
        QImageReader reader(level + QStringLiteral("/pan.jpg"));
        EXPECT_EQ(reader.format(), "jpeg") << format;
        const QImage pan = reader.read();
        EXPECT_EQ(pan.size(), QSize(800, 400));
        // t_512_256 (column 2, row 1) fills the cell at (160, 80); its neighbours begin right and below it.
        for (const auto& [point, cell] : {std::pair{QPoint(161, 81), QPoint(2, 1)},
                                          {{238, 158}, {2, 1}},
                                          {{242, 120}, {3, 1}},
                                          {{200, 162}, {2, 2}},
                                          {{799, 399}, {9, 4}}})
            EXPECT_TRUE(Shows(pan, point, CellColour(cell.x(), cell.y()))) << format;
        EXPECT_TRUE(std::is_sorted(positions.begin(), positions.end()) && positions.front() == 1 &&
                    positions.back() == 399);
    }
}

TEST(PanMaker, OnlyTheFirstFourHundredColumnsAndRowsAreDrawn) {
    QImage white(256, 256, QImage::Format_RGB32);
    white.fill(Qt::white);
    for (const bool wide : {true, false}) {
        const auto along = [wide](int a, int b) { return wide ? QPoint(a, b) : QPoint(b, a); };
        const QString level = LevelFolder(wide ? QStringLiteral("wide") : QStringLiteral("tall"));
        ASSERT_TRUE(AtlasBuilder::WriteLinkedLevel(level, along(401, 2).x(), along(401, 2).y(), {white}));
        EXPECT_EQ(MakePanImage(LookAtPanLevel(level), kIgnore), QStringList());
        const QImage pan(level + QStringLiteral("/pan.jpg"));
        EXPECT_EQ(QPoint(pan.width(), pan.height()), along(401 * 80, 160));
        EXPECT_TRUE(Shows(pan, along(399 * 80 + 79, 120), qRgb(255, 255, 255)));
        EXPECT_TRUE(Shows(pan, along(400 * 80 + 1, 40), qRgb(0, 0, 0)));
    }
}

TEST(PanMaker, ARunThatCannotFinishKeepsTheOldPanImageAndSaysWhy) {
    for (const bool stopped : {true, false}) {
        const QString level = Write(QStringLiteral("12"), 3, 2);
        const QString pan = level + QStringLiteral("/pan.jpg");
        WriteFile(pan, "the old pan image");
        // A folder where the new image would be written first stands in the way of the write.
        if (!stopped)
            QDir(pan + QStringLiteral(".part")).mkpath(QStringLiteral("in the way"));
        const QString why = QStringLiteral("The pan.jpg file could not be written in\n%1\n\nIs a directory.");
        const std::atomic_bool stop{stopped};
        EXPECT_EQ(MakePanImage(LookAtPanLevel(level), kIgnore, stop),
                  stopped ? QStringList() : QStringList{why.arg(level)});
        QFile old(pan);
        EXPECT_TRUE(old.open(QIODevice::ReadOnly) && old.readAll() == "the old pan image");
        EXPECT_EQ(
            QDir(level).entryList({QStringLiteral("pan.jpg*")}, QDir::AllEntries),
            QStringList({QStringLiteral("pan.jpg"), QStringLiteral("pan.jpg.part")}).mid(0, stopped ? 1 : 2));
    }
}
