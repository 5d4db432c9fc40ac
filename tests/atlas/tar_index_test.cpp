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
QByteArray MemberData(const TarIndex& index, const QString& name, qint64 maxBytes = kMaxTileBytes) {
    const std::optional<qsizetype> member = index.Find(name);
    if (!member)
        return "(none)";
    const TarMember data = index.Member(*member);
    const std::unique_ptr<QIODevice> device =
        OpenRangeSafely({ArchivePath(), data.offset, data.size}, maxBytes);
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
    archive.End();
    return archive;
}

// Which of kMembers the index finds with their own data.
std::vector<bool> Found(const TarIndex& index) {
    std::vector<bool> found;
    for (const Member& member : kMembers)
        found.push_back(MemberData(index, QString::fromUtf8(member.name)) == Data(member.name, member.size));
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
        ASSERT_TRUE(TarWriter::PackWithTar(
            folder, {QStringLiteral("Alps 12.map"), QStringLiteral("set"), QStringLiteral("deep")},
            ArchivePath(), QString::fromLatin1(format)));
        const std::optional<TarIndex> index = TarIndex::Read(ArchivePath());
        ASSERT_TRUE(index);
        EXPECT_EQ(index->Count(), qsizetype(names.size())) << "the folders are no members";
        for (const QByteArray& name : names)
            EXPECT_EQ(MemberData(*index, QString::fromUtf8(name)), Data(name, int(name.size()) * 37 % 1500))
                << name.constData();
    }
}

TEST(TarIndex, HostileArchivesKeepTheMembersThatAreWhole) {
    struct Row {
        const char* what;
        std::function<void(Archive&)> damage;
        std::vector<bool> found;
    };
    const std::vector<Row> rows = {
        {.what = "whole", .damage = [](Archive&) {}, .found = {true, true, true, true}},
        {.what = "cut in the last member's data",
         .damage = [](Archive& a) { a.bytes.truncate(a.HeaderAt(3) + 512 + 1999); },
         .found = {true, true, true, false}},
        {.what = "cut after the last member's data, without padding or end",
         .damage = [](Archive& a) { a.bytes.truncate(a.HeaderAt(3) + 512 + 2000); },
         .found = {true, true, true, true}},
        {.what = "cut in a header",
         .damage = [](Archive& a) { a.bytes.truncate(a.HeaderAt(3) + 300); },
         .found = {true, true, true, false}},
        {.what = "a recorded size that runs past the end",
         .damage =
             [](Archive& a) {
                 a.bytes.replace(a.HeaderAt(1), 512, TarWriter::Header(kMembers[1].name, qint64(1) << 32));
             },
         .found = {true, false, true, true}},
        {.what = "a checksum that does not match",
         .damage = [](Archive& a) { a.bytes[a.HeaderAt(1) + 20] = 'x'; },
         .found = {true, false, true, true}},
        {.what = "a size that is no number",
         .damage =
             [](Archive& a) {
                 a.bytes[a.HeaderAt(0) + 130] = '9';
                 TarWriter::FixChecksum(a.bytes, a.HeaderAt(0));
             },
         .found = {false, true, true, true}},
        {.what = "a huge size in binary that runs past the end",
         .damage =
             [](Archive& a) {
                 a.bytes.replace(a.HeaderAt(2) + 124, 12, QByteArray("\x80\0\0\0\0\x10\0\0\0\0\0\0", 12));
                 TarWriter::FixChecksum(a.bytes, a.HeaderAt(2));
             },
         .found = {true, true, false, true}},
        {.what = "members after the end marker",
         .damage = [](Archive& a) { a.bytes.replace(a.HeaderAt(2), 512, QByteArray(512, '\0')); },
         .found = {true, true, false, false}},
        {.what = "not an archive at all",
         .damage = [](Archive& a) { a.bytes = QByteArray(5000, '\x89'); },
         .found = {false, false, false, false}},
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
    archive.End();
    const std::optional<TarIndex> index = Indexed(archive.bytes);
    ASSERT_TRUE(index);
    EXPECT_EQ(index->Count(), 4);
    EXPECT_EQ(MemberData(*index, QStringLiteral("set/t_48_0.png")), Data("./set/t_48_0.png", 100));
    EXPECT_EQ(MemberData(*index, QStringLiteral("set/t_80_0.png")), "newer");
    EXPECT_EQ(MemberData(*index, QString(300, u'p') + QStringLiteral("/t_0_0.png")), "long");
    EXPECT_EQ(index->Name(2), QStringLiteral("set/t_80_0.png")) << "the replaced member keeps its place";
    EXPECT_EQ(MemberData(*index, QStringLiteral("set/t_96_0.png")), "(none)") << "a folder is no file";

    // A pax header that cannot be read loses only the member it describes.
    archive = {};
    archive.AddWithPaxPath("set/t_0_0.png", "lost");
    archive.bytes[513] = 'X';
    archive.Add("set/t_16_0.png", "kept");
    archive.End();
    const std::optional<TarIndex> afterBadPax = Indexed(archive.bytes);
    ASSERT_TRUE(afterBadPax);
    EXPECT_EQ(MemberData(*afterBadPax, QStringLiteral("set/t_16_0.png")), "kept");
    EXPECT_FALSE(afterBadPax->Find(QStringLiteral("set/t_0_0.png")));
}

TEST(TarIndex, ATmiIsTakenOnlyWhenItNamesEveryMemberAtItsHeader) {
    struct Row {
        const char* what;
        std::function<QByteArray(const Archive&)> tmi;
        bool agrees;
    };
    const std::vector<Row> rows = {
        {.what = "as written", .tmi = [](const Archive& a) { return a.Tmi(); }, .agrees = true},
        {.what = "the pax member at its own header",
         .tmi = [](const Archive& a) { return a.Tmi().replace("block 14:", "block 16:"); },
         .agrees = true},
        {.what = "a wrong block",
         .tmi = [](const Archive& a) { return a.Tmi().replace("block 7:", "block 8:"); },
         .agrees = false},
        {.what = "a missing line",
         .tmi = [](const Archive& a) { return a.Tmi().replace("block 7: Alps 12.map\r\n", ""); },
         .agrees = false},
        {.what = "another name",
         .tmi = [](const Archive& a) { return a.Tmi().replace("t_16_0", "t_17_0"); },
         .agrees = false},
        {.what = "a line of another shape",
         .tmi = [](const Archive& a) { return a.Tmi() + "blocks 12: set/t_0_0.png\n"; },
         .agrees = false},
        {.what = "no .tmi", .tmi = [](const Archive&) { return QByteArray(); }, .agrees = false},
    };
    Archive archive;
    for (const Member& member : kMembers)
        archive.Add(member.name, Data(member.name, member.size));
    archive.AddWithPaxPath("set/t_48_0.png", "pax");
    archive.End();
    ASSERT_EQ(archive.blocks[2].first, 7);
    ASSERT_EQ(archive.blocks[4].first, 14);
    for (const Row& row : rows) {
        const QString tmi = TestEnv::TempFolder() + QStringLiteral("/Alps 12.tmi");
        QFile::remove(tmi);
        const QByteArray text = row.tmi(archive);
        ASSERT_TRUE(text.isEmpty() || TarWriter::Save(tmi, text));
        const std::optional<TarIndex> index = Indexed(archive.bytes);
        ASSERT_TRUE(index) << row.what;
        EXPECT_EQ(index->TmiAgrees(), row.agrees) << row.what;
        EXPECT_EQ(Found(*index), (std::vector{true, true, true, true})) << row.what;
        EXPECT_EQ(MemberData(*index, QStringLiteral("set/t_48_0.png")), "pax") << row.what;
    }
}

TEST(TarIndex, LookUpsFollowTheArchiveOrderAndTheTileNamingRules) {
    Archive archive;
    for (const QByteArray name :
         {"set/T_0_0.PNG", "set/t_0_0.jpg", "set/a_0256_0.png", "set/b_512_0.x_256_0.png",
          "set/sub/t_768_0.png", "t_1024_0.png", "set/t_99999999999_0.png", "Alps 12.MAP",
          "set/\xce\xbb_2_4.png", "other.map"})
        archive.Add(name, "x");
    archive.End();
    const std::optional<TarIndex> index = Indexed(archive.bytes);
    ASSERT_TRUE(index);
    struct Row {
        const char* what;
        std::optional<qsizetype> found;
        std::optional<qsizetype> expected;
    };
    const std::vector<Row> rows = {
        {.what = "first of two names at one position", .found = index->FindTile(0, 0), .expected = 0},
        {.what = "leading zeros write no position", .found = index->FindTile(256, 0), .expected = 3},
        {.what = "one name, two positions", .found = index->FindTile(512, 0), .expected = 3},
        {.what = "not in a subfolder of set", .found = index->FindTile(768, 0), .expected = {}},
        {.what = "not outside set", .found = index->FindTile(1024, 0), .expected = {}},
        {.what = "beyond 32 bits", .found = index->FindTile(99999999999, 0), .expected = {}},
        {.what = "a non-ASCII name's position", .found = index->FindTile(2, 4), .expected = 8},
        {.what = "calibration, any case",
         .found = index->FindFirst(u"", QStringLiteral("*.map")),
         .expected = 7},
        {.what = "first tile, any case",
         .found = index->FindFirst(u"set", QStringLiteral("*0_0.*")),
         .expected = 0},
        {.what = "non-ASCII folding",
         .found = index->FindFirst(u"set", QStringLiteral("\u039b_*")),
         .expected = 8},
        {.what = "exact names only", .found = index->Find(u"set/t_0_0.JPG"), .expected = {}},
        {.what = "an exact name", .found = index->Find(u"set/t_0_0.jpg"), .expected = 1},
    };
    for (const Row& row : rows)
        EXPECT_EQ(row.found, row.expected) << row.what;
}

TEST(TarIndex, LimitsOfMembersAndOfWhatIsReadAtTheirExactValueAndOnePast) {
    // A million members and one, written a megabyte at a time: the last is past the limit.
    const QString path = ArchivePath();
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        QByteArray chunk;
        for (qsizetype i = 0; i <= kMaxTarMembers; ++i) {
            chunk += TarWriter::Header("set/t_" + QByteArray::number(i) + "_0.png", 0);
            if (chunk.size() >= (1 << 20) || i == kMaxTarMembers) {
                ASSERT_EQ(file.write(chunk), chunk.size());
                chunk.clear();
            }
        }
    }
    std::optional<TarIndex> index = TarIndex::Read(path);
    ASSERT_TRUE(index);
    EXPECT_EQ(index->Count(), kMaxTarMembers);
    EXPECT_TRUE(index->FindTile(kMaxTarMembers - 1, 0));
    EXPECT_FALSE(index->FindTile(kMaxTarMembers, 0));
    index.reset();

    // A member as large as a tile may be is indexed where it lies, whole.
    ASSERT_TRUE(TarWriter::Save(path, TarWriter::Header("set/t_0_0.png", kMaxTileBytes)));
    QFile file(path);
    ASSERT_TRUE(file.resize(512 + kMaxTileBytes));
    file.close();
    const std::optional<TarIndex> huge = TarIndex::Read(path);
    ASSERT_TRUE(huge && huge->Count() == 1);
    EXPECT_EQ((std::array{huge->Member(0).offset, huge->Member(0).size}),
              (std::array{qint64(512), kMaxTileBytes}));

    // A FIFO or a folder in the archive's place counts as missing, and nothing waits for a writer.
    QFile::remove(path);
    ASSERT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    EXPECT_FALSE(TarIndex::Read(path));
    QFile::remove(path);
    ASSERT_TRUE(QDir().mkpath(path));
    EXPECT_FALSE(TarIndex::Read(path));
}
