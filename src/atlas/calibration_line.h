#pragma once

#include <array>
#include <string_view>

// The four corner points of a calibration file as the parse keeps them: latitude positive north, longitude
// positive west. Index 0 is "Point01".
struct CalibrationCorners {
    std::array<float, 4> lat{};
    std::array<float, 4> lon{};
};

// Trims one line of a calibration file and reads every corner point whose key ("Point01,xy" .. "Point04,xy")
// it contains into `corners`. Returns false when a point line runs out of commas: reading the file stops
// there, and what this and earlier lines stored stays. The line ends at its first NUL, as a C string would.
bool ParseCalibrationLine(std::string_view line, CalibrationCorners& corners);

// Reads a number the way C's atof does in the "C" locale: leading white space, an optional sign, a decimal or
// hexadecimal number with optional exponent, or "inf"/"nan"; 0 when no number starts there.
double ReadAtofNumber(const char* text);
