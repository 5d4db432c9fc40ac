#include "platform/directory_listing.h"
#include "platform/find_first.h"
#include "support/test_env.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <fcntl.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

void Touch(const QString& path) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
}

// The first match found by walking the directory with the standard library, as an independent reference.
std::optional<QString> ReferenceFirst(const QString& folder, const QString& pattern) {
    for (const auto& entry : std::filesystem::directory_iterator(folder.toStdString())) {
        const QString name = QString::fromStdString(entry.path().filename().string());
        if (WildcardMatch(pattern, name))
            return name;
    }
    return std::nullopt;
}

} // namespace

TEST(FindFirst, WildcardsCaseAndKindsOfEntries) {
    const QString folder = TestEnv::TempFolder();
    Touch(folder + QStringLiteral("/T_0_0.JPG"));
    QDir(folder).mkdir(QStringLiteral("Reading 12"));

    for (auto [pattern, found] : {std::pair{"*_0_0.*", "T_0_0.JPG"},
                                  {"t_0_0.jpg", "T_0_0.JPG"},
                                  {"?_0_0.jp?", "T_0_0.JPG"},
                                  {"*12", "Reading 12"},
                                  {"*13", ""},
                                  {"?_0_0.jpgx", ""}})
        EXPECT_EQ(FindFirst(folder, QLatin1String(pattern)).value_or(QString()), QLatin1String(found))
            << pattern;
    EXPECT_FALSE(FindFirst(folder + QStringLiteral("/missing"), QStringLiteral("*")));
    EXPECT_FALSE(FindFirst(folder + QStringLiteral("/*12"), QStringLiteral("*"))) << "a pattern is no folder";

    EXPECT_TRUE(WildcardMatch(QStringLiteral("a*b*c"), QStringLiteral("aXXbYYc")));
    EXPECT_FALSE(WildcardMatch(QStringLiteral("a*b*c"), QStringLiteral("aXXbYY")));
    EXPECT_TRUE(WildcardMatch(QStringLiteral("ΛΕΥΚΆΔΑ*"), QStringLiteral("λευκάδα 12")));
}

TEST(FindFirst, SeesChangesOnDiskAtOnce) {
    const QString folder = TestEnv::TempFolder();
    EXPECT_FALSE(FindFirst(folder, QStringLiteral("*_256_0.*")));
    Touch(folder + QStringLiteral("/t_256_0.png"));
    EXPECT_EQ(FindFirst(folder, QStringLiteral("*_256_0.*")), QStringLiteral("t_256_0.png"));
    ASSERT_TRUE(QFile::remove(folder + QStringLiteral("/t_256_0.png")));
    EXPECT_FALSE(FindFirst(folder, QStringLiteral("*_256_0.*")));
}

// Atlases copied from a device with a wrong clock: the folder's stamp lies a day ahead, so it never looks
// settled.
TEST(FindFirst, AFolderStampedInTheFutureIsReadOncePerPaint) {
    const QString folder = TestEnv::TempFolder();
    Touch(folder + QStringLiteral("/t_0_0.png"));
    const timespec ahead{time(nullptr) + 86400, 0};
    const timespec stamps[2] = {ahead, ahead};
    ASSERT_EQ(utimensat(AT_FDCWD, QFile::encodeName(folder).constData(), stamps, 0), 0);
    StartListingRound();
    const std::shared_ptr<const DirectoryListing> first = ListDirectory(folder);
    EXPECT_EQ(ListDirectory(folder), first) << "one paint reads the folder once";
    StartListingRound();
    EXPECT_NE(ListDirectory(folder), first) << "the next paint reads it again";
}

TEST(FindFirst, TileSearchesAgreeWithAPlainWalkOfTheFolder) {
    const QString folder = TestEnv::TempFolder();
    QRandomGenerator random(7);
    const QStringList prefixes = {QStringLiteral("t_"),  QStringLiteral("x_1"), QStringLiteral("a_12_"),
                                  QStringLiteral("map"), QStringLiteral("_"),   QString()};
    const QStringList extensions = {QStringLiteral(".jpg"), QStringLiteral(".png.bak"), QStringLiteral(""),
                                    QStringLiteral(".")};
    for (int i = 0; i < 400; ++i) {
        const QString name = prefixes[random.bounded(prefixes.size())] +
                             QString::number(random.bounded(4) * 256) + QLatin1Char('_') +
                             QString::number(random.bounded(3) * 256) +
                             extensions[random.bounded(extensions.size())] + QString::number(i % 3);
        Touch(folder + QLatin1Char('/') + name);
    }
    for (int x = 0; x < 5; ++x) {
        for (int y = 0; y < 4; ++y) {
            const QString pattern = QStringLiteral("*_%1_%2.*").arg(x * 256).arg(y * 256);
            EXPECT_EQ(FindFirst(folder, pattern), ReferenceFirst(folder, pattern)) << pattern.toStdString();
        }
    }
    for (const QString& pattern :
         {QStringLiteral("*0_0.*"), QStringLiteral("*_0_0.*"), QStringLiteral("map*")})
        EXPECT_EQ(FindFirst(folder, pattern), ReferenceFirst(folder, pattern)) << pattern.toStdString();
}
