#include "app/command_table.h"

#include "app/command_ids.h"

#include <QHash>

namespace {

const QString kFile = QStringLiteral("&File");
const QString kEdit = QStringLiteral("&Edit");
const QString kView = QStringLiteral("&View");
const QString kMap = QStringLiteral("Map");
const QString kHelp = QStringLiteral("&Help");
const QString kTrekbuddy = QStringLiteral("Trekbuddy");
const QString kOsm = QStringLiteral("OSM");

QKeySequence Key(const char* text) {
    return QKeySequence(QString::fromLatin1(text));
}

const QHash<int, QString>& Prompts() {
    static const QHash<int, QString> prompts = {
        {ID_TREKBUDDY_DEFAULTATLASFOLDER,
         QStringLiteral("Set the folder to use for cached OSM map tiles or pre downloaded Trekbuddy tiles.")},
        {ID_TREKBUDDY_MAKEPANFILES,
         QStringLiteral("Make a Trekbuddy pan file for quickly moving around the map.")},
        {ID_TREKBUDDY_PRINT, QStringLiteral("Print a Trekbuddy map.")},
        {ID_VIEW_MAPTYPE7TREKBUDDY, QStringLiteral("Start viewing a Trekbuddy map.")},
        {ID_VIEW_MAPTYPE6OSM, QStringLiteral("Start viewing a OSM map.")},
        {ID_VIEW_REFRESH, QStringLiteral("Redraw the map.")},
        {ID_OSM_SETOSMSOURCE, QStringLiteral("Choose a OSM web tile server to use.")},
        {ID_TREKBUDDY_PRINT3,
         QStringLiteral(
             "Print a Trekbuddy map, same as the other menu but running from a different part of this app.")},
        {ID_OSM_PRINT, QStringLiteral("Print a OSM map.")},
        {ID_VIEW_SETOSMZOOMLEVEL, QStringLiteral("Change the zoom level for the Type6 OSM map")},
        {ID_EDIT_PASTE, QStringLiteral("Insert Clipboard contents - Paste - not coded yet.")},
        {ID_TOOLBAR_OSMZOOM, QStringLiteral("Opens a dialog to allow the OSM view zoom to be set.")},
        {ID_OSM_RESETPOSITION, QStringLiteral("Reset the OSM Zoom and X Y to defaults.")},
        {ID_OSM_CLEANTILES, QStringLiteral("Deletes any zero sized map tiles in the current map view.")},
        {ID_HELP_USERGUIDE, QStringLiteral("Open the user guide in the web browser.")},
    };
    return prompts;
}

MenuItem Item(const QString& menu, const char* text, int id, QList<QKeySequence> keys = {}) {
    return {menu, QString::fromUtf8(text), id, std::move(keys), CommandPrompt(id)};
}

} // namespace

const std::vector<MenuItem>& MenuItems() {
    static const std::vector<MenuItem> items = {
        Item(kFile, "&New\tCtrl+N", ID_FILE_NEW, {Key("Ctrl+N")}),
        Item(kFile, "&Open...\tCtrl+O", ID_FILE_OPEN, {Key("Ctrl+O")}),
        Item(kFile, "&Save\tCtrl+S", ID_FILE_SAVE, {Key("Ctrl+S")}),
        Item(kFile, "Save &As...", ID_FILE_SAVE_AS),
        Item(kFile, "", 0),
        Item(kFile, "&Print...\tCtrl+P", ID_FILE_PRINT, {Key("Ctrl+P")}),
        Item(kFile, "Print Pre&view", ID_FILE_PRINT_PREVIEW),
        Item(kFile, "P&rint Setup...", ID_FILE_PRINT_SETUP),
        Item(kFile, "", 0),
        Item(kFile, "Recent File", ID_FILE_MRU_FILE1),
        Item(kFile, "", 0),
        Item(kFile, "E&xit", ID_APP_EXIT),
        Item(kEdit, "&Undo\tCtrl+Z", ID_EDIT_UNDO, {Key("Ctrl+Z"), Key("Alt+Backspace")}),
        Item(kEdit, "", 0),
        Item(kEdit, "Cu&t\tCtrl+X", ID_EDIT_CUT, {Key("Ctrl+X"), Key("Shift+Del")}),
        Item(kEdit, "&Copy\tCtrl+C", ID_EDIT_COPY, {Key("Ctrl+C"), Key("Ctrl+Ins")}),
        Item(kEdit, "&Paste\tCtrl+V", ID_EDIT_PASTE, {Key("Ctrl+V"), Key("Shift+Ins")}),
        Item(kView, "&Toolbars and Docking Windows", ID_VIEW_TOOLBAR),
        Item(kView, "&Status Bar", ID_VIEW_STATUS_BAR),
        Item(kView, "Map type &7 Trekbuddy", ID_VIEW_MAPTYPE7TREKBUDDY),
        Item(kView, "Map type &6 OSM", ID_VIEW_MAPTYPE6OSM),
        Item(kView, "Refresh", ID_VIEW_REFRESH),
        Item(kView, "Set OSM &zoom level", ID_VIEW_SETOSMZOOMLEVEL),
        Item(kMap, "&Start position", ID_MAP_STARTPOSITION),
        Item(kMap, "&Get screen map", ID_MAP_GETSCREENMAP),
        Item(kHelp, "&User guide\tF1", ID_HELP_USERGUIDE, {Key("F1")}),
        Item(kHelp, "&About Tarnwell...", ID_APP_ABOUT),
        Item(kTrekbuddy, "&Default atlas folder", ID_TREKBUDDY_DEFAULTATLASFOLDER),
        Item(kTrekbuddy, "&Make pan files", ID_TREKBUDDY_MAKEPANFILES),
        Item(kTrekbuddy, "&Print", ID_TREKBUDDY_PRINT),
        Item(kTrekbuddy, "Print3", ID_TREKBUDDY_PRINT3),
        Item(kOsm, "&Set OSM Source", ID_OSM_SETOSMSOURCE),
        Item(kOsm, "&Print", ID_OSM_PRINT),
    };
    return items;
}

const QList<QString>& MenuTitles() {
    static const QList<QString> titles = {kFile, kEdit, kView, kMap, kHelp, kTrekbuddy, kOsm};
    return titles;
}

const QList<int>& ToolbarButtons() {
    static const QList<int> buttons = {ID_FILE_NEW,
                                       ID_FILE_OPEN,
                                       ID_FILE_SAVE,
                                       0,
                                       ID_EDIT_CUT,
                                       ID_EDIT_COPY,
                                       0,
                                       ID_EDIT_PASTE,
                                       0,
                                       ID_FILE_PRINT,
                                       ID_APP_ABOUT,
                                       ID_TOOLBAR_OSMZOOM,
                                       ID_OSM_RESETPOSITION,
                                       ID_OSM_CLEANTILES};
    return buttons;
}

QString CommandPrompt(int id) {
    return Prompts().value(id);
}

QString MenuLabel(const QString& text) {
    return text.section(QLatin1Char('\t'), 0, 0);
}
