#include "atlas/level_steps.h"

#include "state/map_state.h"

quint32 AtlasZoomIn() { return g_nZoom; }
quint32 AtlasZoomOut() { return g_nZoom; }
int RepositionAfterLevelStep() { return -1; }
