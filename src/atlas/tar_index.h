#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>
#include <QtGlobal>
#include <optional>
#include <vector>

// Where the data of one member lies in its archive.
struct TarMember {
    qint64 offset = 0;
    qint64 size = 0;
};

// The folder of an archive's tile members.
inline constexpr char kTarTileFolder[] = "set";

// Members at most this many are indexed, and their names at most this many bytes in all: an archive beyond
// is indexed up to there.
inline constexpr qsizetype kMaxTarMembers = 1'000'000;
inline constexpr qsizetype kMaxTarNameBytes = qsizetype(64) << 20;

// The regular-file members of a tar archive by name, from one pass over its member headers, so that a member
// is read at its offset without reading the archive. Names are kept in the archive's order, as a folder lists
// its entries. Members that are not whole, names with ".." or an absolute path, and a member whose header is
// damaged are left out; the members before and after it still count. A name met again replaces the earlier
// member's data, as unpacking the archive would.
class TarIndex {
public:
    // The index of the archive at `path`, read under the safe-read rules; nothing when it cannot be opened.
    // The ".tmi" index beside it (the archive's name with ".tmi" for ".tar"), whose lines
    // "block <N>: <name>" give each member's header block, is checked against the headers read.
    static std::optional<TarIndex> Read(const QString& path);

    qsizetype Count() const { return qsizetype(m_members.size()); }
    QString Name(qsizetype member) const;
    TarMember Member(qsizetype member) const;

    // The member named exactly `name`.
    std::optional<qsizetype> Find(QStringView name) const;
    // The first member directly in `folder` ("" for the top of the archive) whose own name matches the
    // wildcard `pattern` under the rules of FindFirst.
    std::optional<qsizetype> FindFirst(QStringView folder, const QString& pattern) const;
    // The first member directly in kTarTileFolder named "*_<px>_<py>.*".
    std::optional<qsizetype> FindTile(qint64 px, qint64 py) const;

    // Whether the ".tmi" index beside the archive names exactly the headers that the pass found there.
    bool TmiAgrees() const { return m_tmiAgrees; }
    // The bytes the index holds.
    qint64 MemoryBytes() const;

private:
    // 16 bytes a member, so that a level of 400 x 400 tiles is indexed in a few MiB.
    struct Entry {
        quint32 nameAt;
        quint16 nameLength;
        quint16 sizeHigh;
        quint32 dataBlock;
        quint32 sizeLow;
    };
    struct TilePosition {
        quint32 px;
        quint32 py;
        quint32 member;
    };
    friend class TarIndexBuilder;

    QByteArrayView NameBytes(const Entry& entry) const;

    QByteArray m_names;
    std::vector<Entry> m_members;
    std::vector<quint32> m_byName;             // members ordered by name
    std::vector<TilePosition> m_tilePositions; // ordered by position, then member
    bool m_tmiAgrees = false;
};
