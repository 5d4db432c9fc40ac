#include "dialogs/print_osm.h"

#include "osm/tile_servers.h"
#include "state/map_state.h"

CPrintOSM::CPrintOSM(QWidget* parent) : CMapPrintDialog(parent) {}

TileSource CPrintOSM::Tiles() const {
    return OsmTiles(m_nFirstCol, m_nFirstRow);
}

QString CPrintOSM::Attribution() const {
    return TileServerAttribution(g_wszOsmUrl);
}
