#include "draw/map_font.h"

#include <QFontMetrics>
#include <QFontMetricsF>
#include <QPaintDevice>
#include <cmath>

namespace {

// The size at which the face's proportions are read once: large enough that whole-pixel rounding of its
// metrics is negligible.
constexpr int kReferenceEm = 2048;

// Ascent and descent are each rounded to a whole pixel, so a cell differs from em times the face's cell
// ratio by at most this.
constexpr double kCellRounding = 1.0;

int CellHeight(const QFont& font) {
    const QFontMetrics metrics(font);
    return metrics.ascent() + metrics.descent();
}

// The face's cell height and average character width for each pixel of em.
struct Proportions {
    double cell;
    double averageWidth;
};

Proportions FaceProportions(QFont font) {
    font.setPixelSize(kReferenceEm);
    const QFontMetricsF metrics(font);
    return {(metrics.ascent() + metrics.descent()) / kReferenceEm, metrics.averageCharWidth() / kReferenceEm};
}

// `font` at em size `em`, stretched so that its average character is `wanted` pixels wide; a horizontal
// stretch leaves the cell height as it is.
QFont SizedFont(QFont font, int em, int wanted, const Proportions& face) {
    font.setPixelSize(em);
    const int natural = qRound(face.averageWidth * em);
    if (wanted > 0 && natural > 0)
        font.setStretch(qBound(1, wanted * 100 / natural, 4000));
    return font;
}

} // namespace

QFont MapFont(const QPaintDevice& device, int heightDivisor, int widthDivisor) {
    // Liberation Serif has the metrics of Times New Roman, the face the map texts are laid out for.
    QFont font(QStringLiteral("Liberation Serif"));
    font.setStyleHint(QFont::Serif, QFont::PreferQuality);
    font.setWeight(QFont::Normal);
    const int cell = qMax(1, device.logicalDpiY() / heightDivisor);
    const int wanted = device.logicalDpiX() / widthDivisor;
    const Proportions face = FaceProportions(font);
    // The map texts are laid out for cell heights: the largest em whose cell is at most `cell`. Each size
    // tried is a font loaded, so only the few sizes the face's proportions leave open are tried, from the
    // top.
    const int highest = qMax(1, int(std::floor((cell + kCellRounding) / qMax(face.cell, 0.1))));
    const int surelyLow = int(std::floor((cell - kCellRounding) / qMax(face.cell, 0.1)));
    for (int em = highest; em > qMax(1, surelyLow); --em) {
        QFont sized = SizedFont(font, em, wanted, face);
        if (CellHeight(sized) <= cell)
            return sized;
    }
    return SizedFont(font, qMax(1, surelyLow), wanted, face);
}
