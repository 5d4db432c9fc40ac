#include "atlas/pan_maker.h"
#include "atlas_builder.h"
#include "solid_level.h"

#include <QCryptographicHash>
#include <QImageReader>
#include <algorithm>

using namespace SolidLevel;

namespace {

// Level "12" of one-colour tiles in `format`, each of its cell colour.
QString WriteSolidLevel(int columns, int rows, const char* format) {
    const QString level = LevelFolder(QStringLiteral("12"));
    QDir(level + QStringLiteral("/set")).removeRecursively();
    QDir().mkpath(level + QStringLiteral("/set"));
    for (int row = 0; row < rows; ++row)
        for (int column = 0; column < columns; ++column)
            EXPECT_TRUE(TileCache::SolidTile(column, row)
                            .save(QStringLiteral("%1/set/t_%2_%3.%4")
                                      .arg(level)
                                      .arg(column * 256)
                                      .arg(row * 256)
                                      .arg(format)));
    return level;
}

// Whether the JPEG pixel at `point` is `colour`, give or take the coding noise.
::testing::AssertionResult Shows(const QImage& image, QPoint point, QRgb colour) {
    const QRgb pixel = image.pixel(point);
    const int distance =
        std::max({std::abs(qRed(pixel) - qRed(colour)), std::abs(qGreen(pixel) - qGreen(colour)),
                  std::abs(qBlue(pixel) - qBlue(colour))});
    if (distance <= 6)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "pixel " << point.x() << "," << point.y() << " is " << std::hex << pixel;
}

QByteArray Digest(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QCryptographicHash::hash(file.readAll(), QCryptographicHash::Md5)
                                          : QByteArray();
}

} // namespace

TEST(PanMaker, EveryTileShrinksIntoItsCellOfAJpegWhateverTheTileFormat) {
    for (const char* format : {"jpg", "png"}) {
        const QString level = WriteSolidLevel(10, 5, format);
        std::vector<int> positions;
        EXPECT_EQ(MakePanImage(level, [&](int position) { positions.push_back(position); }), QStringList());
        QImageReader reader(level + QStringLiteral("/pan.jpg"));
        EXPECT_EQ(reader.format(), "jpeg") << format;
        const QImage pan = reader.read();
        EXPECT_EQ(pan.size(), QSize(800, 400));
        // t_512_256 (column 2, row 1) fills the cell at (160, 80).
        const std::pair<QPoint, QRgb> probes[] = {
            {{161, 81}, qRgb(58, 40, 99)},  {{238, 158}, qRgb(58, 40, 99)}, {{242, 120}, qRgb(82, 40, 99)},
            {{158, 120}, qRgb(34, 40, 99)}, {{200, 162}, qRgb(58, 70, 99)}, {{799, 399}, qRgb(226, 130, 99)}};
        for (const auto& [point, colour] : probes)
            EXPECT_TRUE(Shows(pan, point, colour)) << format;
        EXPECT_EQ(positions.front(), 1);
        EXPECT_EQ(positions.back(), 399);
        EXPECT_TRUE(std::is_sorted(positions.begin(), positions.end()));
    }
}

TEST(PanMaker, OnlyTheFirstFourHundredColumnsAreDrawn) {
    const QString level = LevelFolder(QStringLiteral("12"));
    QImage white(256, 256, QImage::Format_RGB32);
    white.fill(Qt::white);
    ASSERT_TRUE(AtlasBuilder::WriteLinkedLevel(level, 500, 2, {white}));
    EXPECT_EQ(MakePanImage(level, [](int) {}), QStringList());
    const QImage pan(level + QStringLiteral("/pan.jpg"));
    EXPECT_EQ(pan.size(), QSize(40000, 160));
    EXPECT_TRUE(Shows(pan, {399 * 80 + 79, 120}, qRgb(255, 255, 255)));
    EXPECT_TRUE(Shows(pan, {400 * 80 + 1, 40}, qRgb(0, 0, 0)));
    EXPECT_TRUE(Shows(pan, {39999, 159}, qRgb(0, 0, 0)));
}

TEST(PanMaker, ARunThatCannotFinishKeepsTheOldPanImageAndSaysWhy) {
    const struct {
        bool blockPartFile;
        bool stop;
        const char* message;
    } cases[] = {
        {true, false, "The pan.jpg file could not be written in\n%1\n\nIs a directory."},
        {false, true, ""},
    };
    for (const auto& [blockPartFile, stopped, message] : cases) {
        const QString level = WriteSolidLevel(3, 2, "png");
        const QString pan = level + QStringLiteral("/pan.jpg");
        QFile::remove(pan);
        QFile old(pan);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly) && old.write("the old pan image") > 0);
        old.close();
        // A folder where the new image would be written first stands in the way of the write.
        QDir().mkpath(level + QStringLiteral("/pan.jpg.part/in the way"));
        if (!blockPartFile)
            QDir(level + QStringLiteral("/pan.jpg.part")).removeRecursively();
        const std::atomic_bool stop{stopped};
        const QStringList messages = MakePanImage(
            level, [](int) {}, stop);
        EXPECT_EQ(messages, *message ? QStringList{QString::fromUtf8(message).arg(level)} : QStringList());
        EXPECT_EQ(Digest(pan), QCryptographicHash::hash("the old pan image", QCryptographicHash::Md5));
        EXPECT_EQ(QDir(level).entryList({QStringLiteral("pan.jpg*")}, QDir::AllEntries),
                  QStringList({QStringLiteral("pan.jpg"), QStringLiteral("pan.jpg.part")})
                      .mid(0, blockPartFile ? 2 : 1));
    }
}
