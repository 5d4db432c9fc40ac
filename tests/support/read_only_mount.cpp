#include "support/read_only_mount.h"

#include <QFile>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <unistd.h>

namespace {

QString namespaceFailure = QStringLiteral("the test main did not enter a mount namespace of its own");

QString SystemError(const char* what) {
    return QStringLiteral("%1: %2").arg(QLatin1String(what), QString::fromLocal8Bit(std::strerror(errno)));
}

bool WriteProcFile(const char* path, const QByteArray& text) {
    const int file = open(path, O_WRONLY);
    const bool written = file >= 0 && write(file, text.constData(), size_t(text.size())) == text.size();
    return (file < 0 || close(file) == 0) && written;
}

} // namespace

void ReadOnlyMount::EnterPrivateNamespace() {
    // Root needs only a mount namespace; anyone else becomes root of a user namespace of their own first, as
    // `unshare -rm` does.
    const bool root = geteuid() == 0;
    const QByteArray uid = QByteArray::number(geteuid()), gid = QByteArray::number(getegid());
    if (unshare(root ? CLONE_NEWNS : CLONE_NEWUSER | CLONE_NEWNS) != 0)
        namespaceFailure = SystemError("unshare");
    else if (!root && !(WriteProcFile("/proc/self/setgroups", "deny") &&
                        WriteProcFile("/proc/self/uid_map", "0 " + uid + " 1") &&
                        WriteProcFile("/proc/self/gid_map", "0 " + gid + " 1")))
        namespaceFailure = SystemError("mapping the user into its namespace");
    // Mounts made here must not travel back to the namespace the program came from.
    else if (mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
        namespaceFailure = SystemError("making the mounts private");
    else
        namespaceFailure.clear();
}

ReadOnlyMount::ReadOnlyMount(const QString& path) : m_path(path), m_failure(namespaceFailure) {
    const QByteArray native = QFile::encodeName(path);
    if (!m_failure.isEmpty())
        return;
    if (mount(native.constData(), native.constData(), nullptr, MS_BIND, nullptr) != 0) {
        m_failure = SystemError("bind mount");
        return;
    }
    m_mounted = true;
    if (mount(nullptr, native.constData(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) != 0)
        m_failure = SystemError("read-only remount");
    // Root may write anywhere but on a read-only file system.
    else if (access(native.constData(), W_OK) == 0 || errno != EROFS)
        m_failure = QStringLiteral("the read-only mount of %1 takes writes").arg(path);
}

ReadOnlyMount::~ReadOnlyMount() {
    if (m_mounted)
        umount2(QFile::encodeName(m_path).constData(), MNT_DETACH);
}
