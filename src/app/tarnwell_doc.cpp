#include "app/tarnwell_doc.h"

#include <QFile>
#include <QFileInfo>

bool CTarnwellDoc::OnNewDocument() {
    m_pathName.clear();
    return true;
}

bool CTarnwellDoc::OnOpenDocument(const QString& path) {
    if (!QFileInfo(path).isReadable())
        return false;
    m_pathName = path;
    return true;
}

bool CTarnwellDoc::OnSaveDocument(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    m_pathName = path;
    return true;
}

QString CTarnwellDoc::Title() const {
    return m_pathName.isEmpty() ? QStringLiteral("Untitled") : QFileInfo(m_pathName).fileName();
}
