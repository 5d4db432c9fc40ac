#include "draw/map_font.h"

#include <QFontMetrics>
#include <QPaintDevice>

QFont MapFont(const QPaintDevice& device, int heightDivisor, int widthDivisor) {
    // Liberation Serif has the metrics of Times New Roman, the face the map texts are laid out for.
    QFont font(QStringLiteral("Liberation Serif"));
    font.setStyleHint(QFont::Serif, QFont::PreferQuality);
    font.setWeight(QFont::Normal);
    font.setPixelSize(qMax(1, device.logicalDpiY() / heightDivisor));
    const int wanted = device.logicalDpiX() / widthDivisor;
    const int natural = QFontMetrics(font).averageCharWidth();
    if (wanted > 0 && natural > 0)
        font.setStretch(qBound(1, wanted * 100 / natural, 4000));
    return font;
}
