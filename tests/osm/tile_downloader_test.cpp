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

LoopbackTileServer::Answer Reply(int status, const QByteArray& body, Fault fault = Fault::None) {
    return {status, body, fault, {}};
}

// One row of the download table: the answer, after `hops` redirects that lead to it.
struct Case {
    const char* what;
    LoopbackTileServer::Answer answer;
    DownloadResult result = DownloadResult::Stored;
    qint32 status = 0;
    int hops = 0;
};

} // namespace

TEST_P(TileDownloader,
       CompleteAnswersAnd404PagesBecomeCacheFilesOverOneConnectionAnUnwritableFolderGivesMinus6) {
    using enum DownloadResult;
    using enum Fault;
    const QByteArray html = "<html><body>404</body></html>";
    const LoopbackTileServer::Answer tile = Reply(200, "PNG tile");
    // Slow but steady: each piece comes well within the idle time-out, the whole body well after it.
    const Case cases[] = {
        {.what = "tile", .answer = tile},
        {.what = "404 page", .answer = Reply(404, html)},
        {.what = "empty body", .answer = Reply(200, {})},
        {.what = "at the size limit", .answer = Reply(200, Body(kMaxBody))},
        {.what = "redirect", .answer = tile, .hops = 1},
        {.what = "slow but steady", .answer = Reply(200, Body(60000), Trickle)},
        {.what = "five redirects", .answer = tile, .hops = 5},
        {.what = "six redirects", .answer = tile, .result = NotStored, .status = 1, .hops = 6},
        {.what = "too big", .answer = Reply(200, Body(kMaxBody + 1)), .result = NotStored, .status = -10},
        {.what = "401", .answer = Reply(401, html), .result = NotStored, .status = 1},
        {.what = "503", .answer = Reply(503, html), .result = NotStored, .status = 1},
        {.what = "reset", .answer = Reply(200, Body(200000), Reset), .result = NotStored, .status = -10},
        {.what = "stall", .answer = Reply(200, Body(200000), Stall), .result = TimedOut, .status = -10},
        {.what = "no answer", .answer = Reply(200, "PNG", Silent), .result = TimedOut, .status = 1},
    };
    QStringList stored;
    for (const Case& row : cases) {
        SCOPED_TRACE(row.what);
        if (row.result == Stored)
            stored.append(QStringLiteral("12-1-%1.png").arg(row.what));
        // The answer at the end of `hops` redirects.
        const auto hop = [&row](int n) {
            return "/12/1/" + QByteArray(row.what).replace(' ', '_') + QByteArray::number(n) + ".png";
        };
        for (int n = 0; n < row.hops; ++n)
            m_server.SetAnswer(hop(n), {302, "moved", Fault::None, hop(n + 1)});
        m_server.SetAnswer(hop(row.hops), row.answer);
        const QString path = m_folder + QStringLiteral("/12-1-%1.png").arg(row.what);
        g_nBytesDownloaded = 12345; // the tile before left its count
        QElapsedTimer timer;
        timer.start();
        EXPECT_EQ(DownloadTile(m_server.BaseUrl() + QString::fromLatin1(hop(0).mid(1)), path), row.result);
        EXPECT_LT(timer.elapsed(), kIdleMs * 3);
        EXPECT_EQ(LastDownloadStatus(), row.status);
        if (row.status == 1) {
            EXPECT_EQ(g_nBytesDownloaded, 0u) << "no body taken";
        }
        if (row.result != Stored)
            continue; // the folder's listing below shows that nothing was left
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll(), row.answer.body);
        EXPECT_EQ(g_nBytesDownloaded, quint64(row.answer.body.size()));
    }
    m_server.SetAnswer("/tile.png", tile);
    const QString beneathAFile = m_folder + QStringLiteral("/12-1-tile.png/12-0-0.png");
    EXPECT_EQ(DownloadTile(m_server.BaseUrl() + QStringLiteral("tile.png"), beneathAFile), NotStored);
    EXPECT_EQ(LastDownloadStatus(), -6) << "a cache folder that cannot be written";
    stored.sort();
    EXPECT_EQ(QDir(m_folder).entryList(QDir::Files | QDir::Hidden, QDir::Name), stored)
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

INSTANTIATE_TEST_SUITE_P(Loopback, TileDownloader, ::testing::Values(Certificate::None, Certificate::Valid),
                         [](const auto& info) {
                             return (std::array{"Http", "Https"})[int(info.param)];
                         });

// A certificate is checked in full: out of date, not yet valid, made out to another host or issued by an
// authority nobody trusts, the tile is refused like a bad URL or a server that is not there.
TEST(TileDownloaderUrls, BadUrlsRefusedCertificatesAndUnreachableServersLeaveNoFile) {
    QStringList urls = {QString(), QStringLiteral("12/2032/1362.png"), QStringLiteral("https://"),
                        QStringLiteral("http://127.0.0.1:1/12/0/0.png")};
    std::vector<std::unique_ptr<LoopbackTileServer>> servers;
    for (Certificate refused : {Certificate::Expired, Certificate::NotYetValid, Certificate::WrongHost,
                                Certificate::UnknownIssuer}) {
        servers.push_back(std::make_unique<LoopbackTileServer>(refused));
        ASSERT_FALSE(servers.back()->BaseUrl().isEmpty());
        servers.back()->SetAnswer("/12/0/0.png", Reply(200, "PNG"));
        urls.append(servers.back()->BaseUrl() + QStringLiteral("12/0/0.png"));
    }
    const QString path = TestEnv::TempFolder() + QStringLiteral("/12-2032-1362.png");
    for (const QString& url : urls)
        EXPECT_EQ(DownloadTile(url, path), DownloadResult::NotStored) << qPrintable(url);
    EXPECT_TRUE(QDir(TestEnv::TempFolder()).isEmpty()) << "no tile file and no temporary file";
    for (const auto& server : servers)
        EXPECT_TRUE(server->Requests().isEmpty()) << "no request goes over a refused connection";
}
