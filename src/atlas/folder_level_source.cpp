#include "atlas/folder_level_source.h"

#include "atlas/tile_position_index.h"
#include "platform/directory_listing.h"
#include "platform/find_first.h"

#include <QFileInfo>
#include <QHash>
#include <QMutex>
#include <QMutexLocker>

namespace {

struct IndexedListing {
    std::shared_ptr<const DirectoryListing> listing;
    std::shared_ptr<const TilePositionIndex> index;
};

constexpr qsizetype kMaxIndexedFolders = 8;

QMutex indexMutex;
QHash<QString, IndexedListing> indexes;

// The position index of the folder's current listing, built once per listing: the listing cache decides
// when the folder is read again, and a listing read afresh is indexed afresh.
IndexedListing IndexedListingOf(const QString& folder) {
    std::shared_ptr<const DirectoryListing> listing = ListDirectory(folder);
    if (!listing)
        return {};
    QMutexLocker lock(&indexMutex);
    const auto found = indexes.constFind(folder);
    if (found != indexes.cend() && found->listing == listing)
        return *found;
    lock.unlock();
    IndexedListing indexed{listing, std::make_shared<const TilePositionIndex>(listing->names)};
    lock.relock();
    if (indexes.size() >= kMaxIndexedFolders)
        indexes.clear();
    indexes.insert(folder, indexed);
    return indexed;
}

} // namespace

// Without a level folder there is no level: its tiles must not be looked for in the file-system root.
FolderLevelSource::FolderLevelSource(const QString& folder)
    : LevelSource(folder), m_set(folder.isEmpty() ? QString() : folder + QStringLiteral("/set")) {}

std::optional<QString> FolderLevelSource::FindTile(const QString& pattern) const {
    return FindFirst(m_set, pattern);
}

std::optional<QString> FolderLevelSource::FindTileAt(qint64 px, qint64 py) const {
    const IndexedListing indexed = IndexedListingOf(m_set);
    if (!indexed.index)
        return std::nullopt;
    const std::optional<qsizetype> first = indexed.index->First(px, py);
    if (!first)
        return std::nullopt;
    return indexed.listing->names[*first];
}

bool FolderLevelSource::HasTile(const QString& name) const {
    return !m_set.isEmpty() && QFileInfo::exists(m_set + QLatin1Char('/') + name);
}

std::optional<FileRange> FolderLevelSource::TileFile(const QString& name) const {
    if (m_set.isEmpty())
        return std::nullopt;
    return FileRange{m_set + QLatin1Char('/') + name};
}

std::optional<QString> FolderLevelSource::CalibrationName() const {
    return FindFirst(Folder(), QStringLiteral("*.map"));
}

std::optional<FileRange> FolderLevelSource::CalibrationFile() const {
    const std::optional<QString> name = CalibrationName();
    if (!name)
        return std::nullopt;
    return FileRange{Folder() + QLatin1Char('/') + *name};
}
