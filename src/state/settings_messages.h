#pragma once

#include <QString>

// The messages that tell the user the settings store could not be reached.
inline const QString kMsgCreateKeyFailed = QStringLiteral(
    "An error occurred creating the registry key\nHKEY_CURRENT_USER\nSoftware\\Orvex\\AtlasFolder\n\n"
    "This message might appear if this is the first time you have run the program.");

inline const QString kMsgAtlasFolderUnreadable = QStringLiteral(
    "Unable read the Trekbuddy folder name from the registry.\n\n The registry key\nHKEY_CURRENT_USER\n,"
    "Software\\Orvex\\AtlasFolder\ncould not be opened.\n\n"
    "This message will stop appearing once you have set the Default Atlas Folder.\n");

inline const QString kMsgOpenKeyFailed = QStringLiteral(
    "An error occurred opening or creating the registry key\nHKEY_CURRENT_USER\nSoftware\\Orvex");
