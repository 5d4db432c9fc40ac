#include "app/print_commands.h"

#include "atlas/level_folder.h"
#include "dialogs/print_dlg.h"
#include "dialogs/print_osm.h"
#include "state/map_state.h"
#include "view/invalidate.h"

#include <QWidget>

namespace {

void RunPrintDialog(CMapPrintDialog& dialog, quint32 afterwards) {
    FindLevelFolder();
    g_nMapType = kMapTypeDialog;
    dialog.exec();
    g_nMapType = afterwards;
    InvalidateMapWindow();
}

QWidget* DialogParent() {
    return g_pMapWnd ? g_pMapWnd->window() : nullptr;
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
