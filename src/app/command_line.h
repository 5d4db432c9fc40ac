#pragma once

#include <QStringList>
#include <optional>

// Answers "--help" and "--version" on the terminal without opening a window (no display is needed). The
// exit code when one of them was asked for; nothing otherwise, and the program starts with its command line
// untouched.
std::optional<int> AnswerTerminalOptions(int argc, char** argv);

// The folder named on the command line ("tarnwell FOLDER"), made absolute, becomes the atlas folder for this
// run. A name that is no folder gets a message, and the program starts as without it.
void UseAtlasFolderArgument(const QStringList& arguments);
