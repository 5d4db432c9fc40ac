#include "dialogs/print_osm.h"

CPrintOSM::CPrintOSM(QWidget* parent) : CMapPrintDialog(parent) {}

TileSource CPrintOSM::Tiles() const {
    return OsmTiles(m_nFirstCol, m_nFirstRow);
}
