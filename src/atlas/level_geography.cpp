#include "atlas/level_geography.h"

#include "atlas/calibration_line.h"
#include "atlas/level_source.h"
#include "atlas/text_line_reader.h"
#include "atlas/tile_count.h"
#include "atlas/trekbuddy.h"
#include "draw/back_buffer.h"
#include "draw/button_strip.h"
#include "platform/safe_file.h"
#include "state/map_state.h"

#include <QDateTime>
#include <QFileInfo>
#include <cmath>
#include <numbers>

namespace {

constexpr double kRadians = std::numbers::pi / 180.0;

// What the kept geography was read from: the calibration file's bytes (a file, or a member of a level's
// archive), when they last changed, and the tile size.
struct Stamp {
    QString path;
    qint64 offset = 0;
    qint64 size = -1;
    qint64 fileSize = -1;
    QDateTime modified;
    QSize tile;
    bool operator==(const Stamp&) const = default;
};

bool NamesMercator(std::string_view line) {
    constexpr std::string_view kKey = "Map Projection,";
    if (!line.starts_with(kKey))
        return false;
    const QString projection = QString::fromLatin1(line.substr(kKey.size())).section(QLatin1Char(','), 0, 0);
    return projection.trimmed().compare(QStringLiteral("Mercator"), Qt::CaseInsensitive) == 0;
}

std::optional<LevelGeography> ReadGeography(const FileRange& range) {
    const std::unique_ptr<QIODevice> file = OpenRangeSafely(range, kMaxCalibrationBytes);
    if (!file)
        return std::nullopt;
    LevelGeography level;
    CalibrationCorners corners;
    TextLineReader reader(*file);
    for (std::optional<std::string> line = reader.Next(); line; line = reader.Next()) {
        level.mercator = level.mercator || NamesMercator(*line);
        if (!ParseCalibrationLine(*line, corners))
            break;
    }
    // The parse keeps longitudes west positive.
    level.top = corners.lat[0];
    level.bottom = corners.lat[3];
    level.left = -double(corners.lon[0]);
    level.right = -double(corners.lon[1]);
    level.image = QSize(CountTileColumns() * g_nTileWidth, CountTileRows() * g_nTileHeight);
    if (level.image.isEmpty())
        return std::nullopt;
    return level;
}

double MercatorY(double latitude) {
    return std::log(std::tan(std::numbers::pi / 4 + latitude * kRadians / 2));
}

} // namespace

std::optional<LevelGeography> CurrentLevelGeography() {
    static Stamp kept;
    static std::optional<LevelGeography> geography;
    if (g_szAtlasFolder.isEmpty())
        return std::nullopt;
    const std::optional<FileRange> range = OpenLevelSource(g_szAtlasFolder)->CalibrationFile();
    if (!range)
        return std::nullopt;
    const QFileInfo file(range->path);
    const Stamp stamp{range->path, range->offset,       range->size,
                      file.size(), file.lastModified(), QSize(g_nTileWidth, g_nTileHeight)};
    if (!(stamp == kept)) {
        geography = ReadGeography(*range);
        kept = stamp;
    }
    return geography;
}

std::optional<GeoPosition> LevelPosition(const LevelGeography& level, double x, double y) {
    const double across = x / level.image.width();
    const double down = y / level.image.height();
    if (across < 0 || across >= 1 || down < 0 || down >= 1)
        return std::nullopt;
    const double longitude = level.left + across * (level.right - level.left);
    double latitude = level.top + down * (level.bottom - level.top);
    if (level.mercator) {
        const double north = MercatorY(level.top) + down * (MercatorY(level.bottom) - MercatorY(level.top));
        latitude = std::atan(std::sinh(north)) / kRadians;
    }
    // Corners at the poles or beyond, or not numbers at all, place nothing.
    if (!std::isfinite(latitude) || !std::isfinite(longitude))
        return std::nullopt;
    return GeoPosition{.latitude = latitude, .longitude = longitude};
}

std::optional<GeoPosition> CTrekbuddy::PositionAt(const QPoint& point) const {
    if (g_bPanView == 1 || point.y() < kStripHeight)
        return std::nullopt;
    const std::optional<LevelGeography> level = CurrentLevelGeography();
    if (!level)
        return std::nullopt;
    const QPoint pixel = ShownBufferPixel(point) - QPoint(0, kBandHeight);
    return LevelPosition(*level, double(g_nTbX) * g_nTileWidth + pixel.x(),
                         double(g_nTbY) * g_nTileHeight + pixel.y());
}
