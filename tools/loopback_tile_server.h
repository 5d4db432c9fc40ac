#pragma once

#include <QByteArray>
#include <QList>
#include <QMutex>
#include <QString>
#include <map>
#include <memory>

class QTcpServer;
class QThread;

// A threaded HTTP/1.1 tile server on 127.0.0.1 for tests and benchmarks, plain or over TLS with the
// certificates the build makes. It answers every path from a table (a 404 page for the rest), can misbehave
// in the ways real servers do, and logs every request with the connection that carried it.
class LoopbackTileServer {
public:
    enum class Certificate { None, Valid, Expired, NotYetValid, WrongHost, UnknownIssuer };

    // Reset and Stall send half the body, then reset the connection or fall silent; Silent never answers;
    // Trickle sends the body in six pieces, one every quarter of a second.
    enum class Fault { None, Reset, Stall, Silent, Trickle };

    struct Answer {
        int status = 200;
        QByteArray body;
        Fault fault = Fault::None;
        QByteArray location; // where a redirect points
    };

    struct Request {
        int connection = 0; // connections are numbered from 1 in the order they were accepted
        QByteArray path;
        std::map<QByteArray, QByteArray> headers; // names in lower case
    };

    // Listens at once; over TLS the test authority joins Qt's default trusted authorities.
    explicit LoopbackTileServer(Certificate certificate = Certificate::None);
    ~LoopbackTileServer();

    // "http://127.0.0.1:<port>/" or "https://..."; empty when the server could not listen.
    QString BaseUrl() const { return m_baseUrl; }

    // Serves `answer` for `path` (e.g. "/12/2032/1362.png") from now on.
    void SetAnswer(const QByteArray& path, const Answer& answer);

    QList<Request> Requests() const;

private:
    void Accept(QTcpServer& server);
    Answer Take(const Request& request); // logs the request and finds its answer

    mutable QMutex m_mutex;
    std::map<QByteArray, Answer> m_answers;
    QList<Request> m_requests;
    QString m_baseUrl;
    int m_connections = 0;
    std::unique_ptr<QThread> m_thread;
};
