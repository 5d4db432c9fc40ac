#pragma once

#include <QString>
#include <QtGlobal>

struct GeoPosition;

// The status line of both maps: "Tile  X <x>, Y <y>, <lat>   <lon>", the coordinates with six decimals.
// A coordinate that is not a finite number reads "nan", "inf" or "-inf".
QString TileStatusText(qint32 x, qint32 y, float lat, float lon);

// A place as the status bar shows it: "52.51234 N  1.23456 W", five decimals, hemisphere letters.
QString PositionText(const GeoPosition& position);
