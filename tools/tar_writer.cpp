#include "tar_writer.h"

#include <QFile>
#include <QProcess>
#include <cstring>

namespace TarWriter {

namespace {

void Put(QByteArray& block, qint64 at, int length, const QByteArray& text) {
    std::memcpy(block.data() + at, text.constData(), size_t(std::min<qsizetype>(length, text.size())));
}

QByteArray OctalField(qint64 value, int digits) {
    return QByteArray::number(value, 8).rightJustified(digits, '0');
}

QByteArray Padding(qint64 size) {
    return QByteArray((512 - size % 512) % 512, '\0');
}

} // namespace

QByteArray Header(const QByteArray& name, qint64 size, char type) {
    QByteArray block(512, '\0');
    QByteArray own = name, prefix;
    if (name.size() > 100) {
        const qsizetype slash = name.indexOf('/', name.size() - 101);
        prefix = name.left(slash);
        own = name.mid(slash + 1);
    }
    Put(block, 0, 100, own);
    Put(block, 100, 8, "0000644");
    Put(block, 108, 8, "0001750");
    Put(block, 116, 8, "0001750");
    Put(block, 124, 12, OctalField(size, 11));
    Put(block, 136, 12, "14723501234");
    block[156] = type;
    Put(block, 257, 8,
        QByteArray("ustar\0"
                   "00",
                   8));
    Put(block, 345, 155, prefix);
    FixChecksum(block, 0);
    return block;
}

void FixChecksum(QByteArray& bytes, qint64 at) {
    std::memset(bytes.data() + at + 148, ' ', 8);
    int sum = 0;
    for (qint64 i = at; i < at + 512; ++i)
        sum += static_cast<unsigned char>(bytes[i]);
    Put(bytes, at + 148, 8, OctalField(sum, 6) + QByteArray("\0 ", 2));
}

void Archive::Add(const QByteArray& name, const QByteArray& data, char type) {
    blocks.emplace_back(bytes.size() / 512, name);
    bytes += Header(name, data.size(), type) + data + Padding(data.size());
}

void Archive::AddWithPaxPath(const QByteArray& name, const QByteArray& data) {
    const QByteArray record = " path=" + name + "\n";
    // The length counts its own digits.
    qsizetype length = record.size() + 1;
    while (QByteArray::number(length).size() + record.size() != length)
        ++length;
    const QByteArray pax = QByteArray::number(length) + record;
    const qint64 start = bytes.size() / 512;
    bytes += Header("PaxHeaders/member", pax.size(), 'x') + pax + Padding(pax.size());
    bytes += Header("short-name", data.size()) + data + Padding(data.size());
    blocks.emplace_back(start, name);
}

void Archive::End() {
    bytes += QByteArray(1024, '\0');
}

QByteArray Archive::Tmi() const {
    QByteArray text;
    for (const auto& [block, name] : blocks)
        text += "block " + QByteArray::number(block) + ": " + name + "\r\n";
    return text;
}

bool Save(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

bool PackWithTar(const QString& folder, const QStringList& members, const QString& archive,
                 const QString& format) {
    QProcess tar;
    tar.setWorkingDirectory(folder);
    tar.start(QStringLiteral("tar"),
              QStringList{QStringLiteral("--format=") + format, QStringLiteral("-cf"), archive} + members);
    return tar.waitForFinished(60000) && tar.exitStatus() == QProcess::NormalExit && tar.exitCode() == 0;
}

} // namespace TarWriter
