#pragma once

#include <QSize>
#include <optional>

// Removes the empty tile files that failed downloads left in the cache, so that their tiles are fetched
// again.
class CClean {
public:
    // Deletes the 0-byte cache files of the current zoom in the area a map window of `mapWindow` pixels
    // shows, one column and one row beyond the renderer's grid, from (g_nOsmX, g_nOsmY). Without a map window
    // the user is told to switch to the OSM map; without a cache folder nothing is deleted.
    void RemoveZeroSizeTiles(const std::optional<QSize>& mapWindow);
};
