#pragma once

#include <QString>
#include <QStringList>
#include <atomic>
#include <functional>

// The cell of one tile in a pan image: the pan view turns a click into a tile by dividing by it.
inline constexpr int kPanCell = 80;

// A run reports positions from 1 to 399 of this range as it goes.
inline constexpr int kPanProgressRange = 400;
using PanProgress = std::function<void(int position)>;

// Makes "<levelFolder>/pan.jpg": every tile of the level shrunk into its 80 x 80 cell in column and row
// order, the first 400 columns and rows drawn, cells of missing tiles black. The image is made one tile row
// at a time on every core and replaces the old pan.jpg only once it is complete. May run on any thread: it
// touches no widget, reports through `progress` (called on the running thread) and gives back the
// messages for the user, oldest first. A run whose `stop` turns true ends early, leaving pan.jpg as it was.
QStringList MakePanImage(const QString& levelFolder, const PanProgress& progress,
                         const std::atomic_bool& stop = std::atomic_bool{false});
