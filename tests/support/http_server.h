#pragma once

// A loopback HTTP/1.1 server for tests. It runs on a thread of its own, so code that blocks the
// test's thread (a synchronous download, a nested wait) is still answered. Every connection gets
// one answer and is then closed.

#include <QByteArray>
#include <QList>
#include <QMutex>
#include <QPair>
#include <QString>
#include <map>

class QThread;
class QTcpServer;

// What the server sends for a path.
struct HttpAnswer {
    QByteArray statusLine = "HTTP/1.1 200 OK";
    // Sent as given; Content-Length (or Transfer-Encoding: chunked) and Connection: close are
    // added by the server.
    QList<QPair<QByteArray, QByteArray>> headers = {{"Content-Type", "text/html; charset=utf-8"}};
    QByteArray body;
    // Pause after the headers before the body; with chunked, before every chunk.
    int delayMs = 0;
    // Send the body in chunks of this many bytes with chunked transfer coding (0: plain body).
    int chunkSize = 0;
    // Close the connection after this many bytes following the head (as encoded when chunked),
    // though the head promised more (-1: send everything).
    int closeAfterBytes = -1;

    static HttpAnswer html(const QByteArray& body);
    static HttpAnswer redirect(const QByteArray& location);
    static HttpAnswer notFound();
};

class HttpServer {
public:
    // Listens on 127.0.0.1 on a free port before returning.
    HttpServer();
    ~HttpServer();
    HttpServer(const HttpServer&) = delete;
    HttpServer& operator=(const HttpServer&) = delete;

    // "http://127.0.0.1:<port>" plus path (which starts with "/").
    QString url(const QString& path) const;
    quint16 port() const { return port_; }

    // The answer for a path (without the query); unknown paths get 404. May be changed while
    // requests are served.
    void route(const QByteArray& path, const HttpAnswer& answer);

    // Every request received so far, as the exact bytes of its head and body.
    QList<QByteArray> requests() const;
    // How many requests asked for the path (without the query).
    int requestCount(const QByteArray& path) const;

    // Used by the serving thread: the answer for a request target, the record of a request.
    HttpAnswer answerFor(const QByteArray& target) const;
    void record(const QByteArray& request);

private:
    QThread* thread_ = nullptr;
    QTcpServer* listener_ = nullptr; // lives on thread_
    quint16 port_ = 0;
    mutable QMutex mutex_;
    std::map<QByteArray, HttpAnswer> routes_;
    QList<QByteArray> requests_;
};
