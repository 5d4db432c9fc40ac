#pragma once

#include <QString>
#include <QtGlobal>

// The status line of both maps: "Tile  X <x>, Y <y>, <lat>   <lon>", the coordinates with six decimals.
// A coordinate that is not a finite number reads "nan", "inf" or "-inf".
QString TileStatusText(qint32 x, qint32 y, float lat, float lon);
