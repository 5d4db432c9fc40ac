#include "atlas/level_folder.h"

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
    const QString prefix = *atlas + QLatin1Char('/');
    if (FindFirst(*atlas, zz))
        g_szAtlasFolder = prefix + zz;
    else if (const std::optional<QString> found = FindFirst(*atlas, QStringLiteral("*") + zz))
        g_szAtlasFolder = prefix + *found;
    else
        g_szAtlasFolder = prefix + QStringLiteral("*") + zz;
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
    const std::optional<QString> found = FindFirst(*atlas, QStringLiteral("*") + ZoomSuffix(g_nZoom));
    if (!found)
        return std::nullopt;
    g_wszLevelFolder = *atlas + QLatin1Char('/') + *found;
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
