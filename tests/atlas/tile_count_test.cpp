#include "atlas/level_folder.h"
#include "atlas/tile_count.h"
#include "state/map_state.h"
#include "state/settings_store.h"
#include "support/test_env.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <gtest/gtest.h>

namespace {

// A level folder whose set holds a real first tile of `size` and empty files for the other names.
class LevelOnDisk {
public:
    explicit LevelOnDisk(const QString& name = QStringLiteral("12")) {
        m_atlas = TestEnv::TempFolder() + QStringLiteral("/atlas");
        m_level = m_atlas + QLatin1Char('/') + name;
        QDir().mkpath(m_level + QStringLiteral("/set"));
        SettingsStore::WriteAtlasFolder(m_atlas);
    }
    void FirstTile(const QString& name, QSize size) {
        QImage image(size, QImage::Format_RGB32);
        image.fill(Qt::darkGreen);
        ASSERT_TRUE(image.save(Path(name)));
    }
    void Empty(const QString& name) {
        QFile file(Path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    void Remove(const QString& name) { ASSERT_TRUE(QFile::remove(Path(name))); }
    QString Path(const QString& name) const { return m_level + QStringLiteral("/set/") + name; }
    const QString& Folder() const { return m_level; }

private:
    QString m_atlas;
    QString m_level;
};

void Load(quint32 zoom = 12) {
    g_nZoom = zoom;
    LoadLevel();
}

} // namespace

TEST(TileCount, HalvingSearchCountsEveryWidthUpTo512) {
    LevelOnDisk level;
    level.FirstTile(QStringLiteral("t_0_0.jpg"), {256, 256});
    Load();
    int made = 1;
    for (int wanted : {1, 2, 3, 7, 100, 255, 256, 257, 511, 512, 600}) {
        for (; made < wanted; ++made) {
            level.Empty(QStringLiteral("t_%1_0.jpg").arg(made * 256));
            level.Empty(QStringLiteral("t_0_%1.jpg").arg(made * 256));
        }
        EXPECT_EQ(CountTileColumns(), qMin(wanted, 512)) << wanted;
        EXPECT_EQ(CountTileRows(), qMin(wanted, 512)) << wanted;
        EXPECT_EQ(CTileCount().CountTileColumns(level.Folder()), qMin(wanted, 512)) << wanted;
    }
}

TEST(TileCount, OnlyProbedNamesCount) {
    LevelOnDisk level;
    level.FirstTile(QStringLiteral("t_0_0.jpg"), {256, 256});
    for (int i = 1; i < 10; ++i)
        level.Empty(QStringLiteral("t_%1_0.jpg").arg(i * 256));
    Load();
    level.Remove(QStringLiteral("t_1280_0.jpg"));
    EXPECT_EQ(CountTileColumns(), 10) << "column 5 is never probed";
    level.Remove(QStringLiteral("t_2048_0.jpg"));
    EXPECT_EQ(CountTileColumns(), 8) << "column 8 is probed; a change on disk shows at the next count";
}

TEST(TileCount, NonSquareTilesStepByTheirOwnWidthAndHeight) {
    LevelOnDisk level;
    // Real images throughout: "*0_0.*" may find t_1000_0.png before t_0_0.png.
    level.FirstTile(QStringLiteral("t_0_0.png"), {200, 100});
    for (int i = 1; i < 10; ++i)
        level.FirstTile(QStringLiteral("t_%1_0.png").arg(i * 200), {200, 100});
    for (int i = 1; i < 4; ++i)
        level.FirstTile(QStringLiteral("t_0_%1.png").arg(i * 100), {200, 100});
    Load();
    EXPECT_EQ(g_nTileWidth, 200);
    EXPECT_EQ(g_nTileHeight, 100);
    EXPECT_EQ(CountTileColumns(), 10);
    EXPECT_EQ(CountTileRows(), 4);
    const CTileCount count;
    EXPECT_EQ(count.GetTileWidth(level.Folder()), 200);
    EXPECT_EQ(count.GetTileHeight(level.Folder()), 100);
    EXPECT_EQ(count.GetTileBitDepth(level.Folder()), 32);
}

TEST(TileCount, EmptySetUnreadableFirstTileAndNamesWithoutUnderscore) {
    LevelOnDisk level;
    Load();
    EXPECT_EQ(CountTileColumns(), 0);
    EXPECT_EQ(CountTileRows(), 0);
    EXPECT_EQ(g_nTileWidth, 256);
    EXPECT_EQ(g_nTileHeight, 256);
    EXPECT_EQ(CTileCount().GetTileWidth(level.Folder()), 0);

    // Not an image: the size stays 256 and the counts step in 256 pixels.
    level.Empty(QStringLiteral("t_0_0.jpg"));
    level.Empty(QStringLiteral("t_256_0.jpg"));
    Load();
    EXPECT_EQ(g_nTileWidth, 256);
    EXPECT_EQ(CountTileColumns(), 2);
    EXPECT_EQ(CTileCount().GetTileHeight(level.Folder()), 0);
    level.Remove(QStringLiteral("t_0_0.jpg"));
    level.Remove(QStringLiteral("t_256_0.jpg"));

    // "map0_0.jpg" is the first tile for its size, but no tile for counting.
    level.FirstTile(QStringLiteral("map0_0.jpg"), {128, 64});
    level.Empty(QStringLiteral("map128_0.jpg"));
    Load();
    EXPECT_EQ(g_nTileWidth, 128);
    EXPECT_EQ(g_nTileHeight, 64);
    EXPECT_EQ(CountTileColumns(), 0);
    EXPECT_EQ(CountTileRows(), 0);
}
