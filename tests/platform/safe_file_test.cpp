#include "platform/safe_file.h"
#include "support/tile_cache.h"

#include <limits>
#include <sys/stat.h>

// A range is read from inside the file only, as a device or in one go, at most `maxBytes` long; a FIFO is no
// file.
TEST(SafeRead, ARangeGivesExactlyItsBytesWhenItLiesInsideTheFileAndTheLimit) {
    const QString folder = TestEnv::TempFolder(), path = folder + QStringLiteral("/archive");
    QByteArray content(1000, '\0');
    for (int i = 0; i < content.size(); ++i)
        content[i] = char(i % 251);
    TileCache::WriteFile(path, content);
    const QString fifo = folder + QStringLiteral("/fifo");
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    constexpr qint64 kLimit = 100, kHuge = std::numeric_limits<qint64>::max();
    struct Range {
        const char* what;
        FileRange range;
        bool read;
    };
    const Range ranges[] = {
        {.what = "inside", .range = {path, 10, 20}, .read = true},
        {.what = "at the limit", .range = {path, 900, kLimit}, .read = true},
        {.what = "one past the limit", .range = {path, 899, kLimit + 1}, .read = false},
        {.what = "empty at the end", .range = {path, 1000, 0}, .read = true},
        {.what = "one past the end", .range = {path, 901, kLimit}, .read = false},
        {.what = "starting past the end", .range = {path, 1001, 0}, .read = false},
        {.what = "before the start", .range = {path, -1, 5}, .read = false},
        {.what = "overflowing", .range = {path, kHuge, kLimit}, .read = false},
        {.what = "a FIFO", .range = {fifo, 0, 0}, .read = false},
        {.what = "a whole FIFO", .range = {fifo}, .read = false},
        {.what = "missing", .range = {folder + QStringLiteral("/none"), 0, 1}, .read = false},
    };
    for (const Range& row : ranges) {
        const std::unique_ptr<QIODevice> device = OpenRangeSafely(row.range, kLimit);
        const auto [offset, size] = std::pair(row.range.offset, row.range.size);
        EXPECT_EQ(device ? std::optional(std::pair{device->size(), device->readAll()}) : std::nullopt,
                  row.read ? std::optional(std::pair(size, content.mid(offset, size))) : std::nullopt)
            << row.what;
        EXPECT_EQ(ReadRangeSafely(row.range, kLimit),
                  row.read ? std::optional(content.mid(offset, size)) : std::nullopt)
            << row.what << ", read in one go";
    }
    EXPECT_EQ(OpenRangeSafely({path}, 1000)->readAll(), content) << "the whole file at its limit";
    EXPECT_FALSE(OpenRangeSafely({path}, 999)) << "the whole file one past its limit";
    EXPECT_EQ(ReadRangeSafely({path}, 1000), content) << "the whole file at its limit, read in one go";
    EXPECT_FALSE(ReadRangeSafely({path}, 999)) << "the whole file one past its limit, read in one go";
}
