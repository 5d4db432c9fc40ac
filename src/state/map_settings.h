#pragma once

#include <QString>
#include <QtGlobal>
#include <optional>

// The stored settings as the map state takes them: the zoom and the OSM cache folder.

// Reads the stored zoom into g_nZoom: the low byte of "AtlasZoom", sign-extended. Returns the new g_nZoom, or
// 0 with g_nZoom untouched when nothing can be read.
quint32 ReadAtlasZoom();

// Refreshes g_szAtlasFolder from "AtlasFolder" as the OSM cache folder (with a trailing '/') and returns it.
// Nothing, with g_szAtlasFolder empty, when the folder is unset: a missing key, a missing value and an empty
// value alike, so that the cache never silently becomes the root of the file system.
std::optional<QString> GetAtlasFolder();
