#pragma once

#include <QtGlobal>

// Pulls a tile position back into a level of `count` columns or rows: a position past the count goes to
// count - 3, so that the last three tiles show at the window's edge; below 0 it goes to 0.
qint32 ClampTilePosition(qint64 position, int count);

// A tile position worked out in floats, as an int without undefined behaviour: odd calibrations (infinite or
// not-a-number corners, spans near zero) give values no int can hold; they become tile 0 or the nearest int.
qint32 TruncateToTile(float value);
