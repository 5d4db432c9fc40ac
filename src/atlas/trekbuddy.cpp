#include "atlas/trekbuddy.h"

void CTrekbuddy::DrawAtlas(QPainter&, const QRect&) {}
