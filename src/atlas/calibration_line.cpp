#include "atlas/calibration_line.h"

#include <algorithm>
#include <cstdlib>
#include <limits>
#include <locale.h>
#include <string>

// Values that overflow a float become infinities, as IEEE arithmetic defines it.
static_assert(std::numeric_limits<float>::is_iec559 && std::numeric_limits<double>::is_iec559);

namespace {

constexpr std::array<std::string_view, 4> kPointKeys = {"Point01,xy", "Point02,xy", "Point03,xy",
                                                        "Point04,xy"};

// The application switches to the user's locale, where the decimal point may be a comma; calibration files
// always use '.'.
locale_t ClassicLocale() {
    static const locale_t classic = newlocale(LC_ALL_MASK, "C", locale_t{});
    return classic;
}

bool IsLineEnd(char c) {
    return c == '\n' || c == '\r';
}

void TrimLineEnd(std::string& line) {
    if (line.size() <= 2)
        return;
    if (IsLineEnd(line.back()))
        line.pop_back();
    if (IsLineEnd(line.back()))
        line.pop_back();
}

// Walks a point line from comma to comma; every look-up stays inside the line.
class CommaWalk {
public:
    explicit CommaWalk(const std::string& line) : m_line(line) {}

    // Moves to the next comma after the current one (the first call finds the line's first comma).
    bool NextComma() {
        const std::size_t from = m_comma == std::string::npos ? 0 : m_comma + 1;
        m_comma = m_line.find(',', from);
        return m_comma != std::string::npos;
    }

    // A number starting `offset` characters after the current comma; a field cut short by the line's end
    // reads as no number.
    double NumberAfter(std::size_t offset) const {
        return ReadAtofNumber(m_line.c_str() + std::min(m_comma + offset, m_line.size()));
    }

    char CharAfter() const { return m_line.c_str()[m_comma + 1]; }

private:
    const std::string& m_line;
    std::size_t m_comma = std::string::npos;
};

// Degrees and minutes each right after their comma; the number reader skips the blank most files put there.
bool ReadAngle(CommaWalk& walk, float& value) {
    value = static_cast<float>(walk.NumberAfter(1));
    if (!walk.NextComma())
        return false;
    value = static_cast<float>(static_cast<double>(value) + walk.NumberAfter(1) / 60);
    return true;
}

// The hemisphere letter right after the next comma; `negative` turns the value round.
bool ReadHemisphere(CommaWalk& walk, float& value, char negative) {
    if (!walk.NextComma())
        return false;
    if (walk.CharAfter() == negative)
        value = -value;
    return true;
}

bool ParsePoint(const std::string& line, float& lat, float& lon) {
    CommaWalk walk(line);
    for (int field = 0; field < 6; ++field) {
        if (!walk.NextComma())
            return false;
    }
    if (!ReadAngle(walk, lat) || !ReadHemisphere(walk, lat, 'S') || !walk.NextComma())
        return false;
    return ReadAngle(walk, lon) && ReadHemisphere(walk, lon, 'E');
}

} // namespace

double ReadAtofNumber(const char* text) {
    return strtod_l(text, nullptr, ClassicLocale());
}

bool ParseCalibrationLine(std::string_view line, CalibrationCorners& corners) {
    std::string text(line.substr(0, line.find('\0')));
    TrimLineEnd(text);
    if (text.empty())
        return true;
    for (std::size_t point = 0; point < kPointKeys.size(); ++point) {
        if (text.find(kPointKeys[point]) == std::string::npos)
            continue;
        if (!ParsePoint(text, corners.lat[point], corners.lon[point]))
            return false;
    }
    return true;
}
