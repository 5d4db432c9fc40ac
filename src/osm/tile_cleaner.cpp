#include "osm/tile_cleaner.h"

#include "osm/osm_grid.h"
#include "osm/tile_address.h"
#include "platform/message_box.h"
#include "state/map_state.h"

#include <QFile>
#include <QFileInfo>

void CClean::RemoveZeroSizeTiles(const std::optional<QSize>& mapWindow) {
    if (!mapWindow) {
        ShowMessage(QStringLiteral("You must be in OSM map view to use the clean function"));
        return;
    }
    // Without a cache folder the names would point into whatever folder the program was started from.
    if (mapWindow->isEmpty() || g_szAtlasFolder.isEmpty())
        return;
    const QSize area = TileGrid(*mapWindow) + QSize(1, 1);
    WalkOsmGrid(area.width(), area.height(), [](qint32 x, qint32 y) {
        const QString path = TilePath(g_nZoom, x, y);
        const QFileInfo file(path);
        if (file.isFile() && file.size() == 0)
            QFile::remove(path);
        return true;
    });
}
