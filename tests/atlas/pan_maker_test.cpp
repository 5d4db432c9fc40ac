#include "atlas/pan_maker.h"
#include "atlas_builder.h"
#include "solid_level.h"

#include <QImageReader>

using namespace SolidLevel;

const PanProgress kIgnore = [](int) {};

TEST(PanMaker, EveryTileShrinksIntoItsCellOfAJpegWhateverTheTileFormat) {
    for (const char* format : {"jpg", "png"}) {
        const QString level = Write(QLatin1String(format), 10, 5, format);
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

TEST(PanMaker, OnlyTheFirstFourHundredColumnsAndRowsAreDrawn) {
    QImage white(256, 256, QImage::Format_RGB32);
    white.fill(Qt::white);
    for (const bool wide : {true, false}) {
        const auto along = [wide](int a, int b) { return wide ? QPoint(a, b) : QPoint(b, a); };
        const QString level = LevelFolder(wide ? QStringLiteral("wide") : QStringLiteral("tall"));
        ASSERT_TRUE(AtlasBuilder::WriteLinkedLevel(level, along(401, 2).x(), along(401, 2).y(), {white}));
        EXPECT_EQ(MakePanImage(level, kIgnore), QStringList());
        const QImage pan(level + QStringLiteral("/pan.jpg"));
        EXPECT_EQ(QPoint(pan.width(), pan.height()), along(401 * 80, 160));
        EXPECT_TRUE(Shows(pan, along(399 * 80 + 79, 120), qRgb(255, 255, 255)));
        EXPECT_TRUE(Shows(pan, along(400 * 80 + 1, 40), qRgb(0, 0, 0)));
    }
}

TEST(PanMaker, ARunThatCannotFinishKeepsTheOldPanImageAndSaysWhy) {
    for (const bool stopped : {false, true}) {
        const QString level = Write(QStringLiteral("12"), 3, 2);
        const QString pan = level + QStringLiteral("/pan.jpg");
        WriteFile(pan, "the old pan image");
        // A folder where the new image would be written first stands in the way of the write.
        QDir part(pan + QStringLiteral(".part"));
        if (stopped)
            part.removeRecursively();
        else
            part.mkpath(QStringLiteral("in the way"));
        const QString why = QStringLiteral("The pan.jpg file could not be written in\n%1\n\nIs a directory.");
        const std::atomic_bool stop{stopped};
        EXPECT_EQ(MakePanImage(level, kIgnore, stop), stopped ? QStringList() : QStringList{why.arg(level)});
        QFile old(pan);
        EXPECT_TRUE(old.open(QIODevice::ReadOnly) && old.readAll() == "the old pan image");
        EXPECT_EQ(
            QDir(level).entryList({QStringLiteral("pan.jpg*")}, QDir::AllEntries),
            QStringList({QStringLiteral("pan.jpg"), QStringLiteral("pan.jpg.part")}).mid(0, stopped ? 1 : 2));
    }
}
