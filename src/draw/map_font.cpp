#include "draw/map_font.h"

#include <QFontMetrics>
#include <QPaintDevice>
#include <cmath>

namespace {

// Liberation Serif has the metrics of Times New Roman, the face the map texts are laid out for. Its
// proportions per pixel of em, from its design units (2048 to the em): the cell (ascent 1825 plus descent
// 443) and the average character width (1163). Taking them from here rather than from a font loaded at a
// large size saves loading a font at start-up.
constexpr double kFaceCell = (1825.0 + 443.0) / 2048.0;
constexpr double kFaceAverageWidth = 1163.0 / 2048.0;

// Ascent and descent are each rounded to a whole pixel, so a cell differs from em times the face's cell
// ratio by at most this.
constexpr double kCellRounding = 1.0;

int CellHeight(const QFont& font) {
    const QFontMetrics metrics(font);
    return metrics.ascent() + metrics.descent();
}

// `font` at em size `em`, stretched so that its average character is `wanted` pixels wide; a horizontal
// stretch leaves the cell height as it is.
QFont SizedFont(QFont font, int em, int wanted) {
    font.setPixelSize(em);
    const int natural = qRound(kFaceAverageWidth * em);
    if (wanted > 0 && natural > 0)
        font.setStretch(qBound(1, wanted * 100 / natural, 4000));
    return font;
}

} // namespace

QFont MapFont(const QPaintDevice& device, int heightDivisor, int widthDivisor) {
    QFont font(QStringLiteral("Liberation Serif"));
    font.setStyleHint(QFont::Serif, QFont::PreferQuality);
    font.setWeight(QFont::Normal);
    const int cell = qMax(1, device.logicalDpiY() / heightDivisor);
    const int wanted = device.logicalDpiX() / widthDivisor;
    // The map texts are laid out for cell heights: the largest em whose cell is at most `cell`. Each size
    // tried is a font loaded, so the sizes are tried from the largest the face's proportions allow, which is
    // nearly always the one. A face standing in for a missing Liberation Serif is still never taller.
    QFont sized;
    for (int em = qMax(1, int(std::floor((cell + kCellRounding) / kFaceCell))); em >= 1; --em) {
        sized = SizedFont(font, em, wanted);
        if (CellHeight(sized) <= cell)
            break;
    }
    return sized;
}
