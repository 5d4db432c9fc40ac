#pragma once

#include <QString>
#include <QtGlobal>
#include <optional>

// The two-digit zoom that ends a level folder's name: "05" for 5, "12" for 12.
QString ZoomSuffix(quint32 zoom);

// Finds the level folder for g_nZoom under the atlas folder and leaves its path (no trailing '/') in
// g_szAtlasFolder. When no entry ends in the zoom, g_szAtlasFolder holds the search pattern "<atlas>/*<zz>",
// which names no folder. Nothing, with g_szAtlasFolder empty, when no atlas folder is set. Both look-ups
// look in the layers of an atlas root (atlas_root.h) when the atlas folder itself holds no level for the
// zoom.
std::optional<QString> GetLevelFolder();

// The level folder for g_nZoom, kept in g_wszLevelFolder, for printing and pan images. Tells the user when
// the settings store cannot be created or opened; nothing when no entry ends in the zoom.
std::optional<QString> FindLevelFolder();

// Resets the level state (tile size 256 x 256, position (0, 0)), finds the level folder and takes the tile
// size from the level's first tile.
void LoadLevel();
