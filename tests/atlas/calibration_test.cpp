#include "atlas/calibration.h"
#include "atlas/calibration_line.h"
#include "solid_level.h"

#include <cmath>
#include <sys/stat.h>
#include <tuple>

using namespace SolidLevel;
using namespace std::string_literals;

namespace {

const float kUnset = -99.0f, kInf = std::numeric_limits<float>::infinity(), kNaN = std::nanf("");

// A point line as most atlas tools write it: 51 deg 30' N, 1 deg 12' E unless told otherwise.
std::string Line(const char* key = "Point01", const char* lat = ",N,", const char* lon = ",E,") {
    return key + ",xy,    0,    0,in, deg,  51,  30.0000"s + lat + "   1,  12.0000" + lon +
           " grid,   ,           ,           ,N";
}

bool Same(double a, double b) {
    return a == b || (std::isnan(a) && std::isnan(b));
}

// Writes `text` as the calibration file of level 12 and reads it.
void ReadLevelFile(const std::string& text) {
    WriteFile(LevelFolder(QStringLiteral("12")) + QStringLiteral("/12.map"), QByteArray::fromStdString(text));
    Enter(12);
    EXPECT_EQ(ReadCalibration(), 0);
}

} // namespace

TEST(CalibrationLine, ReadsPointLines) {
    const std::string noLonHemisphere = Line().substr(0, Line().find(",E,"));
    const std::tuple<std::string, int, float, float, bool> cases[] = {
        {Line(), 0, 51.5f, -1.2f, true},
        {Line("Point01", ",S,", ",W,"), 0, -51.5f, 1.2f, true},
        {Line("Point01", ",s,", ",e,"), 0, 51.5f, 1.2f, true},
        {Line("Point04") + ",Point03,xy", 3, 51.5f, -1.2f, true},
        // Atlas scripts that write no blank after the commas.
        {"Point01,xy,0,0,in,deg,52,30.000000,N,1,15.000000,W", 0, 52.5f, 1.25f, true},
        // Degrees round to float, minutes add in double, the sum rounds once.
        {"Point02,xy,0,0,in,deg,  16777217,  59.99,N,  1,  0.0000035762788,W", 1, 16777216.0f,
         1.0f + std::numeric_limits<float>::epsilon(), true},
        {"Point01,xy,0,0,in,deg,  1e300,  0,N,  nan,0,E", 0, kInf, kNaN, true},
        {"Point02,xy,0,0,in,deg,  52,  15.0", 1, 52.25f, kUnset, false},
        {"Point01,xy,0,0,in,deg,", 0, 0.0f, kUnset, false},
        {"Point01,xy,0,0,in", 0, kUnset, kUnset, false},
        {noLonHemisphere, 0, 51.5f, 1.2f, false},
        {noLonHemisphere + ",", 0, 51.5f, 1.2f, true},
        {Line("point01") + "\0Point02,xy"s, 0, kUnset, kUnset, true},
        {"Point01,XY" + Line().substr(10), 0, kUnset, kUnset, true},
        {"", 0, kUnset, kUnset, true},
    };
    for (const auto& [line, point, lat, lon, goesOn] : cases) {
        CalibrationCorners c;
        c.lat.fill(kUnset);
        c.lon.fill(kUnset);
        EXPECT_EQ(ParseCalibrationLine(line, c), goesOn) << line;
        EXPECT_TRUE(Same(c.lat[point], lat) && Same(c.lon[point], lon)) << line;
        // A point whose key the line does not show (up to a NUL) stays unset.
        const std::string shown = line.substr(0, line.find('\0'));
        for (int other = 0; other < 4; ++other)
            EXPECT_TRUE(shown.find("Point0" + std::to_string(other + 1) + ",xy") != std::string::npos ||
                        (c.lat[other] == kUnset && c.lon[other] == kUnset))
                << line;
    }

    // The numbers read as C's atof reads them, whatever the user's locale.
    for (const auto& [text, value] :
         {std::pair{" \t\n+7.5e1x", 75.0}, {"1,5", 1.0}, {"- 5", 0.0}, {"1e999", kInf}})
        EXPECT_TRUE(Same(ReadAtofNumber(text), value)) << text;
}

TEST(Calibration, ReadsTheLevelFile) {
    // CRLF and LF lines, the last without an end; a lone CR ends no line, so Point03 reads Point02's fields.
    ReadLevelFile("OziExplorer Map Data File Version 2.2\r\n" + Line() + "\r\n" +
                  Line("Point02", ",S,", ",W,") + "\r" + Line("Point03") + "\n" +
                  Line("Point04", ",N,", ",W,"));
    EXPECT_EQ((std::array{g_fPt1Lat, g_fPt1Lon, g_fPt2Lat, g_fPt2Lon, g_fPt3Lat, g_fPt4Lat, g_fPt4Lon}),
              (std::array{51.5f, -1.2f, -51.5f, 1.2f, -51.5f, 51.5f, 1.2f}));
    // No tiles: the position divides by zero, which is fine as it is only shown.
    EXPECT_FALSE(std::isfinite(g_fTbLat) || std::isfinite(g_fTbLon));

    // Too few commas end the file: later lines and the missing fields keep their values.
    ReadLevelFile("Point02,xy,0,0,in,deg,  52,  15.0\n" + Line("Point03"));
    EXPECT_TRUE(g_fPt2Lat == 52.25f && g_fPt2Lon == 1.2f && g_fPt3Lat == -51.5f);

    // Pieces of 498: the first ends right after the comma before "E", the second right after the "E"; in the
    // 2000-character line Point03 straddles the end of piece 2 and Point04 starts piece 4.
    const std::size_t lastComma = Line().find(",E,");
    std::string line = std::string(992, 'a') + Line("Point03");
    line.resize(1494, 'c');
    line += Line("Point04", ",S,");
    line.resize(2000, 'd');
    ReadLevelFile(std::string(497 - lastComma, 'x') + Line() + "\n" + std::string(496 - lastComma, 'x') +
                  Line("Point02") + "\n" + line + "\n");
    EXPECT_TRUE(g_fPt1Lon == 1.2f && g_fPt2Lon == -1.2f && g_fPt3Lat == -51.5f && g_fPt4Lat == -51.5f);

    // A NUL before a key hides the rest of its line; other bytes before a key do not.
    ReadLevelFile("\xff\xd8\0\r\n\0"s + Line("Point03") + "\n\x7f\xfe\x80" + Line("Point01", ",S,", ",W,"));
    EXPECT_TRUE(g_fPt3Lat == -51.5f && g_fPt1Lat == -51.5f);
}

TEST(Calibration, PositionOfTheTopLeftTileAndMissingFiles) {
    // Four corners that differ in every value, so that no corner can stand in for another unnoticed.
    WriteTiledLevel(QStringLiteral("12"), 10, 8, {}, false);
    ReadLevelFile("Point01,xy,0,0,in,deg,52,0,N,1,0,W\nPoint02,xy,0,0,in,deg,53,0,N,0,0,W\n"
                  "Point03,xy,0,0,in,deg,50,0,N,2,0,W\nPoint04,xy,0,0,in,deg,51,0,N,3,0,W\n");
    std::tie(g_nTbX, g_nTbY) = std::tuple{4, 3};
    ASSERT_EQ(ReadCalibration(), 0);
    EXPECT_EQ((std::array{g_fTbLat, g_fTbLon}), (std::array{51.625f, 0.6f}));
    g_nTbY = std::numeric_limits<qint32>::min(); // must not overflow the int arithmetic
    ASSERT_EQ(ReadCalibration(), 0);
    EXPECT_FLOAT_EQ(g_fTbLat, (8.0f + 2147483648.0f) / 8.0f + 51.0f);

    // No level folder, a level without a calibration file, a folder named like one: nothing changes.
    g_fTbLat = 4.0f;
    Enter(11);
    EXPECT_EQ(ReadCalibration(), -1);
    WriteTiledLevel(QStringLiteral("13"), 2, 2, {}, false);
    Enter(13);
    EXPECT_EQ(ReadCalibration(), -1);
    QDir().mkpath(g_szAtlasFolder + QStringLiteral("/folder.map"));
    EXPECT_EQ(ReadCalibration(), -1);
    EXPECT_TRUE(g_fPt1Lat == 52.0f && g_fPt1Lon == 1.0f && g_fTbLat == 4.0f);
}

// A FIFO or device read would block the program before its window shows; a huge file would fill the memory.
TEST(SafeRead, FifosDevicesAndFilesOverTheLimitCountAsMissing) {
    WriteTiledLevel(QStringLiteral("12"), 3, 2, {52.0, 51.0, 1.0, 0.0});
    const QString level = Folder() + QStringLiteral("/12");
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
        EXPECT_EQ((std::array{ReadCalibration(), g_nTileWidth, g_nTileHeight}), (std::array{-1, 256, 256}))
            << kind;
        // Back at the first tile's own size, the paint skips both files and draws the rest.
        g_nTileWidth = g_nTileHeight = 16;
        const QImage image = Render(100, 100);
        EXPECT_EQ(image.pixel(CellPoint(0, 0, 8, 8)), kBlack) << kind;
        EXPECT_NE(image.pixel(15 + 8, 33 + 16 + 8), kBlack) << kind;
    }
}
