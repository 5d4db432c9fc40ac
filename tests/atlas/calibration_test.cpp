#include "atlas/calibration.h"
#include "atlas/calibration_line.h"
#include "atlas/text_line_reader.h"
#include "calibration_fixture.h"

#include <QBuffer>
#include <cmath>
#include <limits>
#include <random>

using namespace CalibrationFixture;
using namespace std::string_literals;

namespace {

const std::string kExample = "Point01,xy,    0,    0,in, deg,  51,  30.0000,N,   1,  12.0000,E, grid,   ,"
                             "           ,           ,N";

std::string WithKey(std::string line, const char* point) {
    return line.replace(0, 7, point);
}

CalibrationCorners Parse(const std::string& line, bool* goesOn = nullptr) {
    CalibrationCorners corners;
    const bool result = ParseCalibrationLine(line, corners);
    if (goesOn)
        *goesOn = result;
    return corners;
}

QByteArray Bytes(const std::string& text) {
    return QByteArray::fromStdString(text);
}

std::vector<std::string> Pieces(const QByteArray& content) {
    QByteArray data = content;
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    TextLineReader reader(buffer);
    std::vector<std::string> pieces;
    while (std::optional<std::string> piece = reader.Next())
        pieces.push_back(*piece);
    return pieces;
}

} // namespace

TEST(CalibrationLine, ReadsDegreesMinutesAndHemispheres) {
    CalibrationCorners c = Parse(kExample);
    EXPECT_FLOAT_EQ(c.lat[0], 51.5f);
    EXPECT_FLOAT_EQ(c.lon[0], -1.2f);
    EXPECT_EQ(c.lat[1], 0.0f);

    std::string southWest = kExample;
    southWest.replace(southWest.find(",N,"), 3, ",S,").replace(southWest.find(",E,"), 3, ",W,");
    c = Parse(southWest);
    EXPECT_FLOAT_EQ(c.lat[0], -51.5f);
    EXPECT_FLOAT_EQ(c.lon[0], 1.2f);

    // Only a capital S or E turns the sign.
    std::string lower = kExample;
    lower.replace(lower.find(",N,"), 3, ",s,").replace(lower.find(",E,"), 3, ",e,");
    c = Parse(lower);
    EXPECT_FLOAT_EQ(c.lat[0], 51.5f);
    EXPECT_FLOAT_EQ(c.lon[0], 1.2f);

    c = Parse(WithKey(kExample, "Point04"));
    EXPECT_EQ(c.lat[0], 0.0f);
    EXPECT_FLOAT_EQ(c.lat[3], 51.5f);
    EXPECT_FLOAT_EQ(c.lon[3], -1.2f);
}

TEST(CalibrationLine, SkipsOneCharacterOfTheDegreesField) {
    // "51" right after the comma loses its first digit; ",1," leaves the comma to read, which is no number.
    const CalibrationCorners c = Parse("Point01,xy,0,0,in,deg,51,30.0000,N,1,12.0000,E");
    EXPECT_FLOAT_EQ(c.lat[0], 1.5f);
    EXPECT_FLOAT_EQ(c.lon[0], -0.2f);
}

TEST(CalibrationLine, MinutesAddInDoubleToTheFloatDegrees) {
    // Degrees are rounded to float before the minutes are added (16777217 becomes 16777216, and the minutes
    // cannot lift it back), and the sum is rounded once: in float arithmetic the minutes of the longitude
    // would round to exactly half a step of 1.0f and vanish.
    const CalibrationCorners c = Parse("Point02,xy,0,0,in,deg,  16777217,  59.99,N,  1,  0.0000035762788,W");
    EXPECT_EQ(c.lat[1], 16777216.0f);
    EXPECT_EQ(c.lon[1], 1.0f + std::numeric_limits<float>::epsilon());
}

TEST(CalibrationLine, ReadsNumbersAsAtofDoes) {
    EXPECT_EQ(ReadAtofNumber(" \t\n+7.5e1x"), 75.0);
    EXPECT_EQ(ReadAtofNumber("-.5,"), -0.5);
    EXPECT_EQ(ReadAtofNumber("1,5"), 1.0);
    EXPECT_EQ(ReadAtofNumber("0x1p4"), 16.0);
    EXPECT_EQ(ReadAtofNumber("abc"), 0.0);
    EXPECT_EQ(ReadAtofNumber(""), 0.0);
    EXPECT_EQ(ReadAtofNumber("- 5"), 0.0);
    EXPECT_TRUE(std::isinf(ReadAtofNumber("INF")));
    EXPECT_TRUE(std::isnan(ReadAtofNumber("nan(1)")));
    EXPECT_TRUE(std::isinf(ReadAtofNumber("1e999")));

    // A value beyond float range becomes an infinite degree value, not undefined behaviour.
    const CalibrationCorners c = Parse("Point01,xy,0,0,in,deg,  1e300,  0,N,  nan,0,E");
    EXPECT_TRUE(std::isinf(c.lat[0]));
    EXPECT_TRUE(std::isnan(c.lon[0]));
}

TEST(CalibrationLine, AMissingCommaStopsAfterStoringWhatWasRead) {
    bool goesOn = true;
    CalibrationCorners c = Parse("Point02,xy,0,0,in,deg,  52,  15.0", &goesOn);
    EXPECT_FALSE(goesOn);
    EXPECT_FLOAT_EQ(c.lat[1], 52.25f);
    EXPECT_EQ(c.lon[1], 0.0f);

    // The sixth comma ends the line: degrees read from past its end are no number.
    c.lat[0] = 7.0f;
    EXPECT_FALSE(ParseCalibrationLine("Point01,xy,0,0,in,deg,", c));
    EXPECT_EQ(c.lat[0], 0.0f);

    c.lat[0] = 7.0f;
    EXPECT_FALSE(ParseCalibrationLine("Point01,xy,0,0,in", c));
    EXPECT_EQ(c.lat[0], 7.0f);

    // The longitude's hemisphere comma is the last one needed.
    std::string noLonHemisphere = kExample.substr(0, kExample.find(",E,"));
    c = Parse(noLonHemisphere, &goesOn);
    EXPECT_FALSE(goesOn);
    EXPECT_FLOAT_EQ(c.lat[0], 51.5f);
    EXPECT_FLOAT_EQ(c.lon[0], 1.2f);
    c = Parse(noLonHemisphere + ",", &goesOn);
    EXPECT_TRUE(goesOn);
}

TEST(CalibrationLine, EveryKeyInALineReadsTheSameFields) {
    const CalibrationCorners c = Parse(kExample + ",Point03,xy");
    EXPECT_FLOAT_EQ(c.lat[2], 51.5f);
    EXPECT_FLOAT_EQ(c.lon[2], -1.2f);
    EXPECT_FLOAT_EQ(c.lat[0], 51.5f);

    // Keys are case-sensitive, need ",xy", and a NUL ends the line.
    EXPECT_EQ(Parse(WithKey(kExample, "point01")).lat[0], 0.0f);
    EXPECT_EQ(Parse("Point01,XY" + kExample.substr(10)).lat[0], 0.0f);
    EXPECT_EQ(Parse(std::string("x\0", 2) + kExample).lat[0], 0.0f);
}

TEST(TextLineReader, ReadsAsFgetsOnATextModeStream) {
    const std::vector<std::string> lines = Pieces("one\r\ntwo\rthree\n\nlast");
    EXPECT_EQ(lines, (std::vector<std::string>{"one\n", "two\rthree\n", "\n", "last"}));

    const std::vector<std::string> pieces = Pieces(QByteArray(1000, 'a') + "\r\nb");
    ASSERT_EQ(pieces.size(), 4u);
    EXPECT_EQ(pieces[0], std::string(498, 'a'));
    EXPECT_EQ(pieces[1], std::string(498, 'a'));
    EXPECT_EQ(pieces[2], "aaaa\n");
    EXPECT_EQ(pieces[3], "b");

    // A line feed that would be character 499 starts the next piece.
    const std::vector<std::string> edge = Pieces(QByteArray(498, 'c') + "\n");
    EXPECT_EQ(edge, (std::vector<std::string>{std::string(498, 'c'), "\n"}));
    EXPECT_TRUE(Pieces("").empty());
}

TEST(Calibration, ReadsTheCornersOfTheCurrentLevelFile) {
    const QByteArray text = "OziExplorer Map Data File Version 2.2\r\n" + Bytes(kExample) + "\r\n" +
                            Bytes(WithKey(kExample, "Point02")).replace(",N,", ",S,") + "\n" +
                            Bytes(WithKey(kExample, "Point04")).replace(",E,", ",W,");
    WriteMapOnlyLevel(QStringLiteral("Level 12"), text);
    EnterLevel(12);
    EXPECT_EQ(ReadCalibration(), 0);
    EXPECT_FLOAT_EQ(g_fPt1Lat, 51.5f);
    EXPECT_FLOAT_EQ(g_fPt1Lon, -1.2f);
    EXPECT_FLOAT_EQ(g_fPt2Lat, -51.5f);
    // The last line has no line end and is still read.
    EXPECT_FLOAT_EQ(g_fPt4Lat, 51.5f);
    EXPECT_FLOAT_EQ(g_fPt4Lon, 1.2f);
    EXPECT_EQ(g_fPt3Lat, 0.0f);
    // No tiles: the position divides by zero rows and columns and is only good for showing.
    EXPECT_FALSE(std::isfinite(g_fTbLat));
    EXPECT_FALSE(std::isfinite(g_fTbLon));
}

TEST(Calibration, PositionOfTheTopLeftTile) {
    WriteTiledLevel(QStringLiteral("12"), 10, 8, {52.0, 51.0, 1.0, 0.0});
    EnterLevel(12);
    g_nTbX = 4;
    g_nTbY = 3;
    ASSERT_EQ(ReadCalibration(), 0);
    EXPECT_FLOAT_EQ(g_fPt1Lat, 52.0f);
    EXPECT_FLOAT_EQ(g_fPt4Lat, 51.0f);
    EXPECT_FLOAT_EQ(g_fPt2Lon, 0.0f);
    EXPECT_FLOAT_EQ(g_fTbLat, 51.625f);
    EXPECT_FLOAT_EQ(g_fTbLon, 0.6f);

    // A row far outside the level must not overflow the int arithmetic.
    g_nTbY = std::numeric_limits<qint32>::min();
    ASSERT_EQ(ReadCalibration(), 0);
    EXPECT_FLOAT_EQ(g_fTbLat, (8.0f + 2147483648.0f) / 8.0f + 51.0f);
}

TEST(Calibration, WithoutAReadableFileNothingChanges) {
    EnterLevel(12); // no atlas folder at all
    g_fPt1Lat = 3.0f;
    g_fTbLat = 4.0f;
    EXPECT_EQ(ReadCalibration(), -1);

    WriteTiledLevel(QStringLiteral("12"), 2, 2, {}, false);
    EnterLevel(12);
    EXPECT_EQ(ReadCalibration(), -1);

    // A folder named like a calibration file cannot be read as one.
    QDir().mkpath(g_szAtlasFolder + QStringLiteral("/folder.map"));
    EXPECT_EQ(ReadCalibration(), -1);
    EXPECT_EQ(g_fPt1Lat, 3.0f);
    EXPECT_EQ(g_fTbLat, 4.0f);
}

TEST(Calibration, LongLinesArriveInPiecesOf498) {
    // The example padded so that its first piece ends right after the comma before "E".
    const std::size_t lastComma = kExample.find(",E,");
    const std::string endsAtComma = std::string(497 - lastComma, 'x') + kExample;
    const std::string keepsTheE = std::string(496 - lastComma, 'x') + WithKey(kExample, "Point02");

    // A 2000-character line: Point03's key straddles the end of piece 2, Point04 starts piece 4.
    std::string longLine = std::string(498, 'b') + std::string(494, 'a') + WithKey(kExample, "Point03");
    longLine.resize(1494, 'c');
    longLine += WithKey(kExample, "Point04");
    longLine.resize(2000, 'd');
    ASSERT_EQ(longLine.find("Point03"), 992u);

    WriteMapOnlyLevel(QStringLiteral("12"), Bytes(endsAtComma + "\n" + keepsTheE + "\n" + longLine + "\n"));
    EnterLevel(12);
    g_fPt3Lat = 9.0f;
    ASSERT_EQ(ReadCalibration(), 0);
    EXPECT_FLOAT_EQ(g_fPt1Lon, 1.2f);
    EXPECT_FLOAT_EQ(g_fPt2Lon, -1.2f);
    EXPECT_EQ(g_fPt3Lat, 9.0f);
    EXPECT_FLOAT_EQ(g_fPt4Lat, 51.5f);
}

TEST(Calibration, TooFewCommasStopTheWholeFile) {
    const std::string shortPoint = "Point02,xy,0,0,in,deg,  52,  15.0";
    WriteMapOnlyLevel(QStringLiteral("12"),
                      Bytes(kExample + "\n" + shortPoint + "\n" + WithKey(kExample, "Point03") + "\n"));
    EnterLevel(12);
    g_fPt2Lon = 5.0f;
    g_fPt3Lat = 6.0f;
    ASSERT_EQ(ReadCalibration(), 0);
    EXPECT_FLOAT_EQ(g_fPt1Lat, 51.5f);
    EXPECT_FLOAT_EQ(g_fPt2Lat, 52.25f);
    EXPECT_EQ(g_fPt2Lon, 5.0f);
    EXPECT_EQ(g_fPt3Lat, 6.0f);
}

TEST(Calibration, BinaryFileReadsOnlyWhatLooksLikeText) {
    std::mt19937 random(20240611);
    QByteArray content(65536, '\0');
    for (char& byte : content)
        byte = static_cast<char>(random());
    content.replace(',', '.'); // no stray commas that could shift the point lines below
    // A NUL before the key hides the rest of its line; binary bytes before a key do not.
    content += "\n" + QByteArray(1, '\0') + Bytes(kExample) + "\n";
    content += "\x7f\xfe\x80" + Bytes(WithKey(kExample, "Point02")) + "\n" + content.left(3000);
    WriteMapOnlyLevel(QStringLiteral("12"), content);
    EnterLevel(12);
    ASSERT_EQ(ReadCalibration(), 0);
    EXPECT_EQ(g_fPt1Lat, 0.0f);
    EXPECT_FLOAT_EQ(g_fPt2Lat, 51.5f);
    EXPECT_FLOAT_EQ(g_fPt2Lon, -1.2f);
}

TEST(CalibrationLine, RandomAndMutatedLinesTouchOnlyTheirOwnPoints) {
    std::mt19937 random(7);
    const std::string alphabet = ",,,,  0123456789.-+eExXpPinfaSENW\r\n\t\0Point0"s;
    for (int round = 0; round < 20000; ++round) {
        std::string line =
            round % 2 ? WithKey(kExample, ("Point0" + std::to_string(1 + round % 4)).c_str()) : "";
        const int edits = 1 + static_cast<int>(random() % 12);
        for (int e = 0; e < edits; ++e) {
            const std::size_t at = line.empty() ? 0 : random() % (line.size() + 1);
            const char c = alphabet[random() % alphabet.size()];
            switch (random() % 3) {
            case 0:
                line.insert(at, 1 + random() % 8, c);
                break;
            case 1:
                line.erase(at, random() % 6);
                break;
            default:
                if (at < line.size())
                    line[at] = c;
            }
        }
        CalibrationCorners corners;
        corners.lat.fill(-99.0f);
        corners.lon.fill(-99.0f);
        const std::string visible = line.substr(0, line.find('\0'));
        const bool goesOn = ParseCalibrationLine(line, corners);
        for (int point = 0; point < 4; ++point) {
            if (visible.find("Point0" + std::to_string(point + 1) + ",xy") != std::string::npos)
                continue;
            ASSERT_EQ(corners.lat[point], -99.0f) << line;
            ASSERT_EQ(corners.lon[point], -99.0f) << line;
        }
        if (visible.find(",xy") == std::string::npos) {
            ASSERT_TRUE(goesOn) << line;
        }
    }
}
