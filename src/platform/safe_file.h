#pragma once

#include <QByteArray>
#include <QFile>
#include <QSize>
#include <QString>
#include <memory>
#include <optional>

// Size limits of the files read from an atlas or the tile cache. A file beyond its limit counts as missing.
inline constexpr qint64 kMaxCalibrationBytes = qint64(1) << 20;
inline constexpr qint64 kMaxTileBytes = qint64(64) << 20;
inline constexpr qint64 kMaxPanImageBytes = qint64(1) << 30;

// Bytes that an atlas hands out as one file: the whole regular file `path`, or, with a `size` of 0 or more,
// the `size` bytes from `offset` on (a member of an archive, say).
struct FileRange {
    QString path;
    qint64 offset = 0;
    qint64 size = -1;

    bool operator==(const FileRange&) const = default;
};

// The one way atlas and cache files are opened: `path` must name a regular file (after links) of at most
// `maxBytes` bytes. A FIFO, a device or a link to one counts as missing, and nothing here can block. Null
// when the file is missing, not regular, too large or cannot be opened.
std::unique_ptr<QFile> OpenFileSafely(const QString& path, qint64 maxBytes);

// The bytes of `range` under the same rules: a range must lie inside the file as it is when opened and be at
// most `maxBytes` long, and nothing outside it is read. Null when it cannot be read.
std::unique_ptr<QIODevice> OpenRangeSafely(const FileRange& range, qint64 maxBytes);

// The bytes of `range` (a whole file when its size is -1) under the rules of OpenRangeSafely, read in one go
// into memory: for a small file that is wanted whole (a tile to decode, an index), this spares a file object
// and its buffered reads. Nothing when it cannot be read.
std::optional<QByteArray> ReadRangeSafely(const FileRange& range, qint64 maxBytes);

// The pixel size a picture declares in its header, read under the rules of OpenRangeSafely; an invalid size
// when it cannot be read or is not a picture.
QSize SafeImageSize(const FileRange& range, qint64 maxBytes);
