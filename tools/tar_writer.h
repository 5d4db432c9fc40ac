#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <utility>
#include <vector>

// Tar archives written byte by byte, so that a test can damage exactly the header or the data it wants.
namespace TarWriter {

// One ustar header block for a member of `size` bytes; a name beyond 100 bytes goes to the prefix field.
QByteArray Header(const QByteArray& name, qint64 size, char type = '0');

// An archive built member by member; `bytes` can be cut or changed afterwards.
struct Archive {
    QByteArray bytes;
    // The header block and name of each member added, as a ".tmi" index lists them.
    std::vector<std::pair<qint64, QByteArray>> blocks;

    // A member with its data, padded to whole blocks.
    void Add(const QByteArray& name, const QByteArray& data, char type = '0');
    // A member whose name comes in a pax extended header before it.
    void AddWithPaxPath(const QByteArray& name, const QByteArray& data);
    // The two zero blocks that end an archive.
    void End();
    // The byte offset of the header of member `index`.
    qint64 HeaderAt(int index) const { return blocks[size_t(index)].first * 512; }
    // The lines of a ".tmi" index of the members added.
    QByteArray Tmi() const;
};

// Puts the right checksum into the header at byte `at` of `bytes`, after a test changed one of its fields.
void FixChecksum(QByteArray& bytes, qint64 at);

// Writes `bytes` to `path`; false when it cannot.
bool Save(const QString& path, const QByteArray& bytes);

// Packs `members` of `folder` with the system's tar in `format` ("gnu", "ustar", "pax") into `archive`.
bool PackWithTar(const QString& folder, const QStringList& members, const QString& archive,
                 const QString& format = QStringLiteral("gnu"));

} // namespace TarWriter
