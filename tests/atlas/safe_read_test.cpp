#include "atlas/calibration.h"
#include "solid_level.h"

#include <QFile>
#include <sys/stat.h>

using namespace SolidLevel;

namespace {

// Puts something that is not a plain small file where `path` was: a FIFO, a link to a device, or a sparse
// file larger than any tile.
void Replace(const QString& path, const char* kind) {
    QFile::remove(path);
    const QByteArray name = QFile::encodeName(path);
    if (qstrcmp(kind, "fifo") == 0)
        ASSERT_EQ(mkfifo(name.constData(), 0600), 0);
    else if (qstrcmp(kind, "device") == 0)
        ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), path));
    else {
        QFile huge(path);
        ASSERT_TRUE(huge.open(QIODevice::WriteOnly) && huge.resize(qint64(65) << 20));
    }
}

} // namespace

// A FIFO or device read would block the program before its window shows; a huge file would fill the memory.
TEST(SafeRead, FifosDevicesAndHugeFilesCountAsMissing) {
    WriteTiledLevel(QStringLiteral("12"), 3, 2, {52.0, 51.0, 1.0, 0.0});
    const QString level = Atlas() + QStringLiteral("/12");
    for (const char* kind : {"fifo", "device", "huge"}) {
        Replace(level + QStringLiteral("/12.map"), kind);
        Enter(12);
        EXPECT_EQ(ReadCalibration(), -1) << kind;
        Replace(level + QStringLiteral("/set/t_16_0.png"), kind);
        Replace(level + QStringLiteral("/set/t_0_0.png"), kind);
        Enter(12);
        EXPECT_EQ(QSize(g_nTileWidth, g_nTileHeight), QSize(256, 256)) << kind;
        // Back at the first tile's own size, the paint skips both files and draws the rest.
        g_nTileWidth = g_nTileHeight = 16;
        const QImage image = SolidLevel::Render(100, 100);
        EXPECT_EQ(image.pixel(SolidLevel::CellPoint(0, 0, 8, 8)), SolidLevel::kBlack) << kind;
        EXPECT_NE(image.pixel(15 + 8, 33 + 16 + 8), SolidLevel::kBlack) << kind;
    }
}
