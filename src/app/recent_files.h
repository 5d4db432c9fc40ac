#pragma once

#include <QString>
#include <QStringList>

// The File menu's list of recently opened or saved documents, newest first, at most four. It lives in the
// window framework's own settings ("Local AppWizard-Generated Applications/Tarnwell"), never in "Orvex".
namespace RecentFiles {

inline constexpr int kMaxEntries = 4;

QStringList Read();

// Puts `path` at the top of the list, dropping an older mention of it and whatever falls beyond four.
void Add(const QString& path);

} // namespace RecentFiles
