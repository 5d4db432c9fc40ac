#pragma once

#include "output/page_geometry.h"
#include "platform/safe_file.h"

#include <QString>
#include <QtGlobal>
#include <functional>
#include <optional>

class QPainter;

// The tile of grid column c and row r (counted from 0 at the grid's top-left), or nothing.
using TileSource = std::function<std::optional<FileRange>(int c, int r)>;

// Trekbuddy tiles from level column firstCol and row firstRow on, looked up by their pixel position in the
// level of the level folder g_szAtlasFolder.
TileSource TrekbuddyTiles(qint32 firstCol, qint32 firstRow, qint32 tileWidth, qint32 tileHeight);

// OSM tiles of zoom g_nZoom from column firstCol and row firstRow on, taken from the cache only.
TileSource OsmTiles(qint32 firstCol, qint32 firstRow);

// Draws the grid's tiles, each stretched over its cell, into `target`; a missing or broken tile leaves its
// cell as it was. Columns starting beyond the image are skipped and a column ends at the first row starting
// below it. `column`, when given, hears of each column as it is started (the print job's progress).
void DrawTileGrid(QPainter& target, const GridGeometry& grid, const TileSource& tiles,
                  const std::function<void(int column)>& column = {});
