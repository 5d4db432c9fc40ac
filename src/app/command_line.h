#pragma once

#include <optional>

// Answers "--help" and "--version" on the terminal without opening a window (no display is needed). The
// exit code when one of them was asked for; nothing otherwise, and the program starts with its command line
// untouched.
std::optional<int> AnswerTerminalOptions(int argc, char** argv);
