#include "platform/directory_listing.h"

#include <QDateTime>
#include <QDirIterator>
#include <QFile>
#include <QHash>
#include <QMutex>
#include <QMutexLocker>
#include <sys/stat.h>

namespace {

struct Stamp {
    dev_t device = 0;
    ino_t inode = 0;
    timespec modified{};
    timespec changed{};

    bool operator==(const Stamp& o) const {
        return device == o.device && inode == o.inode && modified.tv_sec == o.modified.tv_sec &&
               modified.tv_nsec == o.modified.tv_nsec && changed.tv_sec == o.changed.tv_sec &&
               changed.tv_nsec == o.changed.tv_nsec;
    }
};

struct CachedListing {
    Stamp stamp;
    quint64 round;
    std::shared_ptr<const DirectoryListing> listing;
};

// File systems with coarse time stamps (FAT on a memory card keeps two seconds) can change a folder without
// changing its stamp. A listing read clearly after the folder last changed is kept; any other listing, also
// that of a folder stamped in the future by a device with a wrong clock, serves only the round (the paint) it
// was read in.
constexpr qint64 kSettleSeconds = 3;

bool Settled(const Stamp& stamp) {
    const qint64 now = QDateTime::currentSecsSinceEpoch();
    return now - stamp.modified.tv_sec > kSettleSeconds && now - stamp.changed.tv_sec > kSettleSeconds;
}

constexpr qsizetype kMaxCachedFolders = 32;

QMutex listingsMutex;
QHash<QString, CachedListing> listings;
quint64 listingRound = 0;

bool ReadStamp(const QString& folder, Stamp& stamp) {
    struct stat info {};
    if (::stat(QFile::encodeName(folder).constData(), &info) != 0 || !S_ISDIR(info.st_mode))
        return false;
    stamp = {info.st_dev, info.st_ino, info.st_mtim, info.st_ctim};
    return true;
}

std::shared_ptr<const DirectoryListing> ReadListing(const QString& folder) {
    auto listing = std::make_shared<DirectoryListing>();
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    while (it.hasNext()) {
        it.next();
        listing->names.append(it.fileName());
    }
    listing->foldedNames.reserve(listing->names.size());
    for (const QString& name : std::as_const(listing->names))
        listing->foldedNames.append(name.toCaseFolded());
    return listing;
}

} // namespace

std::shared_ptr<const DirectoryListing> ListDirectory(const QString& folder) {
    Stamp stamp;
    if (folder.isEmpty() || !ReadStamp(folder, stamp))
        return nullptr;
    QMutexLocker lock(&listingsMutex);
    auto found = listings.constFind(folder);
    if (found != listings.cend() && found->stamp == stamp && (found->round == listingRound || Settled(stamp)))
        return found->listing;
    lock.unlock();
    std::shared_ptr<const DirectoryListing> listing = ReadListing(folder);
    lock.relock();
    if (listings.size() >= kMaxCachedFolders)
        listings.clear();
    listings.insert(folder, CachedListing{stamp, listingRound, listing});
    return listing;
}

void StartListingRound() {
    QMutexLocker lock(&listingsMutex);
    ++listingRound;
}
