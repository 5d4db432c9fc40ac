#include "osm/tile_address.h"
#include "state/map_state.h"
#include "state/settings_store.h"
#include "state/stored_position.h"
#include "support/test_env.h"

#include <QSettings>
#include <gtest/gtest.h>

namespace {

QSettings Store() {
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Orvex"));
}

} // namespace

TEST(StoredPosition, FirstRunReadsNothingAndCreatesNothing) {
    g_nZoom = 9;
    g_szAtlasFolder = QStringLiteral("stale");
    EXPECT_EQ(ReadAtlasZoom(), 0u);
    EXPECT_EQ(g_nZoom, 9u);
    EXPECT_FALSE(GetAtlasFolder().has_value());
    EXPECT_TRUE(g_szAtlasFolder.isEmpty()) << "no key must not make the cache the file-system root";
    EXPECT_FALSE(SettingsStore::KeyExists());
    EXPECT_TRUE(TestEnv::Messages().isEmpty());
}

TEST(StoredPosition, KeyWithoutFolderOrWithAnEmptyFolderGivesNoCacheFolder) {
    ASSERT_TRUE(SettingsStore::WriteAtlasZoom(12));
    EXPECT_FALSE(GetAtlasFolder().has_value());
    EXPECT_TRUE(g_szAtlasFolder.isEmpty());

    ASSERT_TRUE(SettingsStore::WriteAtlasFolder(QString()));
    EXPECT_FALSE(GetAtlasFolder().has_value());
    EXPECT_TRUE(g_szAtlasFolder.isEmpty());
}

TEST(StoredPosition, UnicodeAndVeryLongFoldersRoundTripIntoTilePaths) {
    const QString greek = TestEnv::TempFolder() + QStringLiteral("/Карты/Λευκάδα");
    const QString longFolder = TestEnv::TempFolder() + QLatin1Char('/') + QString(380, QChar(u'é'));
    for (const QString& folder : {greek, longFolder}) {
        ASSERT_TRUE(SettingsStore::WriteAtlasFolder(folder));
        const std::optional<QString> read = GetAtlasFolder();
        ASSERT_TRUE(read.has_value());
        EXPECT_EQ(*read, folder + QLatin1Char('/'));
        EXPECT_EQ(g_szAtlasFolder, folder + QLatin1Char('/'));
        EXPECT_EQ(TilePath(12, 2032, 1362), folder + QStringLiteral("/12-2032-1362.png"));
    }
    EXPECT_GE(longFolder.size(), 400);
}

TEST(StoredPosition, StoredZoomIsItsLowByteSignExtended) {
    struct Case {
        qint64 stored;
        quint32 zoom;
    };
    for (const Case& c : {Case{13, 13u}, Case{300, 44u}, Case{255, 0xFFFFFFFFu}, Case{-2, 0xFFFFFFFEu}}) {
        Store().setValue(QStringLiteral("AtlasZoom"), c.stored);
        EXPECT_EQ(ReadAtlasZoom(), c.zoom) << c.stored;
        EXPECT_EQ(g_nZoom, c.zoom) << c.stored;
    }
    Store().setValue(QStringLiteral("AtlasZoom"), QStringLiteral("twelve"));
    g_nZoom = 3;
    EXPECT_EQ(ReadAtlasZoom(), 0u);
    EXPECT_EQ(g_nZoom, 3u);
}

TEST(StoredPosition, ZoomWritesKeepTheirThirtyTwoBits) {
    ASSERT_TRUE(SettingsStore::WriteAtlasZoom(0xFFFFFFFEu));
    EXPECT_EQ(SettingsStore::ReadAtlasZoom(), -2);
    ASSERT_TRUE(SettingsStore::WriteAtlasZoom(18));
    EXPECT_EQ(SettingsStore::ReadAtlasZoom(), 18);
}

TEST(StoredPosition, StoreThatCannotBeCreatedFailsQuietly) {
    TestEnv::BlockSettingsStore();
    EXPECT_FALSE(SettingsStore::CreateKey());
    EXPECT_FALSE(SettingsStore::WriteAtlasZoom(12));
    EXPECT_FALSE(SettingsStore::ReadAtlasFolder().has_value());
}
