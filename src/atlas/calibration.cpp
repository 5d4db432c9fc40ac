#include "atlas/calibration.h"

#include "atlas/calibration_line.h"
#include "atlas/level_source.h"
#include "atlas/text_line_reader.h"
#include "platform/safe_file.h"
#include "state/map_state.h"

namespace {

CalibrationCorners CurrentCorners() {
    CalibrationCorners corners;
    corners.lat = {g_fPt1Lat, g_fPt2Lat, g_fPt3Lat, g_fPt4Lat};
    corners.lon = {g_fPt1Lon, g_fPt2Lon, g_fPt3Lon, g_fPt4Lon};
    return corners;
}

void StoreCorners(const CalibrationCorners& corners) {
    g_fPt1Lat = corners.lat[0];
    g_fPt2Lat = corners.lat[1];
    g_fPt3Lat = corners.lat[2];
    g_fPt4Lat = corners.lat[3];
    g_fPt1Lon = corners.lon[0];
    g_fPt2Lon = corners.lon[1];
    g_fPt3Lon = corners.lon[2];
    g_fPt4Lon = corners.lon[3];
}

// Reads point lines until the file ends or a point line runs out of commas.
void ReadCorners(QIODevice& file, CalibrationCorners& corners) {
    TextLineReader reader(file);
    while (const std::optional<std::string> line = reader.Next()) {
        if (!ParseCalibrationLine(*line, corners))
            return;
    }
}

// A level without tiles divides by zero here; the position then reads as infinite or not a number, and is
// only ever shown.
void UpdateTopLeftPosition(const LevelSource& level) {
    const int rows = level.CountRows();
    const int cols = level.CountColumns();
    const float rowsLeft = static_cast<float>(static_cast<qint64>(rows) - g_nTbY);
    g_fTbLat = (g_fPt1Lat - g_fPt4Lat) * (rowsLeft / static_cast<float>(rows)) + g_fPt4Lat;
    g_fTbLon = (g_fPt2Lon - g_fPt1Lon) * (static_cast<float>(g_nTbX) / static_cast<float>(cols)) + g_fPt1Lon;
}

} // namespace

int ReadCalibration() {
    const std::unique_ptr<LevelSource> level = OpenLevelSource(g_szAtlasFolder);
    const std::optional<FileRange> range = level->CalibrationFile();
    if (!range)
        return -1;
    const std::unique_ptr<QIODevice> file = OpenRangeSafely(*range, kMaxCalibrationBytes);
    if (!file)
        return -1;
    CalibrationCorners corners = CurrentCorners();
    ReadCorners(*file, corners);
    StoreCorners(corners);
    UpdateTopLeftPosition(*level);
    return 0;
}
