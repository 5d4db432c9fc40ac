#include "atlas/tar_index.h"
#include "platform/safe_file.h"
#include "support/test_env.h"
#include "tar_writer.h"

#include <QDir>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>

using TarWriter::Archive;

namespace {

// Data that tells members apart and spans a block boundary unless it is short.
QByteArray Data(const QByteArray& name, int size) {
    QByteArray data;
    while (data.size() < size)
        data += name + '|';
    return data.left(size);
}

QString ArchivePath() {
    return TestEnv::TempFolder() + QStringLiteral("/Alps 12.tar");
}

std::optional<TarIndex> Indexed(const QByteArray& bytes) {
    EXPECT_TRUE(TarWriter::Save(ArchivePath(), bytes));
    return TarIndex::Read(ArchivePath());
}

// The member's data as the index places it, or "(none)".
QByteArray MemberData(const TarIndex& index, const QString& name) {
    const std::optional<qsizetype> member = index.Find(name);
    if (!member)
        return "(none)";
    const TarMember data = index.Member(*member);
    const std::unique_ptr<QIODevice> device =
        OpenRangeSafely({ArchivePath(), data.offset, data.size}, 1 << 20);
    return device ? device->readAll() : "(unreadable)";
}

struct Member {
    QByteArray name;
    int size;
};
const std::vector<Member> kMembers = {
    {"set/t_0_0.png", 700}, {"set/t_16_0.png", 1536}, {"Alps 12.map", 10}, {"set/t_32_0.png", 2000}};

Archive Standard() {
    Archive archive;
    for (const Member& member : kMembers)
        archive.Add(member.name, Data(member.name, member.size));
    return archive;
}

// Which of kMembers the index finds with their own data: "1" for found, "0" for not, in order.
std::string Found(const TarIndex& index) {
    std::string found;
    for (const Member& member : kMembers)
        found +=
            MemberData(index, QString::fromUtf8(member.name)) == Data(member.name, member.size) ? '1' : '0';
    return found;
}

} // namespace

TEST(TarIndex, ArchivesOfTheSystemTarIndexEveryRegularFileAtItsOffsetInEachFormat) {
    const QString folder = TestEnv::TempFolder() + QStringLiteral("/level");
    const QByteArray longName = "deep/" + QByteArray(90, 'a') + "/" + QByteArray(60, 'b') + ".png";
    const std::vector<QByteArray> names = {"Alps 12.map", "set/t_0_0.png", "set/t_256_0.png",
                                           "set/\xce\x9b_0_0.png", longName};
    for (const QByteArray& name : names) {
        const QString path = folder + QLatin1Char('/') + QString::fromUtf8(name);
        QDir().mkpath(QFileInfo(path).path());
        ASSERT_TRUE(TarWriter::Save(path, Data(name, int(name.size()) * 37 % 1500)));
    }
    for (const char* format : {"gnu", "ustar", "pax", "oldgnu"}) {
        SCOPED_TRACE(format);
        ASSERT_TRUE(TarWriter::PackWithTar(folder, {"Alps 12.map", "set", "deep"}, ArchivePath(),
                                           QString::fromLatin1(format)));
        const std::optional<TarIndex> index = TarIndex::Read(ArchivePath());
        ASSERT_TRUE(index);
        EXPECT_EQ(index->Count(), qsizetype(names.size())) << "the folders are no members";
        for (const QByteArray& name : names)
            EXPECT_EQ(MemberData(*index, QString::fromUtf8(name)), Data(name, int(name.size()) * 37 % 1500));
    }
}

TEST(TarIndex, HostileArchivesKeepTheMembersThatAreWhole) {
    struct Row {
        const char* what;
        std::function<void(Archive&)> damage;
        std::string found;
    };
    const auto cut = [](qsizetype bytes) { return [bytes](Archive& a) { a.bytes.chop(bytes); }; };
    // `bytes` at byte `at` of member `header`'s header, its checksum put right when `fix`.
    const auto put = [](int header, int at, const QByteArray& bytes, bool fix) {
        return [=](Archive& a) {
            a.bytes.replace(a.HeaderAt(header) + at, bytes.size(), bytes);
            if (fix)
                TarWriter::FixChecksum(a.bytes, a.HeaderAt(header));
        };
    };
    // The last member's 2000 bytes end 48 bytes before the end of its last block.
    const std::vector<Row> rows = {
        {.what = "whole", .damage = cut(0), .found = "1111"},
        {.what = "cut in the last data", .damage = cut(49), .found = "1110"},
        {.what = "cut after the last data", .damage = cut(48), .found = "1111"},
        {.what = "cut in a header", .damage = cut(2048 + 512 - 300), .found = "1110"},
        {.what = "a recorded size past the end", .damage = put(1, 124, "40000000000", true), .found = "1011"},
        {.what = "a wrong checksum", .damage = put(1, 20, "x", false), .found = "1011"},
        {.what = "a checksum that is no number", .damage = put(1, 148, "9", false), .found = "1011"},
        {.what = "a size that is no number", .damage = put(0, 130, "9", true), .found = "0111"},
        {.what = "a huge binary size past the end",
         .damage = put(2, 124, QByteArray("\x80\0\0\0\0\x10\0\0\0\0\0\0", 12), true),
         .found = "1101"},
        {.what = "members after the end marker",
         .damage = put(2, 0, QByteArray(512, 0), false),
         .found = "1100"},
        {.what = "not an archive", .damage = [](Archive& a) { a.bytes.fill('\x89'); }, .found = "0000"},
    };
    for (const Row& row : rows) {
        Archive archive = Standard();
        row.damage(archive);
        const std::optional<TarIndex> index = Indexed(archive.bytes);
        ASSERT_TRUE(index) << row.what;
        EXPECT_EQ(Found(*index), row.found) << row.what;
    }
}

TEST(TarIndex, NamesOutsideTheArchiveAreNeverIndexedAndALaterMemberReplacesAnEarlier) {
    Archive archive;
    for (const QByteArray name : {"../t_0_0.png", "/set/t_0_0.png", "set/../../t_0_0.png", "set/..", "set/",
                                  "./set/t_48_0.png", "set/t_64_0.png", "set/t_80_0.png"})
        archive.Add(name, Data(name, 100));
    archive.AddWithPaxPath("set/t_80_0.png", "newer");
    archive.AddWithPaxPath(QByteArray(300, 'p') + "/t_0_0.png", "long");
    archive.Add("set/t_96_0.png", {}, '5');
    // A pax header that cannot be read loses only the member it describes.
    const qint64 badPax = archive.bytes.size();
    archive.AddWithPaxPath("set/t_0_0.png", "lost");
    archive.bytes[badPax + 513] = 'X';
    archive.Add("set/t_16_0.png", "kept");
    const std::optional<TarIndex> index = Indexed(archive.bytes);
    ASSERT_TRUE(index);
    EXPECT_EQ(index->Count(), 6) << "the member after the damaged pax header counts under its own name";
    EXPECT_EQ(MemberData(*index, QStringLiteral("set/t_48_0.png")), Data("./set/t_48_0.png", 100));
    EXPECT_EQ(MemberData(*index, QStringLiteral("set/t_80_0.png")), "newer");
    EXPECT_EQ(MemberData(*index, QString(300, u'p') + QStringLiteral("/t_0_0.png")), "long");
    EXPECT_EQ(index->Name(2), QStringLiteral("set/t_80_0.png")) << "the replaced member keeps its place";
    EXPECT_EQ(MemberData(*index, QStringLiteral("set/t_96_0.png")), "(none)") << "a folder is no file";
    EXPECT_EQ(MemberData(*index, QStringLiteral("set/t_16_0.png")), "kept");
    EXPECT_EQ(MemberData(*index, QStringLiteral("set/t_0_0.png")), "(none)");
}

TEST(TarIndex, ATmiIsTakenOnlyWhenItNamesEveryMemberAtItsHeader) {
    struct Row {
        const char* what;
        const char* from; // replaced by `to` in the .tmi as written; "" appends `to`; null writes no .tmi
        const char* to;
        bool agrees;
    };
    const Row rows[] = {
        {.what = "as written", .from = "", .to = "", .agrees = true},
        {.what = "the pax member at its own header", .from = "block 14:", .to = "block 16:", .agrees = true},
        {.what = "a wrong block", .from = "block 7:", .to = "block 8:", .agrees = false},
        {.what = "a missing line", .from = "block 7: Alps 12.map\r\n", .to = "", .agrees = false},
        {.what = "another name", .from = "t_16_0", .to = "t_17_0", .agrees = false},
        {.what = "a line of another shape", .from = "", .to = "blocks 12: set/t_0_0.png\n", .agrees = false},
        {.what = "no .tmi", .from = nullptr, .to = "", .agrees = false},
    };
    Archive archive = Standard();
    archive.AddWithPaxPath("set/t_48_0.png", "pax");
    ASSERT_EQ((std::array{archive.blocks[2].first, archive.blocks[4].first}), (std::array{7LL, 14LL}));
    const QString tmi = TestEnv::TempFolder() + QStringLiteral("/Alps 12.tmi");
    for (const Row& row : rows) {
        QFile::remove(tmi);
        const QByteArray text =
            QByteArray(row.from).isEmpty() ? archive.Tmi() + row.to : archive.Tmi().replace(row.from, row.to);
        ASSERT_TRUE(!row.from || TarWriter::Save(tmi, text));
        const std::optional<TarIndex> index = Indexed(archive.bytes);
        ASSERT_TRUE(index) << row.what;
        EXPECT_EQ(index->TmiAgrees(), row.agrees) << row.what;
        EXPECT_EQ(Found(*index) + MemberData(*index, QStringLiteral("set/t_48_0.png")).toStdString(),
                  "1111pax")
            << row.what;
    }
}

TEST(TarIndex, LookUpsFollowTheArchiveOrderAndTheTileNamingRules) {
    Archive archive;
    for (const QByteArray name :
         {"set/T_0_0.PNG", "set/t_0_0.jpg", "set/a_0256_0.png", "set/b_512_0.x_256_0.png",
          "set/sub/t_768_0.png", "t_1024_0.png", "set/t_99999999999_0.png", "Alps 12.MAP",
          "set/\xce\xbb_2_4.png", "other.map"})
        archive.Add(name, "x");
    const std::optional<TarIndex> index = Indexed(archive.bytes);
    ASSERT_TRUE(index);
    struct Row {
        std::optional<qsizetype> found;
        std::optional<qsizetype> expected;
    };
    const Row rows[] = {
        {.found = index->FindTile(0, 0), .expected = 0},            // the first of two names at one position
        {.found = index->FindTile(256, 0), .expected = 3},          // leading zeros write no position
        {.found = index->FindTile(512, 0), .expected = 3},          // one name, two positions
        {.found = index->FindTile(768, 0), .expected = {}},         // not in a subfolder of set
        {.found = index->FindTile(1024, 0), .expected = {}},        // nor outside it
        {.found = index->FindTile(99999999999, 0), .expected = {}}, // beyond 32 bits
        {.found = index->FindTile(2, 4), .expected = 8},
        {.found = index->FindFirst(u"", QStringLiteral("*.map")), .expected = 7}, // any case
        {.found = index->FindFirst(u"set", QStringLiteral("*0_0.*")), .expected = 0},
        {.found = index->FindFirst(u"set", QStringLiteral("\u039b_*")), .expected = 8}, // non-ASCII folding
        {.found = index->Find(u"set/t_0_0.JPG"), .expected = {}},                       // exact names only
        {.found = index->Find(u"set/t_0_0.jpg"), .expected = 1},
    };
    for (size_t row = 0; row < std::size(rows); ++row)
        EXPECT_EQ(rows[row].found, rows[row].expected) << "row " << row;
}

TEST(TarIndex, LimitsOfMembersAndOfWhatIsReadAtTheirExactValueAndOnePast) {
    // A million members and one, empty tiles: the last is past the limit. A megabyte of headers at a time.
    QFile file(ArchivePath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    QByteArray chunk;
    for (qsizetype member = 0; member <= kMaxTarMembers; ++member) {
        chunk += TarWriter::Header("set/t_" + QByteArray::number(member) + "_0.png", 0);
        if (chunk.size() == 1 << 20 || member == kMaxTarMembers) {
            ASSERT_TRUE(file.write(std::exchange(chunk, {})) > 0);
        }
    }
    file.close();
    std::optional<TarIndex> index = TarIndex::Read(ArchivePath());
    ASSERT_TRUE(index);
    EXPECT_EQ(index->Count(), kMaxTarMembers);
    EXPECT_TRUE(index->FindTile(kMaxTarMembers - 1, 0));
    EXPECT_FALSE(index->FindTile(kMaxTarMembers, 0));
    index.reset();

    // A member as large as a tile may be is indexed where it lies, whole.
    ASSERT_TRUE(TarWriter::Save(ArchivePath(), TarWriter::Header("set/t_0_0.png", kMaxTileBytes)));
    ASSERT_TRUE(file.resize(512 + kMaxTileBytes));
    index = TarIndex::Read(ArchivePath());
    ASSERT_TRUE(index && index->Count() == 1);
    EXPECT_EQ((std::array{index->Member(0).offset, index->Member(0).size}),
              (std::array{512LL, kMaxTileBytes}));

    // A FIFO or a folder in the archive's place counts as missing, and nothing waits for a writer.
    QFile::remove(ArchivePath());
    ASSERT_EQ(::mkfifo(QFile::encodeName(ArchivePath()).constData(), 0600), 0);
    EXPECT_FALSE(TarIndex::Read(ArchivePath()));
    QFile::remove(ArchivePath());
    ASSERT_TRUE(QDir().mkpath(ArchivePath()));
    EXPECT_FALSE(TarIndex::Read(ArchivePath()));
}
