#pragma once

#include "platform/safe_file.h"

#include <QSize>
#include <QString>
#include <memory>
#include <optional>

// How a level names its tiles: "<prefix><px>_<py><extension>", as its first tile's name shows.
struct TileNaming {
    QString prefix;
    QString extension;

    // The name of the tile whose top-left corner lies at pixel (px, py) of the level image.
    QString Name(qint64 px, qint64 py) const;
};

// The naming that a first tile's name gives: the text before its first "0_0." and the text from that "."
// on ("t_0_0.jpg": "t_" and ".jpg").
TileNaming SplitFirstTileName(const QString& name);

// The naming of a level and the size of its tiles, as its first "*_0_0.*" tile gives them.
struct TileLayout {
    TileNaming naming;
    // The first tile's size; 256 x 256 when it cannot be read.
    QSize tile{256, 256};
    bool tileReadable = false;
};

// What a level's first tile shows the user; all 0 when it cannot be decoded.
struct FirstTileFacts {
    int width = 0;
    int height = 0;
    // The file's own bits per pixel, not those of the decoded image.
    int depth = 0;
};

// Where the tiles and the calibration file of one level come from. Each kind of level answers a few
// questions about its names and hands out their bytes; how tiles are named, found and counted is written
// once, below, for every kind. Every call reads afresh, so a change shows at the next one, and may come from
// any thread: the pan maker asks from its pool.
class LevelSource {
public:
    explicit LevelSource(QString folder) : m_folder(std::move(folder)) {}
    virtual ~LevelSource() = default;
    LevelSource(const LevelSource&) = delete;
    LevelSource& operator=(const LevelSource&) = delete;

    // The level folder.
    const QString& Folder() const { return m_folder; }

    // The level's overview image, a file in the level folder whatever kind the level is.
    QString PanImagePath() const;

    // The first tile name matching the wildcard `pattern`, in the order the level lists its tiles.
    virtual std::optional<QString> FindTile(const QString& pattern) const = 0;
    // The first tile name holding "_<px>_<py>." (px and py at least 0): what FindTile("*_<px>_<py>.*")
    // finds, answered from an index.
    virtual std::optional<QString> FindTileAt(qint64 px, qint64 py) const = 0;
    // Whether the tile named exactly `name` exists.
    virtual bool HasTile(const QString& name) const = 0;
    // The bytes of the tile `name`, for the safe read; nothing when the level cannot have it.
    virtual std::optional<FileRange> TileFile(const QString& name) const = 0;
    // The name of the level's calibration file, the first "*.map", and its bytes.
    virtual std::optional<QString> CalibrationName() const = 0;
    virtual std::optional<FileRange> CalibrationFile() const = 0;

    // The first tile ("*0_0.*"), which gives the level's tile size.
    std::optional<FileRange> FirstTile() const;
    // Size and depth of that tile, decoded under the safe-read rules.
    FirstTileFacts ReadFirstTileFacts() const;
    // The naming and tile size for counts and pan images; nothing without a "*_0_0.*" tile.
    std::optional<TileLayout> Layout() const;

    // Tile columns and rows: a halving search over the tile names, at most 512; 0 without a layout.
    int CountColumns() const;
    int CountRows() const;
    int Count(const TileLayout& layout, bool columns) const;

    // The tile whose top-left corner lies at pixel (px, py), found as "*_<px>_<py>.*".
    std::optional<FileRange> TileAt(qint64 px, qint64 py) const;

private:
    QString m_folder;
};

// The source of the level in `levelFolder`, of the kind that folder holds.
std::unique_ptr<LevelSource> OpenLevelSource(const QString& levelFolder);
