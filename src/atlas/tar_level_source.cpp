#include "atlas/tar_level_source.h"

#include "atlas/tar_index.h"
#include "platform/find_first.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QMutex>
#include <QMutexLocker>
#include <sys/stat.h>

namespace {

// What tells an archive rewritten or replaced from the one indexed.
struct Stamp {
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    timespec modified{};
    timespec changed{};

    bool operator==(const Stamp& o) const {
        return device == o.device && inode == o.inode && size == o.size &&
               modified.tv_sec == o.modified.tv_sec && modified.tv_nsec == o.modified.tv_nsec &&
               changed.tv_sec == o.changed.tv_sec && changed.tv_nsec == o.changed.tv_nsec;
    }
};

struct CachedIndex {
    Stamp stamp;
    std::shared_ptr<const TarIndex> index;
};

// A few levels' archives: the current level, the one stepped from, and the one being printed or panned.
constexpr qsizetype kMaxCachedArchives = 4;

QMutex cacheMutex;
QHash<QString, CachedIndex> cache;

std::optional<Stamp> ReadStamp(const QString& path) {
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0 || !S_ISREG(info.st_mode))
        return std::nullopt;
    return Stamp{info.st_dev, info.st_ino, info.st_size, info.st_mtim, info.st_ctim};
}

// The archive's index, built again only when the archive changed since it was built.
std::shared_ptr<const TarIndex> IndexOf(const QString& archive) {
    const std::optional<Stamp> stamp = ReadStamp(archive);
    if (!stamp)
        return nullptr;
    QMutexLocker lock(&cacheMutex);
    const auto found = cache.constFind(archive);
    if (found != cache.cend() && found->stamp == *stamp)
        return found->index;
    lock.unlock();
    std::optional<TarIndex> read = TarIndex::Read(archive);
    if (!read)
        return nullptr;
    auto index = std::make_shared<const TarIndex>(std::move(*read));
    lock.relock();
    if (cache.size() >= kMaxCachedArchives)
        cache.clear();
    cache.insert(archive, CachedIndex{*stamp, index});
    return index;
}

const QString kTileFolder = QString::fromLatin1(kTarTileFolder);

} // namespace

TarLevelSource::TarLevelSource(const QString& folder, const QString& archive)
    : LevelSource(folder), m_archive(archive), m_index(IndexOf(archive)) {}

std::optional<QString> TarLevelSource::FindTile(const QString& pattern) const {
    return m_index ? TileName(m_index->FindFirst(kTileFolder, pattern)) : std::nullopt;
}

std::optional<QString> TarLevelSource::FindTileAt(qint64 px, qint64 py) const {
    return m_index ? TileName(m_index->FindTile(px, py)) : std::nullopt;
}

bool TarLevelSource::HasTile(const QString& name) const {
    return m_index && m_index->Find(QString(kTileFolder + QLatin1Char('/') + name));
}

std::optional<FileRange> TarLevelSource::TileFile(const QString& name) const {
    return m_index ? MemberFile(m_index->Find(QString(kTileFolder + QLatin1Char('/') + name))) : std::nullopt;
}

std::optional<QString> TarLevelSource::CalibrationName() const {
    if (!m_index)
        return std::nullopt;
    const std::optional<qsizetype> member = m_index->FindFirst(u"", QStringLiteral("*.map"));
    return member ? std::optional<QString>(m_index->Name(*member)) : std::nullopt;
}

std::optional<FileRange> TarLevelSource::CalibrationFile() const {
    return m_index ? MemberFile(m_index->FindFirst(u"", QStringLiteral("*.map"))) : std::nullopt;
}

std::optional<FileRange> TarLevelSource::MemberFile(std::optional<qsizetype> member) const {
    if (!member)
        return std::nullopt;
    const TarMember data = m_index->Member(*member);
    return FileRange{m_archive, data.offset, data.size};
}

std::optional<QString> TarLevelSource::TileName(std::optional<qsizetype> member) const {
    if (!member)
        return std::nullopt;
    return m_index->Name(*member).mid(kTileFolder.size() + 1);
}

std::optional<QString> LevelArchive(const QString& levelFolder) {
    if (levelFolder.isEmpty() || QFileInfo(levelFolder + QStringLiteral("/set")).isDir())
        return std::nullopt;
    const QString own = levelFolder + QLatin1Char('/') + QDir(levelFolder).dirName() + QStringLiteral(".tar");
    if (QFileInfo(own).isFile())
        return own;
    const std::optional<QString> found = FindFirst(levelFolder, QStringLiteral("*.tar"));
    if (!found)
        return std::nullopt;
    return levelFolder + QLatin1Char('/') + *found;
}
