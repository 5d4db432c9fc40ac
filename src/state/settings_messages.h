#pragma once

#include "state/settings_store.h"

#include <QString>

// The messages that tell the user the settings store could not be reached; each names the settings file by
// its full path, so that the user knows what to look at.
inline QString MsgCreateKeyFailed() {
    return QStringLiteral("An error occurred creating the settings file\n%1\n\n"
                          "This message might appear if this is the first time you have run the program.")
        .arg(SettingsStore::FileName());
}

inline QString MsgAtlasFolderUnreadable() {
    return QStringLiteral(
               "Unable read the Trekbuddy folder name from the settings file.\n\n The settings file\n%1\n"
               "could not be opened.\n\n"
               "This message will stop appearing once you have set the Default Atlas Folder.\n")
        .arg(SettingsStore::FileName());
}

inline QString MsgOpenKeyFailed() {
    return QStringLiteral("An error occurred opening or creating the settings file\n%1")
        .arg(SettingsStore::FileName());
}
