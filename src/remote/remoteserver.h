#pragma once

#include <QAbstractHttpServer>
#include <QByteArray>
#include <QList>
#include <QPointer>
#include <QString>
#include <QTcpServer>
#include <QTimer>

class QWebSocket;

namespace lumetra {

class ConnectionWatch;
class RemoteService;

// The listening socket: refuses clients from outside the local network with a 403 before any of their bytes
// are read, limits connections per client and in all, and watches each connection's bytes (RequestGuard)
// so an oversized or endless request is answered and closed before it is held whole. When every place is
// taken, the oldest connection that never carried the token makes room.
class GuardedTcpServer : public QTcpServer
{
    Q_OBJECT
public:
    struct Limits {
        int perClient = 32;
        int total = 256;
        int requestMs = 10000; // to send a whole request, the first one from the moment of connecting
        int idleMs = 60000;    // a kept-alive connection with nothing asked
    };
    // `http` is the server that reads the connections: it stops reading one that is refused.
    GuardedTcpServer(QObject *http, Limits limits, QObject *parent = nullptr);

    // A request on the connection carried the token.
    void markTrusted(const QTcpSocket *socket);
    // Qt's WebSocket server took the connection over: its own limits hold from now on.
    void markUpgraded(const QTcpSocket *socket);

protected:
    void incomingConnection(qintptr descriptor) override;

private:
    bool makeRoom();
    ConnectionWatch *watchOf(const QTcpSocket *socket) const;
    void sweep();

    QObject *m_http;
    Limits m_limits;
    QTimer m_sweep;
    QList<QPointer<ConnectionWatch>> m_watches;
};

// The phone remote's HTTP and WebSocket server on every interface of one port: hands each request to the
// service and writes its answer with the page's security headers; keeps the pages' WebSockets and tells
// them every change of the state. Lives on the window's thread; deleting it closes the port and every
// connection.
class RemoteServer : public QAbstractHttpServer
{
    Q_OBJECT
public:
    struct Limits {
        GuardedTcpServer::Limits connections;
        int socketsPerClient = 64;
        int sockets = 256;
        qint64 socketBacklog =
            qint64(1024) * 1024; // unsent bytes before a page that reads nothing is dropped
    };
    explicit RemoteServer(RemoteService &service, QObject *parent = nullptr);
    RemoteServer(RemoteService &service, Limits limits, QObject *parent = nullptr);
    ~RemoteServer() override;

    // Listens on `port` of every interface (0: any free port); false with `error` when it cannot.
    bool listen(quint16 port, QString *error = nullptr);
    quint16 port() const;
    int socketCount() const { return int(m_sockets.size()); }
    // WebSocket requests refused (a wrong token, not a handshake, too many pages), each counted once.
    int refusedSockets() const { return m_refusedSockets; }
    // Every page's WebSocket is closed: a new token was drawn.
    void closeSockets();

protected:
    bool handleRequest(const QHttpServerRequest &request, QTcpSocket *socket) override;
    void missingHandler(const QHttpServerRequest &request, QTcpSocket *socket) override;

private:
    void admitSockets();
    void broadcast(const QByteArray &message);
    int socketsOf(const QString &client) const;

    RemoteService &m_service;
    Limits m_limits;
    GuardedTcpServer *m_tcp = nullptr;
    QList<QPointer<QWebSocket>> m_sockets;
    QByteArray m_refusal; // the answer to a WebSocket request handleRequest() turned down
    int m_refusedSockets = 0;
};

// The raw bytes of an answer: status line, headers (the security headers among them) and body.
struct RemoteResponse;
QByteArray responseBytes(const RemoteResponse &response, const QByteArray &host, bool head, bool close);

} // namespace lumetra
