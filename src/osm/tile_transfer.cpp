#include "osm/tile_transfer.h"

#include "state/map_state.h"

#include <QNetworkAccessManager>
#include <QNetworkRequest>
#include <QSslError>
#include <algorithm>
#include <cstdio>

namespace {

// The most a single read takes from the reply, and so the most the reply buffers ahead of the file.
constexpr qint64 kChunkBytes = 999424;
constexpr int kMaxRedirects = 5;

// Certificate faults that public tile servers show often enough that the tiles are taken anyway: an
// outdated certificate or one issued for another name of the same service. A certificate nobody we trust
// issued is refused.
bool OnlyAcceptedCertificateErrors(const QList<QSslError>& errors) {
    return std::all_of(errors.begin(), errors.end(), [](const QSslError& error) {
        switch (error.error()) {
        case QSslError::CertificateExpired:
        case QSslError::CertificateNotYetValid:
        case QSslError::HostNameMismatch:
            return true;
        default:
            return false;
        }
    });
}

QNetworkRequest TileRequest(const QUrl& url) {
    QNetworkRequest request(url);
    // Tile services refuse generic library agents; no cache headers are sent, since they ask for none.
    request.setHeader(QNetworkRequest::UserAgentHeader, QByteArrayLiteral("Tarnwell/1.0"));
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setMaximumRedirectsAllowed(kMaxRedirects);
    request.setAttribute(QNetworkRequest::CacheSaveControlAttribute, false);
    return request;
}

} // namespace

TileTransfer::TileTransfer(QNetworkAccessManager& manager, const QUrl& url, const QString& path,
                           TransferLimits limits, std::function<void(TransferOutcome)> done)
    : m_path(path), m_limits(limits), m_done(std::move(done)), m_file(path + QStringLiteral(".download")),
      m_reply(manager.get(TileRequest(url))) {
    QNetworkReply* reply = m_reply.get();
    reply->setReadBufferSize(kChunkBytes);
    m_idle.setSingleShot(true);
    m_idle.setInterval(limits.idleTimeoutMs);
    QObject::connect(&m_idle, &QTimer::timeout, reply, [this] {
        m_timedOut = true;
        m_reply->abort();
    });
    QObject::connect(reply, &QNetworkReply::sslErrors, reply, [reply](const QList<QSslError>& errors) {
        if (OnlyAcceptedCertificateErrors(errors))
            reply->ignoreSslErrors(errors);
    });
    QObject::connect(reply, &QNetworkReply::encrypted, &m_idle, qOverload<>(&QTimer::start));
    QObject::connect(reply, &QNetworkReply::metaDataChanged, reply, [this] { OnMetaData(); });
    QObject::connect(reply, &QNetworkReply::readyRead, reply, [this] { OnReadyRead(); });
    QObject::connect(reply, &QNetworkReply::finished, reply, [this] { OnFinished(); });
    m_idle.start();
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
    // A connection that breaks off mid-body can end without an error; the declared length tells. A compressed
    // body arrives unpacked, so its length cannot be compared.
    const QVariant length = m_reply->header(QNetworkRequest::ContentLengthHeader);
    const bool packed = !m_reply->rawHeader("Content-Encoding").isEmpty();
    return answered && (packed || !length.isValid() || length.toLongLong() == m_received);
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
    g_nBytesDownloaded = 0;
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
