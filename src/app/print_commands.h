#pragma once

// The commands that open the print dialog. The map behind the dialog draws nothing while it is up and the
// map of the command's kind is shown when it closes.

// Trekbuddy > Print and Trekbuddy > Print3: prints the Trekbuddy level from the tile at the view's top-left.
void OnTrekbuddyPrint();

// OSM > Print: prints the OSM map from the tile at the view's origin, with cached tiles only.
void OnOsmPrint();
