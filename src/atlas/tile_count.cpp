#include "atlas/tile_count.h"

#include "atlas/level_source.h"
#include "state/map_state.h"

int CountTileColumns() {
    return OpenLevelSource(g_szAtlasFolder)->CountColumns();
}
int CountTileRows() {
    return OpenLevelSource(g_szAtlasFolder)->CountRows();
}

int CTileCount::CountTileColumns(const QString& levelFolder) const {
    return OpenLevelSource(levelFolder)->CountColumns();
}
int CTileCount::CountTileRows(const QString& levelFolder) const {
    return OpenLevelSource(levelFolder)->CountRows();
}

int CTileCount::GetTileWidth(const QString& levelFolder) const {
    return OpenLevelSource(levelFolder)->ReadFirstTileFacts().width;
}
int CTileCount::GetTileHeight(const QString& levelFolder) const {
    return OpenLevelSource(levelFolder)->ReadFirstTileFacts().height;
}
int CTileCount::GetTileBitDepth(const QString& levelFolder) const {
    return OpenLevelSource(levelFolder)->ReadFirstTileFacts().depth;
}
