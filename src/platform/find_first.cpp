#include "platform/find_first.h"

#include "platform/directory_listing.h"

#include <algorithm>

namespace {

bool MatchFolded(QStringView pattern, QStringView name) {
    qsizetype p = 0, n = 0, starP = -1, starN = 0;
    while (n < name.size()) {
        if (p < pattern.size() && (pattern[p] == u'?' || pattern[p] == name[n])) {
            ++p;
            ++n;
        } else if (p < pattern.size() && pattern[p] == u'*') {
            starP = p++;
            starN = n;
        } else if (starP >= 0) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == u'*')
        ++p;
    return p == pattern.size();
}

bool AllDigits(QStringView text) {
    return !text.isEmpty() &&
           std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

// "*_<px>_<py>.*", the shape of every tile search, answers from the listing's index with the key "<px>_<py>".
std::optional<QString> TilePositionKey(const QString& pattern) {
    if (!pattern.startsWith(QLatin1String("*_")) || !pattern.endsWith(QLatin1String(".*")))
        return std::nullopt;
    const QStringView key = QStringView(pattern).mid(2, pattern.size() - 4);
    const qsizetype underscore = key.indexOf(u'_');
    if (underscore < 0 || !AllDigits(key.left(underscore)) || !AllDigits(key.mid(underscore + 1)))
        return std::nullopt;
    return key.toString();
}

} // namespace

bool WildcardMatch(const QString& pattern, const QString& name) {
    return MatchFolded(pattern.toCaseFolded(), name.toCaseFolded());
}

std::optional<QString> FindFirst(const QString& folder, const QString& pattern) {
    const std::shared_ptr<const DirectoryListing> listing = ListDirectory(folder);
    if (!listing)
        return std::nullopt;
    if (const std::optional<QString> key = TilePositionKey(pattern)) {
        const auto found = listing->firstByTilePosition.constFind(*key);
        if (found == listing->firstByTilePosition.cend())
            return std::nullopt;
        return listing->names[*found];
    }
    const QString folded = pattern.toCaseFolded();
    for (qsizetype i = 0; i < listing->names.size(); ++i) {
        if (MatchFolded(folded, listing->foldedNames[i]))
            return listing->names[i];
    }
    return std::nullopt;
}
