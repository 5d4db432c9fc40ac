#include "platform/find_first.h"

#include "platform/directory_listing.h"

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

} // namespace

bool WildcardMatch(const QString& pattern, const QString& name) {
    return MatchFolded(pattern.toCaseFolded(), name.toCaseFolded());
}

std::optional<QString> FindFirst(const QString& folder, const QString& pattern) {
    const std::shared_ptr<const DirectoryListing> listing = ListDirectory(folder);
    if (!listing)
        return std::nullopt;
    const QString folded = pattern.toCaseFolded();
    for (qsizetype i = 0; i < listing->names.size(); ++i) {
        if (MatchFolded(folded, listing->foldedNames[i]))
            return listing->names[i];
    }
    return std::nullopt;
}
