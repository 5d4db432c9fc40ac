#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QtGlobal>
#include <optional>

// The 512-byte member headers of a tar archive as the ustar and GNU formats write them, and the pax records
// that can stand before a member.

inline constexpr qint64 kTarBlock = 512;

// Member types that matter here; every other type is passed over with its data.
inline constexpr char kTarGnuLongName = 'L';
inline constexpr char kTarGnuLongLink = 'K';
inline constexpr char kTarPaxHeader = 'x';
inline constexpr char kTarPaxGlobal = 'g';

struct TarHeader {
    char type = 0;
    QByteArray name; // the ustar prefix and name joined
    qint64 size = 0; // bytes of data that follow the header
};

// Whether every byte of the block is zero: the end of the archive.
bool IsZeroTarBlock(const char* block);

// The header in `block` (kTarBlock bytes), or nothing when its checksum does not match or a number field is
// not a number.
std::optional<TarHeader> ParseTarHeader(const char* block);

// Whether members of this type carry no data, whatever their size field says.
bool TarTypeHasNoData(char type);

// Whether members of this type are regular files.
bool TarTypeIsRegular(char type);

// The data blocks that follow a header for `size` bytes of data.
qint64 TarDataBlocks(qint64 size);

// What a pax extended header says about the member after it.
struct PaxFields {
    std::optional<QByteArray> path;
    std::optional<qint64> size;
};

// The "path" and "size" records of pax data ("<length> <key>=<value>\n" each); nothing when a record is
// malformed.
std::optional<PaxFields> ParsePaxRecords(QByteArrayView data);
