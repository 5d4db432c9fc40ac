#include "dialogs/typed_zoom.h"

#include <limits>

namespace {

constexpr quint32 kLargestZoom = std::numeric_limits<quint32>::max();

bool IsSpace(QChar c) {
    return c == u' ' || (c >= u'\t' && c <= u'\r');
}

bool IsDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

} // namespace

std::optional<quint32> TypedZoom(const QString& text) {
    qsizetype i = 0;
    while (i < text.size() && IsSpace(text[i]))
        ++i;
    const bool negative = i < text.size() && text[i] == u'-';
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+'))
        ++i;
    quint64 number = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i)
        number = qMin<quint64>(number * 10 + (text[i].unicode() - u'0'), quint64(kLargestZoom) + 1);
    if (negative && number != 0)
        return std::nullopt;
    return quint32(qMin<quint64>(number, kLargestZoom));
}
