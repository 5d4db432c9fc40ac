#pragma once

// Position moves of the Trekbuddy map, shared by the keys and the button strip; the caller repaints.

// One tile. Left and up stop at tile 0 and then leave g_bMoved alone; right and down have no end but the
// range of the number itself.
void MoveAtlasLeft();
void MoveAtlasUp();
void MoveAtlasRight();
void MoveAtlasDown();

// Whole screens. Each sets g_bMoved and returns 0. A page is as many rows as `clientHeight` holds.
int CentreAtlas();
int AtlasPageUp(int clientHeight);
int AtlasPageDown(int clientHeight);

// The last tiles of the level: three columns and rows from its end, or tile 0 on a smaller level.
void MoveAtlasToEnd();
