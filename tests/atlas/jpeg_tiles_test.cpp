#include "solid_level.h"

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

} // namespace

TEST(DrawAtlas, JpegTilesOfEveryColourModelDrawInTheirColours) {
    const QString level = LevelFolder(QStringLiteral("12"));
    WriteTile(level, 0, 0, QSize(256, 256), "jpg");
    QImage grey(256, 256, QImage::Format_Grayscale8);
    grey.fill(qRgb(90, 90, 90));
    ASSERT_TRUE(grey.save(level + QStringLiteral("/set/t_256_0.jpg")));
    WriteCmykTile(level + QStringLiteral("/set/t_512_0.jpg"), {255, 0, 0, 255});
    Enter(12);
    const QImage image = Render(900, 600);
    EXPECT_TRUE(Shows(image, CellPoint(0, 0), CellColour(0, 0)));
    EXPECT_TRUE(Shows(image, CellPoint(1, 0), qRgb(90, 90, 90)));
    EXPECT_TRUE(Shows(image, CellPoint(2, 0), qRgb(255, 0, 0)));
}
