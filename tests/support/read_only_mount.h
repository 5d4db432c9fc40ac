#pragma once

#include <QString>

// Failure paths that permission bits cannot reach when the tests run as root: a folder nobody can write, a
// file nobody can remove. A read-only bind mount of the path onto itself stops root as well.
class ReadOnlyMount {
public:
    // Test programs call this first, before any thread starts: it gives the program a mount namespace of its
    // own (in a user namespace of its own when it is not root), so that its mounts are seen by no one else.
    static void EnterPrivateNamespace();

    // Mounts `path` (a folder or a file) read-only over itself: nothing can be created in or written to it,
    // and a file so mounted cannot be removed or renamed.
    explicit ReadOnlyMount(const QString& path);
    ~ReadOnlyMount();
    ReadOnlyMount(const ReadOnlyMount&) = delete;
    ReadOnlyMount& operator=(const ReadOnlyMount&) = delete;

    // Empty once the mount is in place and has been seen to refuse a write; otherwise why it is not.
    const QString& Failure() const { return m_failure; }

private:
    QString m_path;
    QString m_failure;
    bool m_mounted = false;
};
