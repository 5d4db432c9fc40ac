#include "state/settings_store.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

namespace {

const QString kAtlasFolder = QStringLiteral("AtlasFolder");
const QString kAtlasZoom = QStringLiteral("AtlasZoom");

QSettings Store() {
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Orvex"));
}

bool Write(const QString& name, const QVariant& value) {
    if (!SettingsStore::CreateKey())
        return false;
    QSettings settings = Store();
    settings.setValue(name, value);
    settings.sync();
    return settings.status() == QSettings::NoError;
}

// The atlas folder named for this run; empty when there is none.
QString& RunFolder() {
    static QString folder;
    return folder;
}

} // namespace

namespace SettingsStore {

QString FileName() {
    return Store().fileName();
}

bool KeyExists() {
    return QFileInfo::exists(Store().fileName());
}

bool CreateKey() {
    const QString path = Store().fileName();
    if (QFileInfo::exists(path))
        return QFileInfo(path).isWritable();
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Append);
}

std::optional<QString> ReadAtlasFolder() {
    if (!RunFolder().isEmpty())
        return RunFolder();
    if (!KeyExists())
        return std::nullopt;
    const QVariant value = Store().value(kAtlasFolder);
    if (!value.isValid() || value.typeId() != QMetaType::QString)
        return std::nullopt;
    return value.toString();
}

std::optional<qint32> ReadAtlasZoomValue() {
    if (!KeyExists())
        return std::nullopt;
    bool ok = false;
    const qint64 number = Store().value(kAtlasZoom).toLongLong(&ok);
    if (!ok || number < INT32_MIN || number > UINT32_MAX)
        return std::nullopt;
    return static_cast<qint32>(static_cast<quint32>(number));
}

void UseAtlasFolderForThisRun(const QString& folder) {
    RunFolder() = folder;
}

bool WriteAtlasFolder(const QString& folder) {
    RunFolder().clear();
    return Write(kAtlasFolder, folder);
}

// Stored as a signed 32-bit number so that every bit pattern of the zoom reads back the same.
bool WriteAtlasZoom(quint32 zoom) {
    return Write(kAtlasZoom, static_cast<qint32>(zoom));
}

} // namespace SettingsStore
