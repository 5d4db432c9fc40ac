#include "state/map_settings.h"
#include "state/map_state.h"
#include "state/settings_store.h"
#include "support/test_env.h"

#include <QSettings>
#include <gtest/gtest.h>

TEST(MapSettings, TheFolderIsReadWithATrailingSlashAndAnUnsetOneNeverBecomesTheRoot) {
    g_nZoom = 9;
    g_szAtlasFolder = QStringLiteral("stale");
    EXPECT_EQ(
        (std::tuple{ReadAtlasZoom(), g_nZoom, GetAtlasFolder(), g_szAtlasFolder, SettingsStore::KeyExists()}),
        std::tuple(0u, 9u, std::optional<QString>(), QString(), false))
        << "reading creates nothing";

    ASSERT_TRUE(SettingsStore::WriteAtlasZoom(12));
    EXPECT_FALSE(GetAtlasFolder()) << "a key without the folder";
    ASSERT_TRUE(SettingsStore::WriteAtlasFolder(QString()));
    EXPECT_EQ((std::pair{GetAtlasFolder(), g_szAtlasFolder}), std::pair(std::optional<QString>(), QString()))
        << "an empty folder";

    const QString folder =
        TestEnv::TempFolder() + QStringLiteral("/Карты/Λευκάδα/") + QString(400, QChar(u'é'));
    ASSERT_TRUE(SettingsStore::WriteAtlasFolder(folder));
    const QString slashed = folder + QLatin1Char('/');
    EXPECT_EQ((std::pair{GetAtlasFolder(), g_szAtlasFolder}), std::pair(std::optional(slashed), slashed));
}

TEST(MapSettings, StoredZoomIsItsLowByteSignExtended) {
    QSettings store(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Orvex"));
    for (auto [stored, zoom] : {std::pair{13, 13u}, {300, 44u}, {255, 0xFFFFFFFFu}, {-2, 0xFFFFFFFEu}}) {
        store.setValue(QStringLiteral("AtlasZoom"), stored);
        store.sync();
        EXPECT_EQ((std::pair{ReadAtlasZoom(), g_nZoom}), std::pair(zoom, zoom)) << stored;
    }
    ASSERT_TRUE(SettingsStore::WriteAtlasZoom(0xFFFFFFFEu));
    EXPECT_EQ(SettingsStore::ReadAtlasZoomValue(), -2) << "all 32 bits are kept";
    store.setValue(QStringLiteral("AtlasZoom"), QStringLiteral("twelve"));
    store.sync();
    EXPECT_EQ((std::pair{ReadAtlasZoom(), g_nZoom}), std::pair(0u, 0xFFFFFFFEu))
        << "an unreadable zoom leaves the zoom alone";
}
