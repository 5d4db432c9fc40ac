#pragma once

#include <QString>

// Tile counts and first-tile facts of a level, taken from its level source. Counts are found by a halving
// search over the tile names and are at most 512 in each direction.

// Columns and rows of the current level (g_szAtlasFolder); 0 when it has no first tile.
int CountTileColumns();
int CountTileRows();

// The same facts for any level folder, for tools that work on a folder of their own.
class CTileCount {
public:
    int CountTileColumns(const QString& levelFolder) const;
    int CountTileRows(const QString& levelFolder) const;
    // The first tile's width, height and the bits per pixel its file stores; 0 when it cannot be decoded.
    int GetTileWidth(const QString& levelFolder) const;
    int GetTileHeight(const QString& levelFolder) const;
    int GetTileBitDepth(const QString& levelFolder) const;
};
