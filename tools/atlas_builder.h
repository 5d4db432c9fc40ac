#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>
#include <vector>

// Builds Trekbuddy atlases of synthetic map pictures (no real map data): level folders with "set" tiles that
// show their column and row, a calibration file per level, optionally a pan.jpg overview.
namespace AtlasBuilder {

struct Level {
    QString folderName; // e.g. "12" or "Sample 13"
    int columns = 1;
    int rows = 1;
    QSize tileSize{256, 256};
    QString prefix = QStringLiteral("t_");
    QString extension = QStringLiteral("jpg");
    bool calibration = true;
    bool pan = false;
};

// Corner coordinates written into every level's calibration file: the levels cover the same ground.
struct Corners {
    double north = 51.55;
    double south = 51.40;
    double west = 1.25; // degrees west of Greenwich
    double east = 0.95;
};

// Writes the tiles of one level; false when a file could not be written.
bool WriteLevel(const QString& atlasFolder, const Level& level, const Corners& corners = {});

// Fills "<levelFolder>/set" with `columns` x `rows` tiles named t_<px>_<py>.<extension> that are hard links
// to the pictures in `pictures` (used in turn), so that a level of many thousand tiles takes little disk
// space and time. False when a file could not be written.
bool WriteLinkedLevel(const QString& levelFolder, int columns, int rows, const std::vector<QImage>& pictures,
                      const QString& extension = QStringLiteral("jpg"));

// Packs the level in `levelFolder` as atlas makers do: its calibration files and the tiles of its set folder,
// by name, go into "<levelFolder>/<folder name>.tar", with the ".tmi" index of their header blocks beside it
// when `tmi`; the set folder and the calibration files are removed. False when a file could not be read or
// written.
bool TarLevel(const QString& levelFolder, bool tmi);

// The calibration file text of a level with the given corners.
QString CalibrationText(const QString& imageName, int width, int height, const Corners& corners);

// One 256 x 256 tile of the synthetic landscape spread over `columns` x `rows` tiles: areas, a river, roads
// and a label, as real map tiles have.
QImage LandscapeTile(int column, int row, int columns, int rows);

// The three levels of the bundled sample atlas: "Sample 11", "12" and "Sample 13".
std::vector<Level> SampleLevels();

} // namespace AtlasBuilder
