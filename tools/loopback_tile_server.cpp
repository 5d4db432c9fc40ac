#include "loopback_tile_server.h"

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

using Answer = LoopbackTileServer::Answer;
using Fault = LoopbackTileServer::Fault;
constexpr int kTricklePieces = 6, kTrickleMs = 250;

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

QByteArray Head(const Answer& answer) {
    // Clients read no reason phrase, so one word serves every status.
    QByteArray head = "HTTP/1.1 " + QByteArray::number(answer.status) +
                      " Status\r\nContent-Type: " + (answer.status == 200 ? "image/png" : "text/html") +
                      "\r\nContent-Length: " + QByteArray::number(answer.body.size()) + "\r\n";
    if (!answer.location.isEmpty())
        head += "Location: " + answer.location + "\r\n";
    return head + "Connection: keep-alive\r\n\r\n";
}

// Splits one request head ("GET /path HTTP/1.1", headers) off the front of `buffer`; false while incomplete.
bool TakeRequest(QByteArray& buffer, LoopbackTileServer::Request& request) {
    const qsizetype end = buffer.indexOf("\r\n\r\n");
    if (end < 0)
        return false;
    const QList<QByteArray> lines = buffer.left(end).split('\n');
    buffer.remove(0, end + 4);
    request.path = lines.value(0).trimmed().split(' ').value(1);
    for (const QByteArray& line : lines.mid(1))
        if (const qsizetype colon = line.indexOf(':'); colon > 0)
            request.headers[line.left(colon).trimmed().toLower()] = line.mid(colon + 1).trimmed();
    return true;
}

// Sends `rest` a piece at a time; the pieces stop when the socket goes.
void SendSlowly(QTcpSocket* socket, QByteArray rest, qsizetype piece) {
    socket->write(rest.left(piece));
    rest.remove(0, piece);
    if (!rest.isEmpty())
        QTimer::singleShot(kTrickleMs, socket, [socket, rest, piece] { SendSlowly(socket, rest, piece); });
}

void Respond(QTcpSocket* socket, const Answer& answer) {
    const qsizetype size = answer.body.size();
    if (answer.fault == Fault::Trickle) {
        socket->write(Head(answer));
        return SendSlowly(socket, answer.body, (size + kTricklePieces - 1) / kTricklePieces);
    }
    if (answer.fault != Fault::Silent)
        socket->write(Head(answer) + answer.body.left(answer.fault == Fault::None ? size : size / 2));
    if (answer.fault == Fault::Reset) {
        // The reset (RST) a crashed or cut-off server gives, rather than an orderly close.
        socket->flush();
        socket->waitForBytesWritten(1000);
        const linger hard{1, 0};
        setsockopt(int(socket->socketDescriptor()), SOL_SOCKET, SO_LINGER, &hard, sizeof hard);
        socket->abort();
    }
}

} // namespace

LoopbackTileServer::LoopbackTileServer(Certificate certificate) {
    if (certificate != Certificate::None) {
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
            m_baseUrl = QStringLiteral("%1://127.0.0.1:%2/")
                            .arg(certificate == Certificate::None ? "http" : "https")
                            .arg(server->serverPort());
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
        auto buffer = std::make_shared<QByteArray>();
        QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket, buffer, n = ++m_connections] {
            *buffer += socket->readAll();
            for (Request request{n, {}, {}}; TakeRequest(*buffer, request); request = {n, {}, {}})
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
