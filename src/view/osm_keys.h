#pragma once

// The OSM map's key table: moves, Home and the keypad zoom steps. Returns whether `key` is in the table
// (every key in it repaints, with or without the map object); `keypad` tells the keypad's + and - from the
// main ones.
bool OnOsmKey(int key, bool keypad);
