#include "atlas/atlas_click.h"

void OnAtlasClick(CTarnwellView*, const QPoint&) {}
