#include "output/copy_image.h"
#include "output/cut_image.h"
#include "support/read_only_mount.h"
#include "support/tile_cache.h"

#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

using TileCache::CellColour;
using TileCache::WriteFile;

namespace {

constexpr QRgb kBackground = qRgb(165, 230, 25);
const QString kBeside =
    QStringLiteral("Copied the map to a file named new.bmp and to the windows paste buffer. ");

// A folder path of `units` characters in the test's folder, of names short enough for any file system.
QString FolderOfLength(int units) {
    QString folder = TestEnv::TempFolder();
    while (folder.size() < units) {
        const int room = units - int(folder.size());
        folder += room == 1 ? QStringLiteral("x")
                            : QLatin1Char('/') + QString(qMin(200, room - 1), QLatin1Char('x'));
    }
    return folder;
}

} // namespace

// A 700 x 500 capture over an old, larger new.bmp replaces the file whole, with no colour table. The view
// takes a 3 x 2 grid, tile (g_nOsmX, g_nOsmY) at (0, 33), in the file and on the clipboard; a tile that is
// no picture leaves the background.
TEST(MapCapture, A700By500CaptureReplacesTheBmpAndFillsTheClipboardAndCutRemovesTheTilesItDrew) {
    // An OSM view at (0, 0) of zoom 12 over a cache of 4 x 3 tiles, each of a colour of its own.
    std::tie(g_nOsmX, g_nOsmY, g_nTileWidth, g_nTileHeight) = std::tuple(0, 0, 256, 256);
    TileCache::Write(4, 3);
    const QString cache = g_szAtlasFolder, program = TestEnv::TempFolder() + QStringLiteral("/program");
    WriteFile(cache + QStringLiteral("12-2-1.png"), "not a png");
    QDir().mkpath(program);
    WriteFile(program + QStringLiteral("/new.bmp"), QByteArray(5'000'000, 'x'));
    EXPECT_EQ(CCopyImage().CopyMap(QSize(700, 500), program), kBeside);
    EXPECT_EQ(QDir(program).entryList(QDir::Files | QDir::Hidden), QStringList({"new.bmp"}));
    EXPECT_EQ(QFileInfo(program + QStringLiteral("/new.bmp")).size(), 54 + 4 * 700 * 500);
    // Beyond the tiles and the background only the tile server's credit, in the bottom-right corner.
    QImage tiles(700, 500, QImage::Format_RGB32);
    tiles.fill(kBackground);
    QPainter painter(&tiles);
    for (const QPoint cell : {QPoint(0, 0), QPoint(1, 0), QPoint(2, 0), QPoint(0, 1), QPoint(1, 1)})
        painter.fillRect(QRect(cell.x() * 256, cell.y() * 256 + 33, 256, 256),
                         CellColour(cell.x(), cell.y()));
    painter.end();
    const QImage clipboard = QGuiApplication::clipboard()->image();
    ASSERT_EQ(clipboard.size(), QSize(700, 500));
    for (const QImage& picture : {QImage(program + QStringLiteral("/new.bmp")), clipboard}) {
        const QRect credit = TileCache::DifferingArea(picture.convertToFormat(QImage::Format_RGB32), tiles);
        EXPECT_EQ(credit.bottomRight(), QPoint(699, 499));
        EXPECT_TRUE(TileCache::ShowsCredit(picture, credit));
    }

    // Cut takes out exactly the tiles it drew: not the fourth column and third row, nor the file that is no
    // picture.
    EXPECT_EQ(CCutImage().CutMap(QSize(700, 500), program), kBeside);
    EXPECT_EQ(QDir(cache).entryList(QDir::Files, QDir::Name),
              QStringList({"12-0-2.png", "12-1-2.png", "12-2-1.png", "12-2-2.png", "12-3-0.png", "12-3-1.png",
                           "12-3-2.png"}));
}

// A program folder that cannot be written sends the file to the pictures folder; when that fails too, the
// user learns that only the clipboard holds the map.
TEST(MapCapture, UnwritableProgramFolderFallsBackHonestly) {
    const QString temp = TestEnv::TempFolder();
    const QString pictures = temp + QStringLiteral("/My Pictures");
    QDir().mkpath(qEnvironmentVariable("XDG_CONFIG_HOME"));
    WriteFile(qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/user-dirs.dirs"),
              "XDG_PICTURES_DIR=\"" + pictures.toUtf8() + "\"\n");
    // A file where the folder should be, and a folder that not even root can write.
    const QString blocked = temp + QStringLiteral("/program"), readOnly = temp + QStringLiteral("/installed");
    WriteFile(blocked, {});
    QDir().mkpath(readOnly);
    const ReadOnlyMount mount(readOnly);
    ASSERT_EQ(mount.Failure(), QString());
    for (const QString& program : {blocked, readOnly}) {
        EXPECT_EQ(CCopyImage().CopyMap(QSize(300, 200), program),
                  "Copied the map to a file named " + pictures +
                      "/new.bmp and to the windows paste buffer. ");
        EXPECT_EQ(QFileInfo(pictures + QStringLiteral("/new.bmp")).size(), 54 + 4 * 300 * 200);
        ASSERT_TRUE(QDir(pictures).removeRecursively());
    }
    EXPECT_TRUE(QDir(readOnly).isEmpty());
    WriteFile(pictures, {});
    QGuiApplication::clipboard()->clear();
    EXPECT_EQ(CCopyImage().CopyMap(QSize(300, 200), blocked),
              "The map was copied to the windows paste buffer only; no file was written. ");
    ASSERT_EQ(TestEnv::Messages().size(), 1);
    EXPECT_EQ(std::pair(TestEnv::Messages()[0].title, TestEnv::Messages()[0].text),
              std::pair(QString("Tarnwell"), QString("Could not create file for writing")));
    EXPECT_EQ(QGuiApplication::clipboard()->image().size(), QSize(300, 200));
}

// The file's path beside the program may be 499 units long, 500 with its terminator; one more is refused with
// the check-path message before anything is drawn or written.
TEST(MapCapture, ThePathBesideTheProgramTakesAtMostFiveHundredUnitsWithItsTerminator) {
    struct Length {
        int pathUnits;
        bool written;
    };
    for (const Length& length :
         {Length{.pathUnits = 499, .written = true}, Length{.pathUnits = 500, .written = false}}) {
        SCOPED_TRACE(length.pathUnits);
        const QString program = FolderOfLength(length.pathUnits - int(QStringLiteral("/new.bmp").size()));
        ASSERT_TRUE(QDir().mkpath(program));
        ASSERT_EQ(QDir(program).filePath(QStringLiteral("new.bmp")).size(), length.pathUnits);
        QGuiApplication::clipboard()->clear();
        EXPECT_EQ(CCopyImage().CopyMap(QSize(300, 200), program), length.written ? kBeside : QString());
        EXPECT_EQ(QFile::exists(program + QStringLiteral("/new.bmp")), length.written);
        EXPECT_EQ(QGuiApplication::clipboard()->image().isNull(), !length.written);
    }
    ASSERT_EQ(TestEnv::Messages().size(), 1);
    EXPECT_EQ(TestEnv::Messages()[0].title, QStringLiteral("Tarnwell check path"));
    EXPECT_TRUE(TestEnv::Messages()[0].text.startsWith(QStringLiteral("An error occured appending")));
}
