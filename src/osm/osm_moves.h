#pragma once

// One-tile moves of the OSM map, shared by its keys and its button strip. Tile numbers have no limit but
// their own 32-bit range.

// West: g_nOsmX - 1; counts as a move (g_bMoved) only while the Trekbuddy offset g_nTbX is positive.
void OsmMoveLeft();
// North: g_nOsmY - 1, g_bMoved unchanged.
void OsmMoveUp();
// South: g_nOsmY + 1 and g_bMoved.
void OsmMoveDown();
// East: g_nOsmX + 1 and g_bMoved.
void OsmMoveRight();
