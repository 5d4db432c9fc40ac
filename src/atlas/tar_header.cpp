#include "atlas/tar_header.h"

#include <algorithm>

namespace {

constexpr int kNameAt = 0, kNameLength = 100;
constexpr int kSizeAt = 124, kSizeLength = 12;
constexpr int kChecksumAt = 148, kChecksumLength = 8;
constexpr int kTypeAt = 156;
constexpr int kMagicAt = 257;
constexpr int kPrefixAt = 345, kPrefixLength = 155;

// Sizes beyond this are no archive's: it keeps every later sum of offsets far from overflow.
constexpr qint64 kMaxNumber = qint64(1) << 56;

// A NUL-terminated text field.
QByteArray Text(const char* field, int length) {
    return QByteArray(field, std::find(field, field + length, '\0') - field);
}

// An octal field: optional leading spaces, digits, then a NUL or a space ends it. An empty field is 0.
std::optional<qint64> Octal(const char* field, int length) {
    int i = 0;
    while (i < length && field[i] == ' ')
        ++i;
    qint64 value = 0;
    for (; i < length && field[i] >= '0' && field[i] <= '7'; ++i) {
        value = value * 8 + (field[i] - '0');
        if (value > kMaxNumber)
            return std::nullopt;
    }
    for (; i < length; ++i)
        if (field[i] != ' ' && field[i] != '\0')
            return std::nullopt;
    return value;
}

// GNU's big-endian binary form for numbers that octal cannot hold, flagged by the top bit of the first byte.
std::optional<qint64> Number(const char* field, int length) {
    const auto first = static_cast<unsigned char>(field[0]);
    if (!(first & 0x80))
        return Octal(field, length);
    if (first & 0x40)
        return std::nullopt; // negative
    qint64 value = first & 0x3f;
    for (int i = 1; i < length; ++i) {
        value = value * 256 + static_cast<unsigned char>(field[i]);
        if (value > kMaxNumber)
            return std::nullopt;
    }
    return value;
}

// Makers differ in whether they sum the header's bytes as signed or unsigned; both are accepted. The field
// itself counts as eight spaces.
bool ChecksumMatches(const char* block) {
    const std::optional<qint64> stored = Octal(block + kChecksumAt, kChecksumLength);
    if (!stored)
        return false;
    const auto* bytes = reinterpret_cast<const unsigned char*>(block);
    // Whole-block sums first, which the compiler can vectorise, then the field taken out again.
    int unsignedSum = 0, high = 0;
    for (int i = 0; i < kTarBlock; ++i) {
        unsignedSum += bytes[i];
        high += bytes[i] >> 7;
    }
    for (int i = kChecksumAt; i < kChecksumAt + kChecksumLength; ++i) {
        unsignedSum -= bytes[i];
        high -= bytes[i] >> 7;
    }
    unsignedSum += 8 * ' ';
    // Read as signed, each byte of 128 or more counts 256 less.
    return *stored == unsignedSum || *stored == unsignedSum - 256 * high;
}

} // namespace

bool IsZeroTarBlock(const char* block) {
    return std::all_of(block, block + kTarBlock, [](char c) { return c == '\0'; });
}

std::optional<TarHeader> ParseTarHeader(const char* block) {
    if (!ChecksumMatches(block))
        return std::nullopt;
    const std::optional<qint64> size = Number(block + kSizeAt, kSizeLength);
    if (!size)
        return std::nullopt;
    TarHeader header{block[kTypeAt], Text(block + kNameAt, kNameLength), *size};
    // Only POSIX ustar keeps a name prefix there; GNU's "ustar  " keeps times in the same bytes.
    if (QByteArrayView(block + kMagicAt, 6) == QByteArrayView("ustar\0", 6)) {
        const QByteArray prefix = Text(block + kPrefixAt, kPrefixLength);
        if (!prefix.isEmpty())
            header.name = prefix + '/' + header.name;
    }
    return header;
}

bool TarTypeHasNoData(char type) {
    return type >= '1' && type <= '6';
}

bool TarTypeIsRegular(char type) {
    return type == '0' || type == '\0' || type == '7';
}

qint64 TarDataBlocks(qint64 size) {
    return size / kTarBlock + (size % kTarBlock != 0);
}

std::optional<PaxFields> ParsePaxRecords(QByteArrayView data) {
    PaxFields fields;
    while (!data.isEmpty()) {
        const qsizetype space = data.indexOf(' ');
        bool ok = false;
        const qsizetype length = space > 0 ? data.first(space).toLongLong(&ok) : 0;
        if (!ok || length <= space + 1 || length > data.size() || data[length - 1] != '\n')
            return std::nullopt;
        const QByteArrayView record = data.sliced(space + 1, length - space - 2);
        const qsizetype equals = record.indexOf('=');
        if (equals <= 0)
            return std::nullopt;
        const QByteArrayView key = record.first(equals), value = record.sliced(equals + 1);
        if (key == "path") {
            fields.path = value.toByteArray();
        } else if (key == "size") {
            const qint64 size = value.toLongLong(&ok);
            if (!ok || size < 0 || size > kMaxNumber)
                return std::nullopt;
            fields.size = size;
        }
        data = data.sliced(length);
    }
    return fields;
}
