#include "app/print_commands.h"

#include "atlas/level_folder.h"
#include "dialogs/print_dlg.h"
#include "dialogs/print_osm.h"
#include "state/map_state.h"
#include "view/behind_map.h"

namespace {

void RunPrintDialog(CMapPrintDialog& dialog, quint32 afterwards) {
    FindLevelFolder();
    BehindMap(afterwards, [&dialog] { dialog.exec(); });
}

} // namespace

void OnTrekbuddyPrint() {
    CPrintDlg dialog(DialogParent());
    if (g_pTrekbuddy) {
        dialog.m_nFirstCol = g_nTbX;
        dialog.m_nFirstRow = g_nTbY;
        dialog.m_nTileWidth = g_nTileWidth;
        dialog.m_nTileHeight = g_nTileHeight;
    }
    RunPrintDialog(dialog, kMapTypeTrekbuddy);
}

void OnOsmPrint() {
    CPrintOSM dialog(DialogParent());
    if (g_pOsmView) {
        dialog.m_nFirstCol = g_nOsmX;
        dialog.m_nFirstRow = g_nOsmY;
    }
    RunPrintDialog(dialog, kMapTypeOsm);
}
