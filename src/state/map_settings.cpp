#include "state/map_settings.h"

#include "state/map_state.h"
#include "state/settings_store.h"

quint32 ReadAtlasZoom() {
    const std::optional<qint32> stored = SettingsStore::ReadAtlasZoomValue();
    if (!stored)
        return 0;
    g_nZoom = static_cast<quint32>(static_cast<qint32>(static_cast<qint8>(*stored & 0xFF)));
    return g_nZoom;
}

std::optional<QString> GetAtlasFolder() {
    g_szAtlasFolder.clear();
    const std::optional<QString> folder = SettingsStore::ReadAtlasFolder();
    if (!folder || folder->isEmpty())
        return std::nullopt;
    g_szAtlasFolder = *folder + QLatin1Char('/');
    return g_szAtlasFolder;
}
