#include "app/settings_commands.h"

#include "atlas/level_folder.h"
#include "dialogs/about_dialog.h"
#include "dialogs/atlas_folder_dialog.h"
#include "dialogs/atlas_zoom_dialog.h"
#include "dialogs/make_pan_dialog.h"
#include "dialogs/osm_source_dialog.h"
#include "platform/message_box.h"
#include "state/map_state.h"
#include "state/osm_zoom_steps.h"
#include "view/behind_map.h"

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

void OnTrekbuddyMakepanfiles() {
    BehindMap(kMapTypeTrekbuddy, [] {
        const std::optional<QString> folder = FindLevelFolder();
        if (!folder) {
            ShowMessage(
                QStringLiteral("OnTrekbuddyMakepanfiles:\nUnable to get the map folder name.\n\nAre the map "
                               "folder and zoom level set?\nTry setting the default atlas folder and the "
                               "zoom."));
            return;
        }
        CDialogMakePanFile dialog(*folder, DialogParent());
        dialog.exec();
    });
}

void OnAppAbout() {
    CAboutDlg dialog(DialogParent());
    dialog.exec();
}
