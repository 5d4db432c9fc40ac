#pragma once

#include <QPoint>
#include <QSize>
#include <QString>
#include <QtGlobal>

// Addressing of the OSM tile pyramid. Tile numbers are used as they are: negative ones and ones beyond the
// edge of the world go into names and URLs unchanged.

// The cache file of a tile: the cache folder g_szAtlasFolder followed by "<z>-<x>-<y>.png".
QString TilePath(qint32 z, qint32 x, qint32 y);

// The tile's URL on the current server: g_wszOsmUrl followed by "<z>/<x>/<y>.png".
QString TileUrl(qint32 z, qint32 x, qint32 y);

// The columns and rows of whole and part tiles that cover a surface: width / 256 + 1 by height / 256 + 1.
QSize TileGrid(const QSize& surface);

// Where the top-left corner of tile (x, y) lies on the surface, given the view position and the cell size.
QPoint TilePlacement(qint32 x, qint32 y);
