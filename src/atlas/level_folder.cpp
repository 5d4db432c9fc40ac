#include "atlas/level_folder.h"

#include "atlas/atlas_root.h"
#include "atlas/level_source.h"
#include "platform/find_first.h"
#include "platform/message_box.h"
#include "state/map_state.h"
#include "state/settings_messages.h"
#include "state/settings_store.h"

namespace {

// The atlas folder, or nothing when none is set: an unset folder must not turn into the file-system root.
std::optional<QString> AtlasFolder() {
    std::optional<QString> folder = SettingsStore::ReadAtlasFolder();
    if (!folder || folder->isEmpty())
        return std::nullopt;
    return folder;
}

// The first level that `find` finds in the atlas folder itself or, when none lies there and the folder is an
// atlas root, in its layers in name order.
template <typename Find> std::optional<QString> FindInAtlas(const QString& atlas, Find find) {
    if (std::optional<QString> level = find(atlas))
        return level;
    for (const QString& layer : AtlasLayers(atlas))
        if (std::optional<QString> level = find(layer))
            return level;
    return std::nullopt;
}

} // namespace

QString ZoomSuffix(quint32 zoom) {
    return QStringLiteral("%1").arg(zoom, 2, 10, QLatin1Char('0'));
}

std::optional<QString> GetLevelFolder() {
    g_szAtlasFolder.clear();
    const std::optional<QString> atlas = AtlasFolder();
    if (!atlas)
        return std::nullopt;
    const QString zz = ZoomSuffix(g_nZoom);
    const std::optional<QString> level = FindInAtlas(*atlas, [&zz](const QString& folder) {
        const QString prefix = folder + QLatin1Char('/');
        if (FindFirst(folder, zz))
            return std::optional<QString>(prefix + zz);
        if (const std::optional<QString> found = FindFirst(folder, QStringLiteral("*") + zz))
            return std::optional<QString>(prefix + *found);
        return std::optional<QString>();
    });
    g_szAtlasFolder = level.value_or(*atlas + QStringLiteral("/*") + zz);
    return g_szAtlasFolder;
}

std::optional<QString> FindLevelFolder() {
    g_wszLevelFolder.clear();
    if (!SettingsStore::CreateKey()) {
        ShowMessage(MsgOpenKeyFailed());
        return std::nullopt;
    }
    const std::optional<QString> atlas = AtlasFolder();
    if (!atlas)
        return std::nullopt;
    const QString pattern = QStringLiteral("*") + ZoomSuffix(g_nZoom);
    const std::optional<QString> level = FindInAtlas(*atlas, [&pattern](const QString& folder) {
        const std::optional<QString> found = FindFirst(folder, pattern);
        return found ? std::optional<QString>(folder + QLatin1Char('/') + *found) : std::nullopt;
    });
    if (!level)
        return std::nullopt;
    g_wszLevelFolder = *level;
    return g_wszLevelFolder;
}

void LoadLevel() {
    g_nTileWidth = 256;
    g_nTileHeight = 256;
    g_nTbX = 0;
    g_nTbY = 0;
    GetLevelFolder();
    const std::optional<FileRange> first = OpenLevelSource(g_szAtlasFolder)->FirstTile();
    if (!first)
        return;
    const QSize size = SafeImageSize(*first, kMaxTileBytes);
    if (size.isValid() && !size.isEmpty()) {
        g_nTileWidth = size.width();
        g_nTileHeight = size.height();
    }
}
