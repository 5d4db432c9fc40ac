#include "state/map_state.h"

quint32 g_nMapType;
quint32 g_nZoom;
qint32 g_nOsmX = kOsmDefaultX;
qint32 g_nOsmY = kOsmDefaultY;
qint32 g_nTbX;
qint32 g_nTbY;
qint32 g_nTileWidth;
qint32 g_nTileHeight;
qint32 g_nTbPrevX;
qint32 g_nTbPrevY;
qint32 g_bPanView;
qint32 g_bMoved;
qint32 g_bOsmRepaint;
std::atomic<quint64> g_nBytesDownloaded;

QString g_szAtlasFolder;
QString g_wszOsmServer;
QString g_wszOsmUrl;
QString g_wszLevelFolder;

float g_fPt1Lat, g_fPt1Lon;
float g_fPt2Lat, g_fPt2Lon;
float g_fPt3Lat, g_fPt3Lon;
float g_fPt4Lat, g_fPt4Lon;
float g_fTbLat, g_fTbLon;
qint32 g_nTbPrevCols;
qint32 g_nTbPrevRows;

qint32 g_nPanImageWidth;
qint32 g_nPanImageHeight;
float g_fPanShownWidth;
float g_fPanShownHeight;

qint32 g_nOsmSourceSel;
qint32 g_bOsmPreviewShown;

CTarnwellView* g_pView;
QWidget* g_pMapWnd;
COsmView* g_pOsmView;
CTrekbuddy* g_pTrekbuddy;

const QString kOsmStandardServerUrl = QStringLiteral("https://tile.openstreetmap.org/");

void ResetMapState() {
    g_nMapType = 0;
    g_nZoom = 0;
    g_nOsmX = kOsmDefaultX;
    g_nOsmY = kOsmDefaultY;
    g_nTbX = g_nTbY = 0;
    g_nTileWidth = g_nTileHeight = 0;
    g_nTbPrevX = g_nTbPrevY = 0;
    g_bPanView = g_bMoved = g_bOsmRepaint = 0;
    g_nBytesDownloaded = 0;

    g_szAtlasFolder.clear();
    g_wszOsmServer.clear();
    g_wszOsmUrl.clear();
    g_wszLevelFolder.clear();

    g_fPt1Lat = g_fPt1Lon = g_fPt2Lat = g_fPt2Lon = 0.0f;
    g_fPt3Lat = g_fPt3Lon = g_fPt4Lat = g_fPt4Lon = 0.0f;
    g_fTbLat = g_fTbLon = 0.0f;
    g_nTbPrevCols = g_nTbPrevRows = 0;

    g_nPanImageWidth = g_nPanImageHeight = 0;
    g_fPanShownWidth = g_fPanShownHeight = 0.0f;

    g_nOsmSourceSel = 0;
    g_bOsmPreviewShown = 0;

    g_pView = nullptr;
    g_pMapWnd = nullptr;
    g_pOsmView = nullptr;
    g_pTrekbuddy = nullptr;
}
