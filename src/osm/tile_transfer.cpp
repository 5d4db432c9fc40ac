#include "osm/tile_transfer.h"

#include "state/map_state.h"

#include <QNetworkAccessManager>
#include <QNetworkRequest>
#include <cstdio>

namespace {

// The most a single read takes from the reply.
constexpr qint64 kChunkBytes = 999424;
constexpr int kMaxRedirects = 5;

QNetworkRequest TileRequest(const QUrl& url) {
    QNetworkRequest request(url);
    // Tile services refuse generic library agents; no cache headers are sent, since they ask for none.
    request.setHeader(QNetworkRequest::UserAgentHeader, QByteArrayLiteral("Tarnwell/1.0"));
    // Redirects are followed here rather than by Qt, whose reply keeps the first answer's length.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
    request.setAttribute(QNetworkRequest::CacheSaveControlAttribute, false);
    return request;
}

} // namespace

bool FetchableUrl(const QUrl& url) {
    return url.isValid() && !url.host().isEmpty() &&
           (url.scheme() == QLatin1String("https") || url.scheme() == QLatin1String("http"));
}

TileTransfer::TileTransfer(QNetworkAccessManager& manager, const QUrl& url, const QString& path,
                           TransferLimits limits, std::function<void(TransferOutcome)> done)
    : m_manager(manager), m_path(path), m_limits(limits), m_done(std::move(done)),
      m_file(path + QStringLiteral(".download")) {
    // The count is the current tile's from the start, whether or not a body ever arrives.
    g_nBytesDownloaded = 0;
    m_idle.setSingleShot(true);
    m_idle.setInterval(limits.idleTimeoutMs);
    QObject::connect(&m_idle, &QTimer::timeout, &m_idle, [this] {
        m_timedOut = true;
        m_reply->abort();
    });
    Get(url);
}

// No certificate fault is ignored: a tile served under an outdated certificate or one made out to another
// host could be anybody's picture, and the cache would keep it for good.
void TileTransfer::Get(const QUrl& url) {
    m_reply.reset(m_manager.get(TileRequest(url)));
    m_declaredBytes = -1;
    QNetworkReply* reply = m_reply.get();
    QObject::connect(reply, &QNetworkReply::encrypted, &m_idle, qOverload<>(&QTimer::start));
    QObject::connect(reply, &QNetworkReply::metaDataChanged, reply, [this] { OnMetaData(); });
    QObject::connect(reply, &QNetworkReply::readyRead, reply, [this] { OnReadyRead(); });
    QObject::connect(reply, &QNetworkReply::downloadProgress, reply,
                     [this](qint64, qint64 total) { m_declaredBytes = total; });
    QObject::connect(reply, &QNetworkReply::finished, reply, [this] { OnFinished(); });
    m_idle.start();
}

// Where a redirect answer points, if it is to be followed: a few hops, never from HTTPS down to HTTP.
QUrl TileTransfer::RedirectTarget() const {
    const int code = m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const bool redirect = code == 301 || code == 302 || code == 303 || code == 307 || code == 308;
    if (!redirect || m_redirects >= kMaxRedirects || m_failed || m_timedOut)
        return {};
    const QUrl target = m_reply->url().resolved(QUrl::fromEncoded(m_reply->rawHeader("Location")));
    const bool downgrade =
        m_reply->url().scheme() == QLatin1String("https") && target.scheme() != QLatin1String("https");
    return FetchableUrl(target) && !downgrade ? target : QUrl();
}

bool TileTransfer::StorableAnswer() const {
    const int code = m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    return (code >= 200 && code < 300) || code == 404;
}

bool TileTransfer::CompleteAnswer() const {
    const int code = m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const QNetworkReply::NetworkError error = m_reply->error();
    const bool answered = (code >= 200 && code < 300 && error == QNetworkReply::NoError) ||
                          (code == 404 && error == QNetworkReply::ContentNotFoundError);
    // A connection that breaks off mid-body can end without an error; the length the answer declared tells.
    // A compressed body arrives unpacked, so its length cannot be compared.
    const bool packed = !m_reply->rawHeader("Content-Encoding").isEmpty();
    return answered && (packed || m_declaredBytes < 0 || m_declaredBytes == m_received);
}

void TileTransfer::OnMetaData() {
    m_idle.start();
    const QVariant length = m_reply->header(QNetworkRequest::ContentLengthHeader);
    if (StorableAnswer() && length.isValid() && length.toLongLong() > m_limits.maxBodyBytes)
        Fail(kTransferReadFailed);
}

void TileTransfer::OnReadyRead() {
    m_idle.start();
    if (!StorableAnswer()) {
        // The body of a refused answer is never kept; reading it on lets the connection serve the next tile.
        m_reply->skip(m_reply->bytesAvailable());
        return;
    }
    if (!m_opened && !OpenFile())
        return Fail(kTransferCannotCreate);
    while (m_reply->bytesAvailable() > 0) {
        const QByteArray chunk = m_reply->read(kChunkBytes);
        m_received += chunk.size();
        if (m_received > m_limits.maxBodyBytes)
            return Fail(kTransferReadFailed);
        if (m_file.write(chunk) != chunk.size())
            return Fail(kTransferWriteFailed);
        g_nBytesDownloaded += quint64(chunk.size());
    }
}

void TileTransfer::OnFinished() {
    const QUrl next = RedirectTarget();
    if (!next.isEmpty()) {
        ++m_redirects;
        return Get(next);
    }
    m_idle.stop();
    if (!m_failed) {
        if (CompleteAnswer())
            m_status = FinishFile();
        else if (m_opened)
            m_status = kTransferReadFailed;
    }
    if (m_status != kTransferStored && m_opened)
        m_file.remove();
    DownloadResult result = DownloadResult::Stored;
    if (m_timedOut)
        result = DownloadResult::TimedOut;
    else if (m_status != kTransferStored)
        result = DownloadResult::NotStored;
    m_done({result, m_status});
}

void TileTransfer::Fail(qint32 status) {
    m_failed = true;
    m_status = status;
    m_reply->abort();
}

bool TileTransfer::OpenFile() {
    m_opened = m_file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered);
    return m_opened;
}

// Closes the temporary file and renames it over the cache file, which only now appears.
qint32 TileTransfer::FinishFile() {
    if (!m_opened && !OpenFile())
        return kTransferCannotCreate;
    if (!m_file.flush())
        return kTransferFlushFailed;
    m_file.close();
    if (m_file.error() != QFileDevice::NoError)
        return kTransferCloseFailed;
    if (std::rename(QFile::encodeName(m_file.fileName()).constData(),
                    QFile::encodeName(m_path).constData()) != 0)
        return kTransferCloseFailed;
    return kTransferStored;
}
