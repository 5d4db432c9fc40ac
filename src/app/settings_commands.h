#pragma once

// The application's commands that open the settings dialogs.

// Trekbuddy > Default atlas folder: the atlas folder dialog, then the Trekbuddy map whatever the outcome.
void OnTrekbuddyDefaultatlasfolder();

// View > Set OSM zoom level (and its toolbar button): the zoom dialog for the OSM map, which is shown
// afterwards. Coming from another map, the OSM map starts again from its default position.
void OnViewSetosmzoomlevel();

// Trekbuddy > Make pan files: the pan image dialog for the current level, then the Trekbuddy map.
void OnTrekbuddyMakepanfiles();

// Help > About Tarnwell.
void OnAppAbout();

// OSM > Set OSM Source: the tile-server dialog; the OSM map is shown afterwards, at the position it had.
void OnOsmSetosmsource();
