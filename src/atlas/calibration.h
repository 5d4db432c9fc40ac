#pragma once

// Reads the corner points of the current level's calibration file ("<level>/*.map") into g_fPt1Lat ..
// g_fPt4Lon and recomputes g_fTbLat, g_fTbLon for the current tile position. Returns 0, or -1 when the level
// has no calibration file or it cannot be opened (then nothing changes).
int ReadCalibration();
