#include "atlas/pan_maker.h"
#include "solid_level.h"

#include <QImageReader>

using namespace SolidLevel;

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
