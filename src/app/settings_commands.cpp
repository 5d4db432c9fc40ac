#include "app/settings_commands.h"

#include "dialogs/about_dialog.h"
#include "dialogs/atlas_folder_dialog.h"
#include "dialogs/atlas_zoom_dialog.h"
#include "state/map_state.h"
#include "view/invalidate.h"

#include <QWidget>

namespace {

QWidget* DialogParent() {
    return g_pMapWnd ? g_pMapWnd->window() : nullptr;
}

} // namespace

void OnTrekbuddyDefaultatlasfolder() {
    g_nMapType = kMapTypeDialog;
    CAtlasFolder dialog(DialogParent());
    dialog.exec();
    g_nMapType = kMapTypeTrekbuddy;
    InvalidateMapWindow();
}

void OnViewSetosmzoomlevel() {
    if (g_nMapType != kMapTypeOsm) {
        g_nZoom = kOsmDefaultZoom;
        g_nOsmX = kOsmDefaultX;
        g_nOsmY = kOsmDefaultY;
    }
    g_nMapType = kMapTypeDialog;
    CAtlasZoom dialog(DialogParent());
    dialog.exec();
    g_nMapType = kMapTypeOsm;
    InvalidateMapWindow();
}

void OnAppAbout() {
    CAboutDlg dialog(DialogParent());
    dialog.exec();
}
