#include "dialogs/zoom_target.h"

#include "state/map_state.h"
#include "state/osm_zoom_steps.h"

#include <limits>

namespace {

constexpr quint32 kLargestZoom = std::numeric_limits<quint32>::max();

bool IsSpace(QChar c) {
    return c == u' ' || (c >= u'\t' && c <= u'\r');
}

bool IsDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

// Once both values are 0 further doublings and halvings change nothing, so a far target is reached at once.
bool PositionIsZero() {
    return g_nOsmX == 0 && g_nOsmY == 0;
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

void MoveOsmToZoom(quint32 target) {
    while (g_nZoom < target) {
        if (PositionIsZero()) {
            g_nZoom = target;
            return;
        }
        if (!DoubleOsmPosition())
            return;
        ++g_nZoom;
    }
    while (g_nZoom > target) {
        if (PositionIsZero()) {
            g_nZoom = target;
            return;
        }
        HalveOsmPosition();
        --g_nZoom;
    }
}
