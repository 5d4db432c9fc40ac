#include "atlas/calibration.h"
#include "solid_level.h"

#include <sys/stat.h>

using namespace SolidLevel;

// A FIFO or device read would block the program before its window shows; a huge file would fill the memory.
TEST(SafeRead, FifosDevicesAndFilesOverTheLimitCountAsMissing) {
    WriteTiledLevel(QStringLiteral("12"), 3, 2, {52.0, 51.0, 1.0, 0.0});
    const QString level = Atlas() + QStringLiteral("/12");
    // The calibration limit is exact: 1 MiB is read, one byte more is not.
    const QByteArray calibration =
        AtlasBuilder::CalibrationText(QStringLiteral("12.png"), 48, 32, {52.0, 51.0, 1.0, 0.0}).toLatin1();
    for (const auto& [size, result] : {std::pair{1 << 20, 0}, {(1 << 20) + 1, -1}}) {
        WriteFile(level + QStringLiteral("/12.map"), calibration.leftJustified(size, ' '));
        Enter(12);
        EXPECT_EQ(ReadCalibration(), result) << size;
    }
    for (const char* kind : {"fifo", "device", "huge"}) {
        for (const char* file : {"/12.map", "/set/t_16_0.png", "/set/t_0_0.png"}) {
            const QString path = level + QLatin1String(file);
            QFile::remove(path);
            if (qstrcmp(kind, "fifo") == 0)
                ASSERT_EQ(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
            else if (qstrcmp(kind, "device") == 0)
                ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), path));
            else if (QFile huge(path); !huge.open(QIODevice::WriteOnly) || !huge.resize(qint64(65) << 20))
                FAIL() << "no file larger than any tile";
        }
        Enter(12);
        EXPECT_EQ(ReadCalibration(), -1) << kind;
        EXPECT_EQ(QSize(g_nTileWidth, g_nTileHeight), QSize(256, 256)) << kind;
        // Back at the first tile's own size, the paint skips both files and draws the rest.
        g_nTileWidth = g_nTileHeight = 16;
        const QImage image = Render(100, 100);
        EXPECT_EQ(image.pixel(CellPoint(0, 0, 8, 8)), kBlack) << kind;
        EXPECT_NE(image.pixel(15 + 8, 33 + 16 + 8), kBlack) << kind;
    }
}
