// Feeds arbitrary bytes to the calibration file parse, as a file of lines and as one unbroken line.

#include "atlas/calibration_line.h"
#include "atlas/text_line_reader.h"

#include <QBuffer>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

void ParseAsFile(const QByteArray& bytes) {
    QByteArray data = bytes;
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    TextLineReader reader(buffer);
    CalibrationCorners corners;
    while (const std::optional<std::string> line = reader.Next()) {
        if (line->size() > TextLineReader::kMaxPiece)
            std::abort();
        if (!ParseCalibrationLine(*line, corners))
            return;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    CalibrationCorners corners;
    ParseCalibrationLine(text, corners);
    ParseAsFile(QByteArray(text.data(), static_cast<qsizetype>(text.size())));
    return 0;
}
