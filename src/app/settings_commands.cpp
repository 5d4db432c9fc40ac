#include "app/settings_commands.h"

#include "dialogs/about_dialog.h"
#include "dialogs/atlas_folder_dialog.h"
#include "dialogs/atlas_zoom_dialog.h"
#include "dialogs/osm_source_dialog.h"
#include "state/map_state.h"
#include "state/osm_zoom_steps.h"
#include "view/invalidate.h"

#include <QWidget>

namespace {

QWidget* DialogParent() {
    return g_pMapWnd ? g_pMapWnd->window() : nullptr;
}

// Runs a settings dialog with the view drawing nothing behind it, then shows the map `afterwards`.
template <typename Dialog> void RunBehindMap(quint32 afterwards) {
    g_nMapType = kMapTypeDialog;
    Dialog dialog(DialogParent());
    dialog.exec();
    g_nMapType = afterwards;
    InvalidateMapWindow();
}

} // namespace

void OnTrekbuddyDefaultatlasfolder() {
    RunBehindMap<CAtlasFolder>(kMapTypeTrekbuddy);
}

void OnViewSetosmzoomlevel() {
    if (g_nMapType != kMapTypeOsm)
        ResetOsmPosition();
    RunBehindMap<CAtlasZoom>(kMapTypeOsm);
}

void OnOsmSetosmsource() {
    RunBehindMap<COSMSource>(kMapTypeOsm);
}

void OnAppAbout() {
    CAboutDlg dialog(DialogParent());
    dialog.exec();
}
