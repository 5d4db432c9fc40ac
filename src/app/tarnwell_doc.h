#pragma once

#include <QString>

// The document of the single-document window. The map lives in the map state, so the document holds no data:
// opening reads nothing and saving writes an empty file; only its name shows in the window title.
class CTarnwellDoc {
public:
    bool OnNewDocument();
    bool OnOpenDocument(const QString& path);
    bool OnSaveDocument(const QString& path);

    const QString& PathName() const { return m_pathName; }
    // "Untitled" until the document is opened or saved under a name.
    QString Title() const;

private:
    QString m_pathName;
};
