#include "draw/map_band.h"

#include "draw/button_strip.h"
#include "draw/map_font.h"
#include "draw/map_text.h"
#include "draw/status_text.h"
#include "state/map_state.h"

void DrawMapBand(QPainter& painter, const QPaintDevice& device, qint32 x, qint32 y) {
    DrawMapText(painter, QPoint(80, 0), QString::number(g_nZoom), MapFont(device, 3, 6));
    DrawButtonStrip(painter);
    DrawMapText(painter, QPoint(410, 8), TileStatusText(x, y, g_fTbLat, g_fTbLon), MapFont(device, 6, 12));
}
