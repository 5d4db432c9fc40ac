#pragma once

// One-tile moves of the Trekbuddy map, shared by the keys and the button strip. Left and up stop at tile 0
// and then leave g_bMoved alone; right and down have no end but the range of the number itself.
void MoveAtlasLeft();
void MoveAtlasUp();
void MoveAtlasRight();
void MoveAtlasDown();
