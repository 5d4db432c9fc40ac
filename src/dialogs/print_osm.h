#pragma once

#include "dialogs/map_print_dialog.h"

// Prints the OSM map: tiles from the cache, none downloaded.
class CPrintOSM : public CMapPrintDialog {
    Q_OBJECT
public:
    explicit CPrintOSM(QWidget* parent = nullptr);

protected:
    TileSource Tiles() const override;
};
