#pragma once

#include "osm/tile_downloader.h"

#include <QFile>
#include <QNetworkReply>
#include <QTimer>
#include <QUrl>
#include <functional>
#include <memory>

class QNetworkAccessManager;

// Worker statuses of one download.
inline constexpr qint32 kTransferStored = 0;
inline constexpr qint32 kTransferNoBody = 1;
inline constexpr qint32 kTransferCannotCreate = -6;
inline constexpr qint32 kTransferWriteFailed = -7;
inline constexpr qint32 kTransferFlushFailed = -8;
inline constexpr qint32 kTransferCloseFailed = -9;
inline constexpr qint32 kTransferReadFailed = -10;

struct TransferLimits {
    int idleTimeoutMs;
    qint64 maxBodyBytes;
};

struct TransferOutcome {
    DownloadResult result;
    qint32 status;
};

// One GET of a tile into its cache file, driven by the reply's signals on the thread that owns `manager`.
// `done` is called once, as the last thing the transfer does; the transfer may be destroyed after that.
class TileTransfer {
public:
    TileTransfer(QNetworkAccessManager& manager, const QUrl& url, const QString& path, TransferLimits limits,
                 std::function<void(TransferOutcome)> done);

private:
    struct DeleteLater {
        void operator()(QNetworkReply* reply) const { reply->deleteLater(); }
    };

    bool StorableAnswer() const;
    bool CompleteAnswer() const;
    void OnMetaData();
    void OnReadyRead();
    void OnFinished();
    void Fail(qint32 status);
    bool OpenFile();
    qint32 FinishFile();

    QString m_path;
    TransferLimits m_limits;
    std::function<void(TransferOutcome)> m_done;
    QFile m_file;
    QTimer m_idle;
    std::unique_ptr<QNetworkReply, DeleteLater> m_reply;
    qint64 m_received = 0;
    qint32 m_status = kTransferNoBody;
    bool m_opened = false;
    bool m_failed = false;
    bool m_timedOut = false;
};
