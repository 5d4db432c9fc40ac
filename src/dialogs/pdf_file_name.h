#pragma once

#include <QString>
#include <optional>

class QWidget;

// Asks where a printed page goes as a PDF file: a save dialog in the user's documents folder, proposing
// "Orvex Trekbuddy map.pdf" and asking before it replaces a file. Nothing when the user cancels.
std::optional<QString> AskPdfFileName(QWidget* parent);
