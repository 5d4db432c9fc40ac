#include "dialogs/dialog_driver.h"
#include "output/write_bmp.h"

// A picture of 3 x 2 pixels: the 14-byte file header, the 40-byte info header without colour table, then the
// bottom row first, each pixel blue, green, red, 0.
TEST(WriteBmp, HeadersThenTheRowsBottomFirstInBlueGreenRedZero) {
    QImage picture(3, 2, QImage::Format_RGB32);
    for (int i = 0; i < 6; ++i)
        picture.setPixel(i % 3, i / 3, qRgb(i, 16 + i, 32 + i));
    const QString path = TestEnv::TempFolder() + QStringLiteral("/new.bmp");
    ASSERT_TRUE(writeBMP(picture, path));
    EXPECT_EQ(
        DialogDriver::FileContent(path).toHex(' ').toStdString(),
        "42 4d 4e 00 00 00 00 00 00 00 36 00 00 00 28 00 00 00 03 00 00 00 02 00 00 00 01 00 20 00 00 00 "
        "00 00 18 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 "
        "23 13 03 00 24 14 04 00 25 15 05 00 20 10 00 00 21 11 01 00 22 12 02 00");
}
