#pragma once

// Repaints of the map window for code that has no view of its own at hand.

// Invalidates the whole view (g_pView); with `erase` it is cleared to black first.
void InvalidateView(bool erase = false);

// Invalidates the map window (g_pMapWnd) without erasing.
void InvalidateMapWindow();
