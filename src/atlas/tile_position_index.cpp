#include "atlas/tile_position_index.h"

#include <limits>

namespace {

// The number written at `from` in `name` as decimal digits, and where it ends; nothing when there are none,
// or when they are no number of a search: a leading zero ("_0512_") or a value beyond any position.
std::optional<std::pair<qint64, qsizetype>> ReadNumber(const QString& name, qsizetype from) {
    qsizetype end = from;
    qint64 value = 0;
    bool fits = true;
    while (end < name.size() && name[end] >= u'0' && name[end] <= u'9') {
        const int digit = name[end].unicode() - u'0';
        fits = fits && value <= (std::numeric_limits<qint64>::max() - digit) / 10;
        value = fits ? value * 10 + digit : 0;
        ++end;
    }
    if (end == from || !fits || (name[from] == u'0' && end - from > 1))
        return std::nullopt;
    return std::pair{value, end};
}

} // namespace

TilePositionIndex::TilePositionIndex(const QStringList& names) {
    // Walked backwards so that the first name of each position is the one that stays.
    for (qsizetype index = names.size() - 1; index >= 0; --index) {
        const QString& name = names[index];
        for (qsizetype i = name.indexOf(u'_'); i >= 0; i = name.indexOf(u'_', i + 1)) {
            const auto px = ReadNumber(name, i + 1);
            if (!px || px->second >= name.size() || name[px->second] != u'_')
                continue;
            const auto py = ReadNumber(name, px->second + 1);
            if (!py || py->second >= name.size() || name[py->second] != u'.')
                continue;
            m_first.insert({px->first, py->first}, index);
        }
    }
}

std::optional<qsizetype> TilePositionIndex::First(qint64 px, qint64 py) const {
    const auto found = m_first.constFind({px, py});
    if (found == m_first.cend())
        return std::nullopt;
    return *found;
}
