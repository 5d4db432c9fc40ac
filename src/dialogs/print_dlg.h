#pragma once

#include "dialogs/map_print_dialog.h"

// Prints the Trekbuddy level: tiles from the level's "set" folder, named by their pixel position.
class CPrintDlg : public CMapPrintDialog {
    Q_OBJECT
public:
    explicit CPrintDlg(QWidget* parent = nullptr);

protected:
    TileSource Tiles() const override;
};
