#pragma once

#include <QString>
#include <QtGlobal>
#include <optional>

// The program's persistent settings: the per-user store "Orvex" with the values "AtlasFolder" (a string) and
// "AtlasZoom" (a 32-bit number). "The key" below is the store itself: it exists once anything created it.
namespace SettingsStore {

// The full path of the file that holds the store.
QString FileName();

// Whether the store exists (the key can be opened).
bool KeyExists();

// Creates the store when missing; false when it cannot be created or opened for writing.
bool CreateKey();

// "AtlasFolder"; nothing when the key is missing or the value is absent or not a string. The folder given
// for this run, while there is one, stands in for the stored value.
std::optional<QString> ReadAtlasFolder();

// The atlas folder for this run only (the one named on the command line); nothing is stored. Writing an
// atlas folder ends it: the folder the user then chooses is the one that counts. An empty folder ends it too.
void UseAtlasFolderForThisRun(const QString& folder);

// "AtlasZoom"; nothing when the key is missing or the value is absent or not a number.
std::optional<qint32> ReadAtlasZoomValue();

// Create-or-open the key and write the value; false when the key cannot be written.
bool WriteAtlasFolder(const QString& folder);
bool WriteAtlasZoom(quint32 zoom);

} // namespace SettingsStore
