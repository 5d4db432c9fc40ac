#include "platform/find_first.h"

#include "platform/directory_listing.h"
#include "platform/wildcard_match.h"

namespace {

bool MatchFolded(QStringView pattern, QStringView name) {
    return MatchWildcard(pattern, name, [](QChar a, QChar b) { return a == b; });
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
