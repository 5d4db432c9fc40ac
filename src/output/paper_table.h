#pragma once

#include <QString>
#include <array>

// One sheet of the paper table: its name as the print dialog lists it and its size in tenths of a millimetre.
struct PaperSize {
    const char* name;
    int width;
    int height;
};

// The table holds paper codes 1 to 118; code n sits at index n - 1. Code 0 is a custom size.
inline constexpr int kPaperCount = 118;

const std::array<PaperSize, kPaperCount>& PaperTable();

// The name of the sheet at table index `index` (0 to 117).
QString PaperName(int index);

// The sheet's size in millimetres as the dialog shows it: " 210.00 mm X 297.00 mm" for A4.
QString PaperSizeText(int index);

// The table index of the sheet named exactly `name`, or -1.
int PaperIndexOfName(const QString& name);
