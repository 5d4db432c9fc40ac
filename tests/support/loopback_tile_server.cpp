#include "support/loopback_tile_server.h"

#include <QFile>
#include <QSemaphore>
#include <QSslConfiguration>
#include <QSslKey>
#include <QSslServer>
#include <QSslSocket>
#include <QThread>
#include <sys/socket.h>

namespace {

QString CertificateFile(const char* name) {
    return QStringLiteral(TARNWELL_TEST_CERTIFICATES "/") + QLatin1String(name);
}

const char* CertificateName(LoopbackTileServer::Certificate certificate) {
    switch (certificate) {
    case LoopbackTileServer::Certificate::Expired:
        return "expired.pem";
    case LoopbackTileServer::Certificate::WrongHost:
        return "wrong_host.pem";
    case LoopbackTileServer::Certificate::UnknownIssuer:
        return "unknown_issuer.pem";
    default:
        return "valid.pem";
    }
}

void TrustTestAuthority() {
    QSslConfiguration config = QSslConfiguration::defaultConfiguration();
    config.addCaCertificates(CertificateFile("ca.pem"));
    QSslConfiguration::setDefaultConfiguration(config);
}

std::unique_ptr<QTcpServer> MakeServer(LoopbackTileServer::Certificate certificate) {
    if (certificate == LoopbackTileServer::Certificate::None)
        return std::make_unique<QTcpServer>();
    QSslConfiguration config = QSslConfiguration::defaultConfiguration();
    config.setLocalCertificateChain(QSslCertificate::fromPath(CertificateFile(CertificateName(certificate))));
    QFile key(CertificateFile("server.key"));
    key.open(QIODevice::ReadOnly);
    config.setPrivateKey(QSslKey(&key, QSsl::Ec));
    config.setPeerVerifyMode(QSslSocket::VerifyNone);
    auto server = std::make_unique<QSslServer>();
    server->setSslConfiguration(config);
    return server;
}

QByteArray StatusLine(int status) {
    static const std::map<int, QByteArray> reasons{
        {200, "OK"},           {204, "No Content"}, {301, "Moved Permanently"}, {302, "Found"},
        {401, "Unauthorized"}, {403, "Forbidden"},  {404, "Not Found"},         {429, "Too Many Requests"},
        {500, "Server Error"}, {503, "Unavailable"}};
    const auto reason = reasons.find(status);
    return "HTTP/1.1 " + QByteArray::number(status) + ' ' +
           (reason == reasons.end() ? QByteArray("Status") : reason->second) + "\r\n";
}

QByteArray Head(const LoopbackTileServer::Answer& answer) {
    QByteArray head = StatusLine(answer.status);
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
    const QList<QByteArray> words = lines.value(0).trimmed().split(' ');
    request.path = words.value(1);
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const qsizetype colon = lines[i].indexOf(':');
        if (colon > 0)
            request.headers[lines[i].left(colon).trimmed().toLower()] = lines[i].mid(colon + 1).trimmed();
    }
    return true;
}

} // namespace

// The server's own thread: accepts connections and answers requests on its event loop.
class LoopbackTileServer::Thread final : public QThread {
public:
    Thread(LoopbackTileServer& owner, Certificate certificate) : m_owner(owner), m_certificate(certificate) {
        start();
        m_ready.acquire();
    }
    ~Thread() override {
        quit();
        wait();
    }
    quint16 Port() const { return m_port; }

private:
    void run() override {
        std::unique_ptr<QTcpServer> server = MakeServer(m_certificate);
        QObject::connect(server.get(), &QTcpServer::pendingConnectionAvailable, server.get(),
                         [this, &server] { Accept(*server); });
        if (server->listen(QHostAddress::LocalHost))
            m_port = server->serverPort();
        m_ready.release();
        exec();
    }

    void Accept(QTcpServer& server) {
        while (QTcpSocket* socket = server.nextPendingConnection()) {
            const int connection = ++m_connections;
            auto buffer = std::make_shared<QByteArray>();
            QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket, connection, buffer] {
                *buffer += socket->readAll();
                for (Request request{connection, {}, {}}; TakeRequest(*buffer, request);
                     request = {connection, {}, {}}) {
                    m_owner.Log(request);
                    Respond(socket, m_owner.AnswerFor(request.path));
                }
            });
            QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        }
    }

    static void Respond(QTcpSocket* socket, const Answer& answer) {
        if (answer.fault == Fault::Silent)
            return;
        if (answer.fault == Fault::None) {
            socket->write(Head(answer) + answer.body);
            return;
        }
        socket->write(Head(answer) + answer.body.left(answer.body.size() / 2));
        if (answer.fault == Fault::Reset)
            Reset(socket);
    }

    LoopbackTileServer& m_owner;
    Certificate m_certificate;
    QSemaphore m_ready;
    quint16 m_port = 0;
    int m_connections = 0;
};

LoopbackTileServer::LoopbackTileServer(Certificate certificate) : m_tls(certificate != Certificate::None) {
    if (m_tls)
        TrustTestAuthority();
    m_thread = std::make_unique<Thread>(*this, certificate);
}

LoopbackTileServer::~LoopbackTileServer() = default;

QString LoopbackTileServer::BaseUrl() const {
    if (m_thread->Port() == 0)
        return {};
    return QStringLiteral("%1://127.0.0.1:%2/").arg(m_tls ? "https" : "http").arg(m_thread->Port());
}

void LoopbackTileServer::SetAnswer(const QByteArray& path, const Answer& answer) {
    QMutexLocker lock(&m_mutex);
    m_answers[path] = answer;
}

QList<LoopbackTileServer::Request> LoopbackTileServer::Requests() const {
    QMutexLocker lock(&m_mutex);
    return m_requests;
}

LoopbackTileServer::Answer LoopbackTileServer::AnswerFor(const QByteArray& path) const {
    QMutexLocker lock(&m_mutex);
    const auto answer = m_answers.find(path);
    if (answer != m_answers.end())
        return answer->second;
    return {404, "<html><body><h1>404 Not Found</h1>No tile here.</body></html>", Fault::None, {}};
}

void LoopbackTileServer::Log(const Request& request) {
    QMutexLocker lock(&m_mutex);
    m_requests.append(request);
}
