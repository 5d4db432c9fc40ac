#include "dialogs/user_guide.h"

#include "platform/message_box.h"
#include "platform/url_opener.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>

namespace {

const QString kGuideResource = QStringLiteral(":/user_guide.html");

// The guide an installation puts beside the program (share/tarnwell); empty when there is none.
QString InstalledGuide() {
    const QString path = QDir::cleanPath(QCoreApplication::applicationDirPath() +
                                         QStringLiteral("/" TARNWELL_GUIDE_FROM_BINARY "/user_guide.html"));
    return QFileInfo(path).isFile() ? path : QString();
}

QString GuideFolder() {
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    return data.isEmpty() ? QDir::tempPath() : data;
}

QString GuidePath() {
    const QString installed = InstalledGuide();
    return installed.isEmpty() ? GuideFolder() + QStringLiteral("/user_guide.html") : installed;
}

// The browser needs a real file; without an installed guide the built-in one is written out, fresh every
// time so it always matches this build.
bool WriteGuide() {
    if (!InstalledGuide().isEmpty())
        return true;
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
    if (OpenUrl(UserGuideUrl()))
        return true;
    ShowMessage(QStringLiteral("No web browser could be started to show the user guide.\n\nThe guide is the "
                               "file\n%1")
                    .arg(GuidePath()));
    return false;
}
