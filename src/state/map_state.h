#pragma once

#include <QString>
#include <QtGlobal>
#include <atomic>

class CTarnwellView;
class COsmView;
class CTrekbuddy;
class QWidget;

// The process-wide map state. Every part of the program reads and writes these directly; they are touched on
// the user-interface thread only.

// Values of g_nMapType.
inline constexpr quint32 kMapTypeDialog = 5;
inline constexpr quint32 kMapTypeOsm = 6;
inline constexpr quint32 kMapTypeTrekbuddy = 7;

// The OSM default position.
inline constexpr quint32 kOsmDefaultZoom = 12;
inline constexpr qint32 kOsmDefaultX = 2032;
inline constexpr qint32 kOsmDefaultY = 1362;

// Map selection and position.
extern quint32 g_nMapType;
extern quint32 g_nZoom;
extern qint32 g_nOsmX;
extern qint32 g_nOsmY;
extern qint32 g_nTbX;
extern qint32 g_nTbY;
extern qint32 g_nTileWidth;
extern qint32 g_nTileHeight;
extern qint32 g_nTbPrevX;
extern qint32 g_nTbPrevY;
extern qint32 g_bPanView;
extern qint32 g_bMoved;
extern qint32 g_bOsmRepaint;

// Bytes written to the cache file of the tile being downloaded; the download thread writes it.
extern std::atomic<quint64> g_nBytesDownloaded;

// Paths and URLs, whole Unicode strings.
extern QString g_szAtlasFolder;  // the OSM cache folder with a trailing '/', or the current level folder
extern QString g_wszOsmServer;   // base URL chosen in the tile-server dialog
extern QString g_wszOsmUrl;      // base URL the OSM renderer downloads from
extern QString g_wszLevelFolder; // FindLevelFolder's result, for printing and pan images

// Calibration of the current level and the position derived from it.
extern float g_fPt1Lat, g_fPt1Lon;
extern float g_fPt2Lat, g_fPt2Lon;
extern float g_fPt3Lat, g_fPt3Lon;
extern float g_fPt4Lat, g_fPt4Lon;
extern float g_fTbLat, g_fTbLon;
extern qint32 g_nTbPrevCols;
extern qint32 g_nTbPrevRows;

// The pan image as last drawn.
extern qint32 g_nPanImageWidth;
extern qint32 g_nPanImageHeight;
extern float g_fPanShownWidth;
extern float g_fPanShownHeight;

// The tile-server dialog's preview, kept from one opening to the next: the last list selection (-1 for none)
// and whether its sample picture has been put up.
extern qint32 g_nOsmSourceSel;
extern qint32 g_bOsmPreviewShown;

// Shared objects, owned elsewhere.
extern CTarnwellView* g_pView;
extern QWidget* g_pMapWnd;
extern COsmView* g_pOsmView;
extern CTrekbuddy* g_pTrekbuddy;

// The base URL of the OpenStreetMap standard tile server, the default of both URL variables.
extern const QString kOsmStandardServerUrl;

// Puts every variable back to its value at program load (tests start each case from here).
void ResetMapState();
