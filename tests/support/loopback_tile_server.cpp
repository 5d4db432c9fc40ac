#include "support/loopback_tile_server.h"

#include <QEventLoop>
#include <QFile>
#include <QSemaphore>
#include <QSslConfiguration>
#include <QSslKey>
#include <QSslServer>
#include <QSslSocket>
#include <QThread>
#include <QTimer>
#include <sys/socket.h>

namespace {

QString CertificateFile(const char* name) {
    return QStringLiteral(TARNWELL_TEST_CERTIFICATES "/") + QLatin1String(name);
}

std::unique_ptr<QTcpServer> MakeServer(LoopbackTileServer::Certificate certificate) {
    if (certificate == LoopbackTileServer::Certificate::None)
        return std::make_unique<QTcpServer>();
    QSslConfiguration config = QSslConfiguration::defaultConfiguration();
    const char* const names[] = {
        "", "valid.pem", "expired.pem", "not_yet_valid.pem", "wrong_host.pem", "unknown_issuer.pem"};
    config.setLocalCertificateChain(QSslCertificate::fromPath(CertificateFile(names[int(certificate)])));
    QFile key(CertificateFile("server.key"));
    key.open(QIODevice::ReadOnly);
    config.setPrivateKey(QSslKey(&key, QSsl::Ec));
    config.setPeerVerifyMode(QSslSocket::VerifyNone);
    auto server = std::make_unique<QSslServer>();
    server->setSslConfiguration(config);
    return server;
}

QByteArray Head(const LoopbackTileServer::Answer& answer) {
    // Clients read no reason phrase, so one word serves every status.
    QByteArray head = "HTTP/1.1 " + QByteArray::number(answer.status) + " Status\r\n";
    head += answer.status == 200 ? "Content-Type: image/png\r\n" : "Content-Type: text/html\r\n";
    head += "Content-Length: " + QByteArray::number(answer.body.size()) + "\r\n";
    if (!answer.location.isEmpty())
        head += "Location: " + answer.location + "\r\n";
    return head + "Connection: keep-alive\r\n\r\n";
}

// Sends the reset (RST) a crashed or cut-off server gives, rather than an orderly close.
void Reset(QTcpSocket* socket) {
    socket->flush();
    socket->waitForBytesWritten(1000);
    const linger hard{1, 0};
    setsockopt(int(socket->socketDescriptor()), SOL_SOCKET, SO_LINGER, &hard, sizeof hard);
    socket->abort();
}

// Splits one request head ("GET /path HTTP/1.1", headers) off the front of `buffer`; false while incomplete.
bool TakeRequest(QByteArray& buffer, LoopbackTileServer::Request& request) {
    const qsizetype end = buffer.indexOf("\r\n\r\n");
    if (end < 0)
        return false;
    const QList<QByteArray> lines = buffer.left(end).split('\n');
    buffer.remove(0, end + 4);
    request.path = lines.value(0).trimmed().split(' ').value(1);
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const qsizetype colon = lines[i].indexOf(':');
        if (colon > 0)
            request.headers[lines[i].left(colon).trimmed().toLower()] = lines[i].mid(colon + 1).trimmed();
    }
    return true;
}

// Sends `rest` a piece at a time; the pieces stop when the socket goes.
void SendSlowly(QTcpSocket* socket, QByteArray rest, qsizetype piece) {
    socket->write(rest.left(piece));
    rest.remove(0, piece);
    if (!rest.isEmpty())
        QTimer::singleShot(LoopbackTileServer::kTrickleMs, socket,
                           [socket, rest, piece] { SendSlowly(socket, rest, piece); });
}

void Respond(QTcpSocket* socket, const LoopbackTileServer::Answer& answer) {
    using Fault = LoopbackTileServer::Fault;
    if (answer.fault == Fault::Silent)
        return;
    if (answer.fault == Fault::Trickle) {
        socket->write(Head(answer));
        const qsizetype pieces = LoopbackTileServer::kTricklePieces;
        return SendSlowly(socket, answer.body, (answer.body.size() + pieces - 1) / pieces);
    }
    const bool cut = answer.fault != Fault::None;
    socket->write(Head(answer) + (cut ? answer.body.left(answer.body.size() / 2) : answer.body));
    if (answer.fault == Fault::Reset)
        Reset(socket);
}

} // namespace

LoopbackTileServer::LoopbackTileServer(Certificate certificate) : m_tls(certificate != Certificate::None) {
    if (m_tls) {
        QSslConfiguration config = QSslConfiguration::defaultConfiguration();
        config.addCaCertificates(CertificateFile("ca.pem"));
        QSslConfiguration::setDefaultConfiguration(config);
    }
    // The server answers on a thread of its own, so that a test can wait on a download in its own thread.
    QSemaphore ready;
    m_thread.reset(QThread::create([this, certificate, &ready] {
        const std::unique_ptr<QTcpServer> server = MakeServer(certificate);
        QObject::connect(server.get(), &QTcpServer::pendingConnectionAvailable, server.get(),
                         [this, &server] { Accept(*server); });
        if (server->listen(QHostAddress::LocalHost))
            m_port = server->serverPort();
        ready.release();
        QEventLoop().exec();
    }));
    m_thread->start();
    ready.acquire();
}

LoopbackTileServer::~LoopbackTileServer() {
    m_thread->quit();
    m_thread->wait();
}

QString LoopbackTileServer::BaseUrl() const {
    if (m_port == 0)
        return {};
    return QStringLiteral("%1://127.0.0.1:%2/").arg(m_tls ? "https" : "http").arg(m_port);
}

void LoopbackTileServer::SetAnswer(const QByteArray& path, const Answer& answer) {
    QMutexLocker lock(&m_mutex);
    m_answers[path] = answer;
}

QList<LoopbackTileServer::Request> LoopbackTileServer::Requests() const {
    QMutexLocker lock(&m_mutex);
    return m_requests;
}

void LoopbackTileServer::Accept(QTcpServer& server) {
    while (QTcpSocket* socket = server.nextPendingConnection()) {
        const int connection = ++m_connections;
        auto buffer = std::make_shared<QByteArray>();
        QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket, connection, buffer] {
            *buffer += socket->readAll();
            for (Request request{connection, {}, {}}; TakeRequest(*buffer, request);
                 request = {connection, {}, {}})
                Respond(socket, Take(request));
        });
        QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    }
}

LoopbackTileServer::Answer LoopbackTileServer::Take(const Request& request) {
    QMutexLocker lock(&m_mutex);
    m_requests.append(request);
    const auto answer = m_answers.find(request.path);
    return answer != m_answers.end()
               ? answer->second
               : Answer{404, "<html><body>404 Not Found</body></html>", Fault::None, {}};
}
