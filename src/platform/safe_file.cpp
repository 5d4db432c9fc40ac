#include "platform/safe_file.h"

#include <QImageReader>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Opens without blocking (a FIFO with no writer would wait for ever otherwise) and checks the file that was
// opened, not the name, so a file swapped in between cannot slip through. -1 when the file does not qualify.
int OpenRegularFile(const QString& path, qint64 maxBytes) {
    const QByteArray name = QFile::encodeName(path);
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return -1;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_size > maxBytes) {
        ::close(fd);
        return -1;
    }
    return fd;
}

} // namespace

std::unique_ptr<QFile> OpenFileSafely(const QString& path, qint64 maxBytes) {
    if (path.isEmpty())
        return nullptr;
    const int fd = OpenRegularFile(path, maxBytes);
    if (fd < 0)
        return nullptr;
    auto file = std::make_unique<QFile>(path);
    if (!file->open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return nullptr;
    }
    return file;
}

std::optional<QByteArray> ReadFileSafely(const QString& path, qint64 maxBytes) {
    const std::unique_ptr<QFile> file = OpenFileSafely(path, maxBytes);
    if (!file)
        return std::nullopt;
    // The size was checked when the file was opened; a file that grows meanwhile is cut at the limit.
    QByteArray content = file->read(maxBytes);
    if (file->error() != QFileDevice::NoError)
        return std::nullopt;
    return content;
}

QSize SafeImageSize(const QString& path, qint64 maxBytes) {
    const std::unique_ptr<QFile> file = OpenFileSafely(path, maxBytes);
    if (!file)
        return {};
    return QImageReader(file.get()).size();
}
