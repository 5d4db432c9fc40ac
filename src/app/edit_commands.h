#pragma once

// The Edit commands, reached from the menu, the toolbar, their keys and the view's context menu.

// Edit > Copy: the OSM map of the current position to new.bmp and the clipboard, then the confirmation.
void OnEditCopy();

// Edit > Cut: as Copy, and the tiles it drew are deleted from the cache and the view is drawn afresh.
void OnEditCut();
