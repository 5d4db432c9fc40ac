#include "osm/tile_downloader.h"
#include "support/tile_cache.h"

#include <QElapsedTimer>

namespace {

using Certificate = LoopbackTileServer::Certificate;
using Fault = LoopbackTileServer::Fault;
constexpr int kIdleMs = 1000;
constexpr qint64 kMaxBody = 3000000;

QByteArray Body(qsizetype size) {
    QByteArray body(size, Qt::Uninitialized);
    for (qsizetype i = 0; i < size; ++i)
        body[i] = char(i * 7 % 251);
    return body;
}

class TileDownloader : public ::testing::TestWithParam<Certificate> {
protected:
    void SetUp() override {
        SetDownloadLimits(kIdleMs, kMaxBody);
        ASSERT_FALSE(m_server.BaseUrl().isEmpty()) << "the loopback tile server cannot listen";
    }
    LoopbackTileServer m_server{GetParam()};
    QString m_folder = TestEnv::TempFolder();
};

} // namespace

TEST_P(TileDownloader,
       CompleteAnswersAnd404PagesBecomeCacheFilesOverOneConnectionAnUnwritableFolderGivesMinus6) {
    const QByteArray html = "<html><body>404</body></html>";
    m_server.SetAnswer("/tile.png", {200, "PNG tile", Fault::None, {}});
    const std::tuple<const char*, LoopbackTileServer::Answer, DownloadResult, qint32> cases[] = {
        {"tile", {200, "PNG tile", Fault::None, {}}, DownloadResult::Stored, 0},
        {"404 page", {404, html, Fault::None, {}}, DownloadResult::Stored, 0},
        {"empty body", {200, {}, Fault::None, {}}, DownloadResult::Stored, 0},
        {"three chunks", {200, Body(2500000), Fault::None, {}}, DownloadResult::Stored, 0},
        {"redirect", {302, "moved", Fault::None, "/tile.png"}, DownloadResult::Stored, 0},
        {"over the size limit", {200, Body(kMaxBody + 1), Fault::None, {}}, DownloadResult::NotStored, -10},
        {"401", {401, html, Fault::None, {}}, DownloadResult::NotStored, 1},
        {"503", {503, html, Fault::None, {}}, DownloadResult::NotStored, 1},
        {"reset mid-body", {200, Body(200000), Fault::Reset, {}}, DownloadResult::NotStored, -10},
        {"stall mid-body", {200, Body(200000), Fault::Stall, {}}, DownloadResult::TimedOut, -10},
        {"no answer", {200, "PNG", Fault::Silent, {}}, DownloadResult::TimedOut, 1},
    };
    for (const auto& [what, answer, result, status] : cases) {
        SCOPED_TRACE(what);
        const QByteArray urlPath = "/12/1/" + QByteArray(what).replace(' ', '_') + ".png";
        m_server.SetAnswer(urlPath, answer);
        const QString path = m_folder + QStringLiteral("/12-1-%1.png").arg(what);
        QElapsedTimer timer;
        timer.start();
        EXPECT_EQ(DownloadTile(m_server.BaseUrl() + QString::fromLatin1(urlPath.mid(1)), path), result);
        EXPECT_LT(timer.elapsed(), kIdleMs * 3);
        EXPECT_EQ(LastDownloadStatus(), status);
        if (result != DownloadResult::Stored) {
            EXPECT_FALSE(QFile::exists(path));
            continue;
        }
        const QByteArray expected = answer.location.isEmpty() ? answer.body : QByteArray("PNG tile");
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll(), expected);
        EXPECT_EQ(g_nBytesDownloaded, quint64(expected.size()));
    }
    const QString beneathAFile = m_folder + QStringLiteral("/12-1-tile.png/12-0-0.png");
    EXPECT_EQ(DownloadTile(m_server.BaseUrl() + QStringLiteral("tile.png"), beneathAFile),
              DownloadResult::NotStored);
    EXPECT_EQ(LastDownloadStatus(), -6) << "a cache folder that cannot be written";
    EXPECT_EQ(QDir(m_folder).entryList(QDir::Files | QDir::Hidden, QDir::Name),
              QStringList({"12-1-404 page.png", "12-1-empty body.png", "12-1-redirect.png",
                           "12-1-three chunks.png", "12-1-tile.png"}))
        << "no partial or temporary file stays";
    const QList<LoopbackTileServer::Request> requests = m_server.Requests();
    ASSERT_GE(requests.size(), 6);
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(requests[i].connection, 1) << "tiles in a row share one connection";
    for (const LoopbackTileServer::Request& request : requests) {
        EXPECT_TRUE(request.headers.at("user-agent").contains("Tarnwell")) << request.path.constData();
        EXPECT_FALSE(request.headers.contains("cache-control") || request.headers.contains("pragma"));
    }
}

// Certificates out of date or for another host are accepted, as the tile servers in use need.
INSTANTIATE_TEST_SUITE_P(
    Loopback, TileDownloader,
    ::testing::Values(Certificate::None, Certificate::Valid, Certificate::Expired, Certificate::WrongHost),
    [](const auto& info) {
        return (std::array{"Http", "Https", "HttpsExpired", "HttpsWrongHost"})[int(info.param)];
    });

TEST(TileDownloaderUrls, BadUrlsUnknownIssuersAndUnreachableServersLeaveNoFile) {
    LoopbackTileServer rogue(Certificate::UnknownIssuer);
    ASSERT_FALSE(rogue.BaseUrl().isEmpty());
    rogue.SetAnswer("/12/0/0.png", {200, "PNG", Fault::None, {}});
    const QString path = TestEnv::TempFolder() + QStringLiteral("/12-2032-1362.png");
    for (const QString& url :
         {QString(), QStringLiteral("12/2032/1362.png"), QStringLiteral("https://"),
          QStringLiteral("http://127.0.0.1:1/12/0/0.png"), rogue.BaseUrl() + QStringLiteral("12/0/0.png")}) {
        EXPECT_EQ(DownloadTile(url, path), DownloadResult::NotStored) << qPrintable(url);
        EXPECT_FALSE(QFile::exists(path)) << qPrintable(url);
    }
}
