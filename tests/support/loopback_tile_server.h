#pragma once

#include <QByteArray>
#include <QList>
#include <QMutex>
#include <QString>
#include <functional>
#include <map>
#include <memory>

// A threaded HTTP/1.1 tile server on 127.0.0.1 for tests and benchmarks, plain or over TLS with the
// certificates the build makes. It answers every path from a table (a 404 page for the rest), can misbehave
// in the ways real servers do, and logs every request with the connection that carried it.
class LoopbackTileServer {
public:
    enum class Certificate { None, Valid, Expired, WrongHost, UnknownIssuer };

    enum class Fault {
        None,
        Reset,  // half the body, then the connection is reset
        Stall,  // half the body, then silence
        Silent, // no answer at all
    };

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
    QString BaseUrl() const;

    // Serves `answer` for `path` (e.g. "/12/2032/1362.png") from now on.
    void SetAnswer(const QByteArray& path, const Answer& answer);

    QList<Request> Requests() const;

private:
    class Thread;
    friend class Thread;

    Answer AnswerFor(const QByteArray& path) const;
    void Log(const Request& request);

    mutable QMutex m_mutex;
    std::map<QByteArray, Answer> m_answers;
    QList<Request> m_requests;
    bool m_tls;
    std::unique_ptr<Thread> m_thread;
};
