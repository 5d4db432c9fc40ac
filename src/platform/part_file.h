#pragma once

#include <QByteArray>
#include <QString>
#include <cstdio>

// A file written aside under a name of its own and put in the place of its target only once it is complete,
// so a failed or stopped write leaves the old target whole. Removed when it goes away uncommitted.
class PartFile {
public:
    // Creates `path` afresh; File() is null when it cannot be created, and Error() tells why.
    explicit PartFile(const QString& path);
    ~PartFile();
    PartFile(const PartFile&) = delete;
    PartFile& operator=(const PartFile&) = delete;

    std::FILE* File() const { return m_file; }
    int Error() const { return m_error; }

    // Records errno, or EIO when it holds none, as the file's error; returns false for use in a failed step.
    bool Failed();

    // Flushes everything to the disk and renames the file to `target`.
    bool Commit(const QString& target);

private:
    QByteArray m_path;
    std::FILE* m_file = nullptr;
    int m_error = 0;
    bool m_kept = false;
};
