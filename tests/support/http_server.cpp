#include "support/http_server.h"

#include <QHostAddress>
#include <QMutexLocker>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>
#include <QTimer>
#include <memory>

HttpAnswer HttpAnswer::html(const QByteArray& body) {
    HttpAnswer answer;
    answer.body = body;
    return answer;
}

HttpAnswer HttpAnswer::redirect(const QByteArray& location) {
    HttpAnswer answer;
    answer.statusLine = "HTTP/1.1 302 Found";
    answer.headers = {{"Location", location}};
    return answer;
}

HttpAnswer HttpAnswer::notFound() {
    HttpAnswer answer;
    answer.statusLine = "HTTP/1.1 404 Not Found";
    answer.headers = {{"Content-Type", "text/plain"}};
    answer.body = "not found";
    return answer;
}

namespace {

QByteArray pathOf(const QByteArray& target) {
    int query = target.indexOf('?');
    return query < 0 ? target : target.left(query);
}

// The length of the first complete request in buffer (head and body), or 0 while incomplete.
qsizetype completeRequestLength(const QByteArray& buffer) {
    qsizetype headEnd = buffer.indexOf("\r\n\r\n");
    if (headEnd < 0) return 0;
    qsizetype bodyLength = 0;
    for (const QByteArray& line : buffer.left(headEnd).split('\n')) {
        int colon = line.indexOf(':');
        if (colon > 0 && line.left(colon).trimmed().toLower() == "content-length")
            bodyLength = line.mid(colon + 1).trimmed().toLongLong();
    }
    qsizetype total = headEnd + 4 + bodyLength;
    return buffer.size() >= total ? total : 0;
}

// The bytes after the head, in the pieces they are written in.
QList<QByteArray> bodyPieces(const HttpAnswer& answer) {
    QList<QByteArray> pieces;
    if (answer.chunkSize > 0) {
        for (qsizetype at = 0; at < answer.body.size(); at += answer.chunkSize) {
            QByteArray data = answer.body.mid(at, answer.chunkSize);
            pieces << QByteArray::number(data.size(), 16) + "\r\n" + data + "\r\n";
        }
        pieces << "0\r\n\r\n";
    } else if (!answer.body.isEmpty()) {
        pieces << answer.body;
    }
    if (answer.closeAfterBytes >= 0) {
        qsizetype budget = answer.closeAfterBytes;
        QList<QByteArray> cut;
        for (const QByteArray& piece : pieces) {
            if (budget <= 0) break;
            cut << piece.left(budget);
            budget -= cut.last().size();
        }
        pieces = cut;
    }
    return pieces;
}

QByteArray headOf(const HttpAnswer& answer) {
    QByteArray head = answer.statusLine + "\r\n";
    for (const auto& [name, value] : answer.headers)
        head += name + ": " + value + "\r\n";
    if (answer.chunkSize > 0)
        head += "Transfer-Encoding: chunked\r\n";
    else
        head += "Content-Length: " + QByteArray::number(answer.body.size()) + "\r\n";
    head += "Connection: close\r\n\r\n";
    return head;
}

// Writes the pieces one after another, each after the answer's delay, then closes.
void writePieces(QTcpSocket* socket, std::shared_ptr<QList<QByteArray>> pieces, int delayMs) {
    if (pieces->isEmpty()) {
        socket->disconnectFromHost();
        return;
    }
    QTimer::singleShot(delayMs, socket, [socket, pieces, delayMs] {
        socket->write(pieces->takeFirst());
        writePieces(socket, pieces, delayMs);
    });
}

void serve(HttpServer* server, QTcpSocket* socket) {
    auto buffer = std::make_shared<QByteArray>();
    QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    QObject::connect(socket, &QTcpSocket::readyRead, socket, [server, socket, buffer] {
        *buffer += socket->readAll();
        qsizetype length = completeRequestLength(*buffer);
        if (length == 0) return;
        QByteArray request = buffer->left(length);
        // One answer per connection: later bytes on it are ignored.
        QObject::disconnect(socket, &QTcpSocket::readyRead, nullptr, nullptr);
        server->record(request);
        QList<QByteArray> requestLine = request.left(request.indexOf("\r\n")).split(' ');
        HttpAnswer answer = server->answerFor(requestLine.value(1));
        socket->write(headOf(answer));
        writePieces(socket, std::make_shared<QList<QByteArray>>(bodyPieces(answer)),
                    answer.delayMs);
    });
}

} // namespace

HttpServer::HttpServer() {
    thread_ = new QThread;
    thread_->start();
    listener_ = new QTcpServer;
    listener_->moveToThread(thread_);
    QMetaObject::invokeMethod(
        listener_,
        [this] {
            QObject::connect(listener_, &QTcpServer::newConnection, listener_, [this] {
                while (QTcpSocket* socket = listener_->nextPendingConnection())
                    serve(this, socket);
            });
            listener_->listen(QHostAddress::LocalHost, 0);
            port_ = listener_->serverPort();
        },
        Qt::BlockingQueuedConnection);
}

HttpServer::~HttpServer() {
    // The sockets are the listener's children: they go with it, on the serving thread.
    QMetaObject::invokeMethod(
        listener_, [this] { delete listener_; }, Qt::BlockingQueuedConnection);
    thread_->quit();
    thread_->wait();
    delete thread_;
}

QString HttpServer::url(const QString& path) const {
    return QStringLiteral("http://127.0.0.1:%1%2").arg(port_).arg(path);
}

void HttpServer::route(const QByteArray& path, const HttpAnswer& answer) {
    QMutexLocker lock(&mutex_);
    routes_[path] = answer;
}

QList<QByteArray> HttpServer::requests() const {
    QMutexLocker lock(&mutex_);
    return requests_;
}

int HttpServer::requestCount(const QByteArray& path) const {
    QMutexLocker lock(&mutex_);
    int count = 0;
    for (const QByteArray& request : requests_) {
        QList<QByteArray> requestLine = request.left(request.indexOf("\r\n")).split(' ');
        if (pathOf(requestLine.value(1)) == path) ++count;
    }
    return count;
}

HttpAnswer HttpServer::answerFor(const QByteArray& target) const {
    QMutexLocker lock(&mutex_);
    auto it = routes_.find(pathOf(target));
    return it == routes_.end() ? HttpAnswer::notFound() : it->second;
}

void HttpServer::record(const QByteArray& request) {
    QMutexLocker lock(&mutex_);
    requests_ << request;
}
