#include "osm/osm_view.h"

void COsmView::DrawOsmMap(QPainter&, const QRect&) {}
