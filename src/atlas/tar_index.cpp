#include "atlas/tar_index.h"

#include "atlas/tar_header.h"
#include "platform/find_first.h"
#include "platform/safe_file.h"
#include "platform/wildcard_match.h"

#include <QFileInfo>
#include <algorithm>
#include <unistd.h>

namespace {

// Block numbers of the index are 32-bit, which holds archives of up to 2 TiB.
constexpr qint64 kMaxArchiveBytes = (qint64(1) << 32) * kTarBlock;
constexpr qsizetype kMaxNameLength = 4096;
constexpr qint64 kMaxExtendedHeaderBytes = qint64(1) << 20;
constexpr qint64 kMaxTmiBytes = qint64(64) << 20;
// A run of small members is read in one go; a large member is passed over without reading it.
constexpr qint64 kWindowBytes = qint64(16) << 10;

// The archive's blocks, read through a window of kWindowBytes, never beyond the file's end.
class BlockReader {
public:
    BlockReader(int fd, qint64 fileSize) : m_fd(fd), m_fileSize(fileSize), m_window(kWindowBytes, '\0') {}

    qint64 FileSize() const { return m_fileSize; }
    qint64 Blocks() const { return m_fileSize / kTarBlock; }

    // The block's bytes, or null when it lies past the end or cannot be read.
    const char* Block(qint64 block) {
        if (block < 0 || block >= Blocks())
            return nullptr;
        const qint64 at = block * kTarBlock;
        if (at < m_windowAt || at + kTarBlock > m_windowAt + m_windowFill) {
            const qint64 wanted = std::min(kWindowBytes, m_fileSize - at);
            const ssize_t got = ::pread(m_fd, m_window.data(), size_t(wanted), at);
            m_windowAt = at;
            m_windowFill = got < 0 ? 0 : got;
            if (m_windowFill < kTarBlock)
                return nullptr;
        }
        return m_window.constData() + (at - m_windowAt);
    }

    std::optional<QByteArray> Read(qint64 offset, qint64 size) {
        QByteArray data(size, Qt::Uninitialized);
        if (::pread(m_fd, data.data(), size_t(size), offset) != size)
            return std::nullopt;
        return data;
    }

private:
    int m_fd;
    qint64 m_fileSize;
    QByteArray m_window;
    qint64 m_windowAt = 0;
    qint64 m_windowFill = 0;
};

// One member as the walk meets it: its extended headers from `start`, its own header at `header`.
struct Walked {
    enum class Kind { Member, End, Bad, Cut } kind;
    qint64 start = 0;
    qint64 header = 0;
    qint64 next = 0;
    TarHeader member = {};
};

// The member whose first header lies at `block`: End at the end marker, Bad at a header that cannot be
// read, Cut when a header or its data runs past the end of the file.
Walked ReadMemberAt(BlockReader& reader, qint64 block) {
    std::optional<QByteArray> longName;
    std::optional<PaxFields> pax;
    const qint64 start = block;
    for (;;) {
        const char* bytes = reader.Block(block);
        if (!bytes)
            return {Walked::Kind::Cut};
        if (IsZeroTarBlock(bytes))
            return {Walked::Kind::End};
        std::optional<TarHeader> header = ParseTarHeader(bytes);
        if (!header)
            return {Walked::Kind::Bad};
        const bool extension = header->type == kTarGnuLongName || header->type == kTarGnuLongLink ||
                               header->type == kTarPaxHeader || header->type == kTarPaxGlobal;
        if (!extension && pax && pax->size)
            header->size = *pax->size;
        const qint64 size = TarTypeHasNoData(header->type) ? 0 : header->size;
        const qint64 dataAt = (block + 1) * kTarBlock;
        if (size > reader.FileSize() - dataAt)
            return {Walked::Kind::Cut};
        const qint64 next = block + 1 + TarDataBlocks(size);
        if (!extension) {
            if (pax && pax->path)
                header->name = *pax->path;
            else if (longName)
                header->name = *longName;
            return {Walked::Kind::Member, start, block, next, std::move(*header)};
        }
        if (header->type == kTarGnuLongName || header->type == kTarPaxHeader) {
            // Without its name or size the member that follows cannot be placed.
            std::optional<QByteArray> data;
            if (size <= kMaxExtendedHeaderBytes)
                data = reader.Read(dataAt, size);
            if (!data)
                return {Walked::Kind::Bad};
            if (header->type == kTarGnuLongName) {
                longName = data->left(data->indexOf('\0') < 0 ? data->size() : data->indexOf('\0'));
            } else if (!(pax = ParsePaxRecords(*data))) {
                return {Walked::Kind::Bad};
            }
        }
        block = next;
    }
}

// The name as it is indexed: "./" taken off the front; nothing for a name that points outside the archive's
// folder, a folder's name, or one longer than any path.
std::optional<QByteArray> IndexedName(QByteArray name) {
    while (name.startsWith("./"))
        name.remove(0, 2);
    if (name.isEmpty() || name.size() > kMaxNameLength || name.startsWith('/') || name.endsWith('/'))
        return std::nullopt;
    if (("/" + name + "/").contains("/../"))
        return std::nullopt;
    return name;
}

// The lines "block <N>: <name>" of a ".tmi" index, in block order; nothing when a line is malformed.
std::optional<std::vector<std::pair<qint64, QByteArray>>> ReadTmi(const QString& archivePath) {
    const QFileInfo archive(archivePath);
    const std::optional<QByteArray> text = ReadRangeSafely(
        {archive.path() + QLatin1Char('/') + archive.completeBaseName() + QStringLiteral(".tmi")},
        kMaxTmiBytes);
    if (!text)
        return std::nullopt;
    std::vector<std::pair<qint64, QByteArray>> lines;
    for (qsizetype at = 0; at < text->size();) {
        const qsizetype end = text->indexOf('\n', at) < 0 ? text->size() : text->indexOf('\n', at);
        QByteArrayView line = QByteArrayView(*text).sliced(at, end - at);
        at = end + 1;
        if (line.endsWith('\r'))
            line.chop(1);
        if (line.isEmpty())
            continue;
        const qsizetype colon = line.indexOf(": ");
        bool ok = false;
        const qint64 block =
            colon > 6 && line.startsWith("block ") ? line.sliced(6, colon - 6).toLongLong(&ok) : -1;
        if (!ok || block < 0)
            return std::nullopt;
        const std::optional<QByteArray> name = IndexedName(line.sliced(colon + 2).toByteArray());
        if (!name)
            return std::nullopt;
        lines.emplace_back(block, *name);
    }
    std::sort(lines.begin(), lines.end());
    return lines;
}

qsizetype DigitRunEnd(QByteArrayView name, qsizetype from) {
    while (from < name.size() && name[from] >= '0' && name[from] <= '9')
        ++from;
    return from;
}

// A decimal position as tile names write it: no leading zeros, within 32 bits.
std::optional<quint32> Position(QByteArrayView digits) {
    if (digits.size() > 1 && digits[0] == '0')
        return std::nullopt;
    bool ok = false;
    const qulonglong value = digits.toULongLong(&ok);
    if (!ok || value > 0xffffffffu)
        return std::nullopt;
    return quint32(value);
}

bool AsciiMatch(QByteArrayView pattern, QByteArrayView name) {
    const auto fold = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
    return MatchWildcard(pattern, name, [&fold](char a, char b) { return fold(a) == fold(b); });
}

bool IsAscii(QByteArrayView text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

} // namespace

// Builds a TarIndex member by member; Finish orders the look-ups.
class TarIndexBuilder {
public:
    // Adds the member unless its name is refused; false when the index is full.
    bool Add(const Walked& walked) {
        if (!TarTypeIsRegular(walked.member.type))
            return true;
        const std::optional<QByteArray> name = IndexedName(walked.member.name);
        if (!name)
            return true;
        if (m_index.m_members.size() >= size_t(kMaxTarMembers) ||
            m_index.m_names.size() + name->size() > kMaxTarNameBytes)
            return false;
        const quint64 size = quint64(walked.member.size);
        m_index.m_members.push_back({quint32(m_index.m_names.size()), quint16(name->size()),
                                     quint16(size >> 32), quint32(walked.header + 1), quint32(size)});
        m_index.m_names.append(*name);
        m_blocks.emplace_back(walked.start, walked.header);
        return true;
    }

    TarIndex Finish(const std::optional<std::vector<std::pair<qint64, QByteArray>>>& tmi) {
        m_index.m_tmiAgrees = tmi && TmiAgrees(*tmi);
        m_blocks = {};
        OrderByName();
        DropReplacedMembers();
        IndexTilePositions();
        m_index.m_names.squeeze();
        m_index.m_members.shrink_to_fit();
        return std::move(m_index);
    }

private:
    // Every line names the first or the own header of a member, and every member has its line.
    bool TmiAgrees(const std::vector<std::pair<qint64, QByteArray>>& lines) const {
        if (lines.size() != m_blocks.size())
            return false;
        for (size_t i = 0; i < lines.size(); ++i) {
            const auto [start, header] = m_blocks[i];
            if ((lines[i].first != start && lines[i].first != header) ||
                lines[i].second != m_index.NameBytes(m_index.m_members[i]))
                return false;
        }
        return true;
    }

    void OrderByName() {
        std::vector<quint32>& order = m_index.m_byName;
        order.resize(m_index.m_members.size());
        for (size_t i = 0; i < order.size(); ++i)
            order[i] = quint32(i);
        // Equal names stay in archive order: the last of them is the one that counts.
        std::sort(order.begin(), order.end(), [this](quint32 a, quint32 b) {
            const int names =
                m_index.NameBytes(m_index.m_members[a]).compare(m_index.NameBytes(m_index.m_members[b]));
            return names != 0 ? names < 0 : a < b;
        });
    }

    // A name met again replaces the data of the first, as unpacking the archive would, and keeps its place.
    void DropReplacedMembers() {
        std::vector<TarIndex::Entry>& members = m_index.m_members;
        std::vector<bool> replaced(members.size(), false);
        const std::vector<quint32>& order = m_index.m_byName;
        for (size_t i = 0; i + 1 < order.size(); ++i) {
            size_t last = i;
            while (last + 1 < order.size() &&
                   m_index.NameBytes(members[order[last + 1]]) == m_index.NameBytes(members[order[i]]))
                replaced[order[++last]] = true;
            if (last == i)
                continue;
            TarIndex::Entry& first = members[order[i]];
            const TarIndex::Entry& latest = members[order[last]];
            first = {first.nameAt, first.nameLength, latest.sizeHigh, latest.dataBlock, latest.sizeLow};
            i = last;
        }
        // Members keep their order, so the name order stays one once renumbered.
        std::vector<quint32> renumbered(members.size());
        size_t kept = 0;
        for (size_t i = 0; i < members.size(); ++i) {
            renumbered[i] = quint32(kept);
            if (!replaced[i])
                members[kept++] = members[i];
        }
        members.resize(kept);
        std::vector<quint32>& byName = m_index.m_byName;
        byName.erase(
            std::remove_if(byName.begin(), byName.end(), [&](quint32 member) { return replaced[member]; }),
            byName.end());
        for (quint32& member : byName)
            member = renumbered[member];
    }

    // Every "_<px>_<py>." in the names of the tile folder's members, like a folder listing's.
    void IndexTilePositions() {
        const QByteArray folder = QByteArray(kTarTileFolder) + '/';
        std::vector<TarIndex::TilePosition>& positions = m_index.m_tilePositions;
        for (size_t member = 0; member < m_index.m_members.size(); ++member) {
            const QByteArrayView name = m_index.NameBytes(m_index.m_members[member]);
            if (!name.startsWith(folder) || name.sliced(folder.size()).contains('/'))
                continue;
            for (qsizetype i = name.indexOf('_'); i >= 0; i = name.indexOf('_', i + 1)) {
                const qsizetype xEnd = DigitRunEnd(name, i + 1);
                if (xEnd == i + 1 || xEnd >= name.size() || name[xEnd] != '_')
                    continue;
                const qsizetype yEnd = DigitRunEnd(name, xEnd + 1);
                if (yEnd == xEnd + 1 || yEnd >= name.size() || name[yEnd] != '.')
                    continue;
                const std::optional<quint32> px = Position(name.sliced(i + 1, xEnd - i - 1));
                const std::optional<quint32> py = Position(name.sliced(xEnd + 1, yEnd - xEnd - 1));
                if (px && py)
                    positions.push_back({*px, *py, quint32(member)});
            }
        }
        std::sort(positions.begin(), positions.end(), [](const auto& a, const auto& b) {
            return std::tie(a.px, a.py, a.member) < std::tie(b.px, b.py, b.member);
        });
        positions.shrink_to_fit();
    }

    TarIndex m_index;
    std::vector<std::pair<qint64, qint64>>
        m_blocks; // first and own header block of each member, for the .tmi
};

std::optional<TarIndex> TarIndex::Read(const QString& path) {
    const std::unique_ptr<QFile> file = OpenFileSafely(path, kMaxArchiveBytes);
    if (!file)
        return std::nullopt;
    BlockReader reader(file->handle(), file->size());
    TarIndexBuilder builder;
    // After a damaged header, or one whose data would run past the end, the next member is found by looking
    // at every block for a good header.
    bool lost = false;
    for (qint64 block = 0; block < reader.Blocks();) {
        const Walked walked = ReadMemberAt(reader, block);
        if (walked.kind == Walked::Kind::Member) {
            lost = false;
            if (!builder.Add(walked))
                break;
            block = walked.next;
        } else if (walked.kind != Walked::Kind::End || lost) {
            lost = true;
            ++block;
        } else {
            break;
        }
    }
    return builder.Finish(ReadTmi(path));
}

QByteArrayView TarIndex::NameBytes(const Entry& entry) const {
    return QByteArrayView(m_names).sliced(entry.nameAt, entry.nameLength);
}

QString TarIndex::Name(qsizetype member) const {
    return QString::fromUtf8(NameBytes(m_members[size_t(member)]));
}

TarMember TarIndex::Member(qsizetype member) const {
    const Entry& entry = m_members[size_t(member)];
    return {qint64(entry.dataBlock) * kTarBlock, qint64(entry.sizeHigh) << 32 | entry.sizeLow};
}

std::optional<qsizetype> TarIndex::Find(QStringView name) const {
    const QByteArray wanted = name.toUtf8();
    const auto found = std::lower_bound(m_byName.begin(), m_byName.end(), wanted,
                                        [this](quint32 member, const QByteArray& key) {
                                            return NameBytes(m_members[member]) < QByteArrayView(key);
                                        });
    if (found == m_byName.end() || NameBytes(m_members[*found]) != QByteArrayView(wanted))
        return std::nullopt;
    return *found;
}

std::optional<qsizetype> TarIndex::FindFirst(QStringView folder, const QString& pattern) const {
    const QByteArray prefix = folder.isEmpty() ? QByteArray() : folder.toUtf8() + '/';
    const QByteArray asciiPattern = pattern.toUtf8();
    const bool asciiOnly = IsAscii(asciiPattern);
    for (size_t member = 0; member < m_members.size(); ++member) {
        const QByteArrayView name = NameBytes(m_members[member]);
        if (!name.startsWith(prefix))
            continue;
        const QByteArrayView own = name.sliced(prefix.size());
        if (own.contains('/'))
            continue;
        if ((asciiOnly && IsAscii(own)) ? AsciiMatch(asciiPattern, own)
                                        : WildcardMatch(pattern, QString::fromUtf8(own)))
            return qsizetype(member);
    }
    return std::nullopt;
}

std::optional<qsizetype> TarIndex::FindTile(qint64 px, qint64 py) const {
    if (px < 0 || py < 0 || px > 0xffffffffll || py > 0xffffffffll)
        return std::nullopt;
    const TilePosition key{quint32(px), quint32(py), 0};
    const auto found =
        std::lower_bound(m_tilePositions.begin(), m_tilePositions.end(), key,
                         [](const TilePosition& a, const TilePosition& b) {
                             return std::tie(a.px, a.py, a.member) < std::tie(b.px, b.py, b.member);
                         });
    if (found == m_tilePositions.end() || found->px != key.px || found->py != key.py)
        return std::nullopt;
    return found->member;
}

qint64 TarIndex::MemoryBytes() const {
    return qint64(sizeof(*this)) + m_names.capacity() + qint64(m_members.capacity() * sizeof(Entry)) +
           qint64(m_byName.capacity() * sizeof(quint32)) +
           qint64(m_tilePositions.capacity() * sizeof(TilePosition));
}
