#include "dialogs/user_guide.h"

#include "dialogs/url_opener.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

namespace {

const QString kGuideResource = QStringLiteral(":/user_guide.html");

QString GuideFolder() {
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    return data.isEmpty() ? QDir::tempPath() : data;
}

QString GuidePath() {
    return GuideFolder() + QStringLiteral("/user_guide.html");
}

// The browser needs a real file; the copy is refreshed every time so it always matches this build.
bool WriteGuide() {
    QFile source(kGuideResource);
    if (!source.open(QIODevice::ReadOnly))
        return false;
    QDir().mkpath(GuideFolder());
    QFile target(GuidePath());
    if (!target.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    const QByteArray page = source.readAll();
    return target.write(page) == page.size() && target.flush();
}

} // namespace

QUrl UserGuideUrl() {
    return QUrl::fromLocalFile(GuidePath());
}

bool OpenUserGuide() {
    if (!WriteGuide())
        return false;
    OpenUrl(UserGuideUrl());
    return true;
}
