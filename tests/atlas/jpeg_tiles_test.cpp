#include "solid_level.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <jpeglib.h>
#include <vector>

using namespace SolidLevel;

namespace {

// A 256 x 256 JPEG tile of one CMYK colour, written by libjpeg (Qt writes no CMYK); Adobe-style inverted
// values, as Qt's reader takes them: (255, 0, 0, 255) is red.
void WriteCmykTile(const QString& path, std::array<uchar, 4> cmyk) {
    std::FILE* file = std::fopen(QFile::encodeName(path).constData(), "wb");
    ASSERT_TRUE(file);
    jpeg_compress_struct info{};
    jpeg_error_mgr error{};
    info.err = jpeg_std_error(&error);
    jpeg_create_compress(&info);
    jpeg_stdio_dest(&info, file);
    info.image_width = info.image_height = 256;
    info.input_components = 4;
    info.in_color_space = JCS_CMYK;
    jpeg_set_defaults(&info);
    jpeg_start_compress(&info, TRUE);
    std::vector<uchar> row;
    for (int x = 0; x < 256; ++x)
        row.insert(row.end(), cmyk.begin(), cmyk.end());
    while (info.next_scanline < info.image_height) {
        JSAMPROW rows[] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    std::fclose(file);
}

// Whether the JPEG-coded pixel is `colour`, give or take the coding noise.
bool Near(QRgb pixel, QRgb colour) {
    return std::max({std::abs(qRed(pixel) - qRed(colour)), std::abs(qGreen(pixel) - qGreen(colour)),
                     std::abs(qBlue(pixel) - qBlue(colour))}) <= 6;
}

} // namespace

TEST(DrawAtlas, JpegTilesOfEveryColourModelDrawInTheirColours) {
    const QString level = LevelFolder(QStringLiteral("12"));
    const QString set = level + QStringLiteral("/set/");
    ASSERT_TRUE(TileCache::SolidTile(0, 0).save(set + QStringLiteral("t_0_0.jpg")));
    QImage grey(256, 256, QImage::Format_Grayscale8);
    grey.fill(qRgb(90, 90, 90));
    ASSERT_TRUE(grey.save(set + QStringLiteral("t_256_0.jpg")));
    WriteCmykTile(set + QStringLiteral("t_512_0.jpg"), {255, 0, 0, 255});
    Enter(12);
    const QImage image = Render(900, 600);
    EXPECT_TRUE(Near(image.pixel(CellPoint(0, 0)), CellColour(0, 0)));
    EXPECT_TRUE(Near(image.pixel(CellPoint(1, 0)), qRgb(90, 90, 90)));
    EXPECT_TRUE(Near(image.pixel(CellPoint(2, 0)), qRgb(255, 0, 0)));
}
