#include "support/read_only_mount.h"

#include <QFile>
#include <QFileInfo>
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
    if (file >= 0)
        close(file);
    return written;
}

// Whether `path` takes no new file (a folder) or no change (a file), as a read-only mount should.
bool RefusesWrites(const QString& path) {
    if (!QFileInfo(path).isDir())
        return !QFile(path).open(QIODevice::ReadWrite);
    QFile probe(path + QStringLiteral("/.write-probe"));
    if (!probe.open(QIODevice::WriteOnly))
        return true;
    probe.remove();
    return false;
}

} // namespace

void ReadOnlyMount::EnterPrivateNamespace() {
    // Root needs only a mount namespace; anyone else becomes root of a user namespace of their own first, as
    // `unshare -rm` does.
    const uid_t uid = geteuid();
    const gid_t gid = getegid();
    if (uid != 0) {
        if (unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0) {
            namespaceFailure = SystemError("unshare(CLONE_NEWUSER | CLONE_NEWNS)");
            return;
        }
        if (!WriteProcFile("/proc/self/setgroups", "deny") ||
            !WriteProcFile("/proc/self/uid_map", "0 " + QByteArray::number(uid) + " 1") ||
            !WriteProcFile("/proc/self/gid_map", "0 " + QByteArray::number(gid) + " 1")) {
            namespaceFailure = SystemError("mapping the user into its namespace");
            return;
        }
    } else if (unshare(CLONE_NEWNS) != 0) {
        namespaceFailure = SystemError("unshare(CLONE_NEWNS)");
        return;
    }
    // Mounts made here must not travel back to the namespace the program came from.
    if (mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) {
        namespaceFailure = SystemError("making the mounts private");
        return;
    }
    namespaceFailure.clear();
}

ReadOnlyMount::ReadOnlyMount(const QString& path) : m_path(path), m_failure(namespaceFailure) {
    if (!m_failure.isEmpty())
        return;
    const QByteArray native = QFile::encodeName(path);
    if (mount(native.constData(), native.constData(), nullptr, MS_BIND, nullptr) != 0) {
        m_failure = SystemError("bind mount");
        return;
    }
    m_mounted = true;
    if (mount(nullptr, native.constData(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) != 0)
        m_failure = SystemError("read-only remount");
    else if (!RefusesWrites(path))
        m_failure = QStringLiteral("the read-only mount of %1 takes writes").arg(path);
}

ReadOnlyMount::~ReadOnlyMount() {
    if (m_mounted)
        umount2(QFile::encodeName(m_path).constData(), MNT_DETACH);
}
