#include "platform/directory_listing.h"
#include "platform/find_first.h"
#include "support/tile_cache.h"

#include <fcntl.h>
#include <sys/stat.h>

using TileCache::WriteFile;

// Every pattern walks the listing the same way; the level source's test tries tile searches
// ("*_<x>_<y>.*") on names of this kind.
TEST(FindFirst, WildcardsCaseAndKindsOfEntries) {
    const QString folder = TestEnv::TempFolder();
    for (const char* name : {"T_0_0.JPG", "x_10_2.jpg", "map0_256.png"})
        WriteFile(folder + QLatin1Char('/') + QLatin1String(name));
    QDir(folder).mkdir(QStringLiteral("Reading 12"));
    // "pattern -> the name found", nothing after the arrow when none is.
    for (const QString search :
         {"*_0_0.* -> T_0_0.JPG", "t_0_0.jpg -> T_0_0.JPG", "?_0_0.jp? -> T_0_0.JPG", "*12 -> Reading 12",
          "*13 -> ", "?_0_0.jpgx -> ", "*_0_2.* -> ", "*0_256.* -> map0_256.png"}) {
        const QStringList parts = search.split(QStringLiteral(" -> "));
        EXPECT_EQ(FindFirst(folder, parts[0]).value_or(QString()), parts[1]) << search.toStdString();
    }
    EXPECT_FALSE(FindFirst(folder + QStringLiteral("/missing"), QStringLiteral("*")));
    EXPECT_FALSE(FindFirst(folder + QStringLiteral("/*12"), QStringLiteral("*"))) << "a pattern is no folder";
    EXPECT_TRUE(WildcardMatch(QStringLiteral("a*b*c"), QStringLiteral("aXXbYYc")));
    EXPECT_FALSE(WildcardMatch(QStringLiteral("a*b*c"), QStringLiteral("aXXbYY")));
    EXPECT_TRUE(WildcardMatch(QStringLiteral("ΛΕΥΚάδα*"), QStringLiteral("λευκΆΔΑ 12")));
}

TEST(FindFirst, SeesChangesAtOnceYetReadsAFolderStampedInTheFutureOncePerPaint) {
    const QString folder = TestEnv::TempFolder(), tile = folder + QStringLiteral("/t_256_0.png");
    EXPECT_FALSE(FindFirst(folder, QStringLiteral("*_256_0.*")));
    WriteFile(tile);
    EXPECT_EQ(FindFirst(folder, QStringLiteral("*_256_0.*")), QStringLiteral("t_256_0.png"));
    ASSERT_TRUE(QFile::remove(tile));
    EXPECT_FALSE(FindFirst(folder, QStringLiteral("*_256_0.*")));

    // Atlases copied from a device with a wrong clock: the folder's stamp lies a day ahead, so it never looks
    // settled.
    const timespec stamps[2] = {{time(nullptr) + 86400, 0}, {time(nullptr) + 86400, 0}};
    ASSERT_EQ(utimensat(AT_FDCWD, QFile::encodeName(folder).constData(), stamps, 0), 0);
    StartListingRound();
    const std::shared_ptr<const DirectoryListing> first = ListDirectory(folder);
    EXPECT_EQ(ListDirectory(folder), first) << "one paint reads the folder once";
    StartListingRound();
    EXPECT_NE(ListDirectory(folder), first) << "the next paint reads it again";
}
