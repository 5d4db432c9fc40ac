#include "osm/tile_downloader.h"

#include "osm/tile_transfer.h"

#include <QCoreApplication>
#include <QNetworkAccessManager>
#include <QSemaphore>
#include <QThread>
#include <future>
#include <memory>

namespace {

TransferLimits transferLimits{30000, qint64(64) << 20};
qint32 lastStatus = kTransferNoBody;

struct Job {
    QUrl url;
    QString path;
    TransferLimits limits;
    std::promise<TransferOutcome> outcome;
};

// The one download thread. Its network manager lives as long as the thread, so connections stay open from
// tile to tile; each job runs on the thread's event loop while the caller waits on the job's outcome.
class DownloadThread final : public QThread {
public:
    DownloadThread() {
        start();
        m_ready.acquire();
    }
    ~DownloadThread() override {
        quit();
        wait();
    }

    TransferOutcome Run(Job& job) {
        std::future<TransferOutcome> outcome = job.outcome.get_future();
        QMetaObject::invokeMethod(
            m_manager, [this, &job] { Begin(job); }, Qt::QueuedConnection);
        return outcome.get();
    }

private:
    void run() override {
        QNetworkAccessManager manager;
        m_manager = &manager;
        m_ready.release();
        exec();
        m_transfer.reset();
    }

    // The finished transfer stays until the next one begins: it ends inside its own reply's signal.
    void Begin(Job& job) {
        m_transfer = std::make_unique<TileTransfer>(
            *m_manager, job.url, job.path, job.limits,
            [&job](TransferOutcome outcome) { job.outcome.set_value(outcome); });
    }

    QSemaphore m_ready;
    QNetworkAccessManager* m_manager = nullptr;
    std::unique_ptr<TileTransfer> m_transfer;
};

std::unique_ptr<DownloadThread>& ThreadSlot() {
    static std::unique_ptr<DownloadThread> thread;
    return thread;
}

// Runs while the application object is destroyed, so no download thread outlives main().
void StopDownloadThread() {
    ThreadSlot().reset();
}

DownloadThread* RunningThread() {
    std::unique_ptr<DownloadThread>& thread = ThreadSlot();
    if (!thread && QCoreApplication::instance()) {
        thread = std::make_unique<DownloadThread>();
        qAddPostRoutine(StopDownloadThread);
    }
    return thread.get();
}

} // namespace

DownloadResult DownloadTile(const QString& url, const QString& path) {
    lastStatus = kTransferNoBody;
    const QUrl parsed(url, QUrl::StrictMode);
    DownloadThread* thread = RunningThread();
    if (!FetchableUrl(parsed) || path.isEmpty() || !thread)
        return DownloadResult::NotStored;
    Job job{parsed, path, transferLimits, {}};
    const TransferOutcome outcome = thread->Run(job);
    lastStatus = outcome.status;
    return outcome.result;
}

void SetDownloadLimits(int idleTimeoutMs, qint64 maxBodyBytes) {
    transferLimits = {idleTimeoutMs, maxBodyBytes};
}

qint32 LastDownloadStatus() {
    return lastStatus;
}
