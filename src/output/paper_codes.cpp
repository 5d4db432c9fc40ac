#include "output/paper_codes.h"

#include "output/paper_table.h"

#include <QSizeF>

namespace {

constexpr int kLastSharedCode = 47;
constexpr int kFirstShiftedWindowsId = 50;
constexpr int kLastShiftedWindowsId = 118;
constexpr int kWindowsShift = 2;
constexpr int kA1Code = 117;
constexpr int kA0Code = 118;

} // namespace

int PaperCodeOfWindowsNumber(int windowsId) {
    if (windowsId >= 1 && windowsId <= kLastSharedCode)
        return windowsId;
    if (windowsId >= kFirstShiftedWindowsId && windowsId <= kLastShiftedWindowsId)
        return windowsId - kWindowsShift;
    return 0;
}

int PaperCode(const QPageSize& size) {
    if (size.id() == QPageSize::A1)
        return kA1Code;
    if (size.id() == QPageSize::A0)
        return kA0Code;
    return PaperCodeOfWindowsNumber(size.windowsId());
}

QList<int> PaperCodes(const QList<QPageSize>& sizes) {
    QList<int> codes;
    for (const QPageSize& size : sizes)
        if (const int code = PaperCode(size))
            codes.append(code);
    return codes;
}

QPageSize PageSizeOfCode(int code) {
    if (code < 1 || code > kPaperCount)
        return {};
    const PaperSize& paper = PaperTable()[std::size_t(code - 1)];
    return QPageSize(QSizeF(paper.width / 10.0, paper.height / 10.0), QPageSize::Millimeter,
                     QString::fromLatin1(paper.name), QPageSize::FuzzyMatch);
}
