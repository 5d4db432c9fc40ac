#include "draw/map_font.h"

#include <QFontMetrics>
#include <QPaintDevice>

namespace {

int CellHeight(const QFont& font) {
    const QFontMetrics metrics(font);
    return metrics.ascent() + metrics.descent();
}

// The largest em size in pixels whose cell (ascent plus descent) is at most `cell` pixels: the map texts are
// laid out for cell heights, and a face's em is about a tenth smaller than its cell.
int EmForCell(QFont font, int cell) {
    font.setPixelSize(cell);
    int em = qMax(1, cell * cell / qMax(1, CellHeight(font)));
    font.setPixelSize(em);
    while (em > 1 && CellHeight(font) > cell)
        font.setPixelSize(--em);
    for (font.setPixelSize(em + 1); CellHeight(font) <= cell; font.setPixelSize(em + 1))
        ++em;
    return em;
}

} // namespace

QFont MapFont(const QPaintDevice& device, int heightDivisor, int widthDivisor) {
    // Liberation Serif has the metrics of Times New Roman, the face the map texts are laid out for.
    QFont font(QStringLiteral("Liberation Serif"));
    font.setStyleHint(QFont::Serif, QFont::PreferQuality);
    font.setWeight(QFont::Normal);
    font.setPixelSize(EmForCell(font, qMax(1, device.logicalDpiY() / heightDivisor)));
    const int wanted = device.logicalDpiX() / widthDivisor;
    const int natural = QFontMetrics(font).averageCharWidth();
    if (wanted > 0 && natural > 0)
        font.setStretch(qBound(1, wanted * 100 / natural, 4000));
    return font;
}
