#include "app/recent_files.h"

#include <QSettings>

namespace {

QSettings Store() {
    return QSettings(QSettings::NativeFormat, QSettings::UserScope,
                     QStringLiteral("Local AppWizard-Generated Applications"), QStringLiteral("Tarnwell"));
}

QString Key(int index) {
    return QStringLiteral("Recent File List/File%1").arg(index + 1);
}

} // namespace

namespace RecentFiles {

QStringList Read() {
    const QSettings settings = Store();
    QStringList paths;
    for (int i = 0; i < kMaxEntries; ++i) {
        const QString path = settings.value(Key(i)).toString();
        if (!path.isEmpty())
            paths.append(path);
    }
    return paths;
}

void Add(const QString& path) {
    QStringList paths = Read();
    paths.removeAll(path);
    paths.prepend(path);
    QSettings settings = Store();
    for (int i = 0; i < kMaxEntries; ++i) {
        if (i < paths.size())
            settings.setValue(Key(i), paths[i]);
        else
            settings.remove(Key(i));
    }
}

} // namespace RecentFiles
