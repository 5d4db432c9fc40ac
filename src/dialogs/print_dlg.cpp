#include "dialogs/print_dlg.h"

CPrintDlg::CPrintDlg(QWidget* parent) : CMapPrintDialog(parent) {}

TileSource CPrintDlg::Tiles() const {
    return TrekbuddyTiles(m_nFirstCol, m_nFirstRow, m_nTileWidth, m_nTileHeight);
}
