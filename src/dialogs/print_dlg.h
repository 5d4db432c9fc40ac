#pragma once

#include "dialogs/print_dialog.h"

// Prints the Trekbuddy level: tiles from the level's "set" folder, named by their pixel position.
class CPrintDlg : public CMapPrintDialog {
    Q_OBJECT
public:
    explicit CPrintDlg(QWidget* parent = nullptr);

protected:
    TileSource Tiles() const override;
};

// Prints the OSM map: tiles from the cache, none downloaded.
class CPrintOSM : public CMapPrintDialog {
    Q_OBJECT
public:
    explicit CPrintOSM(QWidget* parent = nullptr);

protected:
    TileSource Tiles() const override;
};
