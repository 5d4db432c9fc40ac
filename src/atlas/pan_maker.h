#pragma once

#include "atlas/level_source.h"

#include <QString>
#include <QStringList>
#include <atomic>
#include <functional>

// The cell of one tile in a pan image: the pan view turns a click into a tile by dividing by it.
inline constexpr int kPanCell = 80;

// A run reports positions from 1 to 399 of this range as it goes.
inline constexpr int kPanProgressRange = 400;
using PanProgress = std::function<void(int position)>;

// A level as a pan image run needs to know it, looked at before the run starts.
struct PanLevel {
    // Null when no image can be made.
    std::shared_ptr<const LevelSource> source;
    // Nothing when the level has no "*_0_0.*" tile.
    std::optional<TileLayout> layout;
    // What the user must hear before the image is made, each a message with the stop icon.
    QStringList warnings;
};

// Looks at the level in `levelFolder`: its tile naming and size, and the warnings due for it.
PanLevel LookAtPanLevel(const QString& levelFolder);

// Makes the level's pan.jpg: every tile shrunk into its 80 x 80 cell in column and row order, the first 400
// columns and rows drawn, cells of missing tiles black. The image is made one tile row at a time on every
// core and replaces the old pan.jpg only once it is complete. May run on any thread: it touches no widget,
// reports through `progress` (called on the running thread) and gives back the messages for the user,
// oldest first. A run whose `stop` turns true ends early, leaving pan.jpg as it was.
QStringList MakePanImage(const PanLevel& level, const PanProgress& progress,
                         const std::atomic_bool& stop = std::atomic_bool{false});
