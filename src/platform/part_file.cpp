#include "platform/part_file.h"

#include <QFile>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

PartFile::PartFile(const QString& path) : m_path(QFile::encodeName(path)) {
    // No link is followed: a link planted under the part name must not send the bytes elsewhere.
    const int fd = ::open(m_path.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0644);
    if (fd >= 0 && !(m_file = ::fdopen(fd, "wb")))
        ::close(fd);
    m_error = m_file ? 0 : errno;
}

PartFile::~PartFile() {
    if (m_file)
        std::fclose(m_file);
    if (!m_kept)
        ::unlink(m_path.constData());
}

bool PartFile::Failed() {
    m_error = errno != 0 ? errno : EIO;
    return false;
}

bool PartFile::Commit(const QString& target) {
    errno = 0;
    const bool written = std::fflush(m_file) == 0 && ::fsync(::fileno(m_file)) == 0;
    const bool closed = std::fclose(m_file) == 0;
    m_file = nullptr;
    if (!written || !closed)
        return Failed();
    if (::rename(m_path.constData(), QFile::encodeName(target).constData()) != 0)
        return Failed();
    m_kept = true;
    return true;
}
