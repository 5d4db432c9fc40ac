#pragma once

#include <QtGlobal>

// One OSM zoom step in or out; the position doubles or halves so the view stays over the same ground.
// Both store the resulting zoom as "AtlasZoom" and return it.
quint32 OsmZoomIn();
quint32 OsmZoomOut();

// The doubling and halving of one level, shared with the zoom dialog. DoubleOsmPosition refuses (returns
// false, changes nothing) when a column or row would leave the 32-bit range.
bool DoubleOsmPosition();
void HalveOsmPosition();

// Moves g_nZoom to `target`, doubling the OSM position once per level in and halving it once per level out.
// Stops at the last level whose position still fits in 32 bits. Stores nothing: the zoom dialog's choice.
void MoveOsmToZoom(quint32 target);

// The OSM map's default place: zoom 12 over column 2032, row 1362.
void ResetOsmPosition();
