#pragma once

// Screen moves of the Trekbuddy map. Each sets g_bMoved and returns 0; the caller repaints.
int CentreAtlas();
int AtlasPageUp();
int AtlasPageDown();
