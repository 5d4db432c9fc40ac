#pragma once

#include <QString>
#include <optional>

// Tile counts and first-tile facts of a level folder (its tiles lie in "<level>/set"). Counts are found by a
// halving search over the tile names and are at most 512 in each direction.

// The path of the level's first tile ("*0_0.*" in its set folder), if there is one.
std::optional<QString> FirstTilePath(const QString& levelFolder);

// The halving count over tiles named <prefix><px>_<py><extension> in `setFolder`, `unit` pixels apart: the
// columns when `columns`, else the rows. Probes single names, so a huge folder is never listed whole.
int CountNamedTiles(const QString& setFolder, const QString& prefix, const QString& extension, int unit,
                    bool columns);

// Columns and rows of the current level (g_szAtlasFolder); 0 when it has no first tile.
int CountTileColumns();
int CountTileRows();

// The same facts for any level folder, for tools that work on a folder of their own.
class CTileCount {
public:
    int CountTileColumns(const QString& levelFolder) const;
    int CountTileRows(const QString& levelFolder) const;
    int GetTileWidth(const QString& levelFolder) const;
    int GetTileHeight(const QString& levelFolder) const;
    int GetTileBitDepth(const QString& levelFolder) const;
};
