#include "platform/safe_file.h"

#include <QBuffer>
#include <QImageReader>
#include <fcntl.h>
#include <limits>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Opens without blocking (a FIFO with no writer would wait for ever otherwise) and checks the file that was
// opened, not the name, so a file swapped in between cannot slip through. -1 when the file does not qualify;
// `bytes` gets the size of the file opened.
int OpenRegularFile(const QString& path, qint64 maxBytes, qint64& bytes) {
    if (path.isEmpty())
        return -1;
    const QByteArray name = QFile::encodeName(path);
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return -1;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_size > maxBytes) {
        ::close(fd);
        return -1;
    }
    bytes = info.st_size;
    return fd;
}

// Reads `size` bytes at `offset` of `fd`, all or nothing.
std::optional<QByteArray> ReadAt(int fd, qint64 offset, qint64 size) {
    QByteArray bytes(size, Qt::Uninitialized);
    for (qint64 done = 0; done < size;) {
        const ssize_t got = ::pread(fd, bytes.data() + done, size_t(size - done), off_t(offset + done));
        if (got <= 0)
            return std::nullopt;
        done += got;
    }
    return bytes;
}

} // namespace

std::unique_ptr<QFile> OpenFileSafely(const QString& path, qint64 maxBytes) {
    qint64 bytes = 0;
    const int fd = OpenRegularFile(path, maxBytes, bytes);
    if (fd < 0)
        return nullptr;
    auto file = std::make_unique<QFile>(path);
    if (!file->open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return nullptr;
    }
    return file;
}

std::optional<QByteArray> ReadRangeSafely(const FileRange& range, qint64 maxBytes) {
    const bool whole = range.size < 0;
    if (!whole && (range.offset < 0 || range.size > maxBytes))
        return std::nullopt;
    qint64 bytes = 0;
    const int fd = OpenRegularFile(range.path, whole ? maxBytes : std::numeric_limits<qint64>::max(), bytes);
    if (fd < 0)
        return std::nullopt;
    // Compared without adding, which could overflow for a hostile offset.
    std::optional<QByteArray> content;
    if (whole)
        content = ReadAt(fd, 0, bytes);
    else if (range.offset <= bytes && range.size <= bytes - range.offset)
        content = ReadAt(fd, range.offset, range.size);
    ::close(fd);
    return content;
}

std::unique_ptr<QIODevice> OpenRangeSafely(const FileRange& range, qint64 maxBytes) {
    if (range.size < 0)
        return OpenFileSafely(range.path, maxBytes);
    const std::optional<QByteArray> content = ReadRangeSafely(range, maxBytes);
    if (!content)
        return nullptr;
    auto buffer = std::make_unique<QBuffer>();
    buffer->setData(*content);
    buffer->open(QIODevice::ReadOnly);
    return buffer;
}

QSize SafeImageSize(const FileRange& range, qint64 maxBytes) {
    const std::unique_ptr<QIODevice> device = OpenRangeSafely(range, maxBytes);
    if (!device)
        return {};
    return QImageReader(device.get()).size();
}
