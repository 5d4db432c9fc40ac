#include "atlas/screen_moves.h"

int CentreAtlas() { return 0; }
int AtlasPageUp() { return 0; }
int AtlasPageDown() { return 0; }
