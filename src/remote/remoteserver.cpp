#include "remoteserver.h"

#include "addressrule.h"
#include "remoteservice.h"
#include "requestguard.h"

#include <QElapsedTimer>
#include <QHttpServerRequest>
#include <QLoggingCategory>
#include <QTcpSocket>
#include <QWebSocket>

#include <algorithm>
#include <optional>

namespace lumetra {

Q_DECLARE_LOGGING_CATEGORY(lcRemote)

namespace {

constexpr int kSweepMs = 2000;
constexpr int kSocketMessageBytes = 1024;
constexpr qint64 kReadBuffer = qint64(64) * 1024;
constexpr int kMaxHostHeader = 262;
constexpr int kLingerMs = 250;
constexpr int kAbortMs = 5000;

QByteArray reason(int status)
{
    switch (status) {
    case 101:
        return "Switching Protocols";
    case 200:
        return "OK";
    case 304:
        return "Not Modified";
    case 400:
        return "Bad Request";
    case 403:
        return "Forbidden";
    case 404:
        return "Not Found";
    case 405:
        return "Method Not Allowed";
    case 409:
        return "Conflict";
    case 411:
        return "Length Required";
    case 413:
        return "Content Too Large";
    case 415:
        return "Unsupported Media Type";
    case 426:
        return "Upgrade Required";
    case 429:
        return "Too Many Requests";
    case 431:
        return "Request Header Fields Too Large";
    case 503:
        return "Service Unavailable";
    default:
        return "Error";
    }
}

// The page's live updates go to the host the page came from; a Host header that could not name one is left
// out rather than copied into a header.
QByteArray socketSource(const QByteArray &host)
{
    const bool plain =
        !host.isEmpty() && host.size() <= kMaxHostHeader && std::all_of(host.begin(), host.end(), [](char c) {
            return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.' ||
                   c == ':' || c == '[' || c == ']' || c == '-';
        });
    return plain ? " ws://" + host : QByteArray();
}

QString guardReason(int status)
{
    switch (status) {
    case 411:
        return QCoreApplication::translate("RemoteServer", "A request body needs its length.");
    case 413:
        return QCoreApplication::translate("RemoteServer", "The request is too large.");
    case 431:
        return QCoreApplication::translate("RemoteServer", "The request's headers are too large.");
    default:
        return QCoreApplication::translate("RemoteCall", "Bad request.");
    }
}

// Answers and closes a connection a little later. What the client sends meanwhile is read and dropped, so
// that closing does not reset the connection and lose the answer before the client has read it.
void refuse(QTcpSocket *socket, const QByteArray &answer)
{
    socket->write(answer);
    socket->readAll();
    QObject::connect(socket, &QTcpSocket::readyRead, socket, [socket] { socket->readAll(); });
    QTimer::singleShot(kLingerMs, socket, [socket] {
        socket->readAll();
        socket->disconnectFromHost();
    });
    QTimer::singleShot(kLingerMs + kAbortMs, socket, &QTcpSocket::abort);
}

qint64 now()
{
    static QElapsedTimer clock;
    if (!clock.isValid())
        clock.start();
    return clock.elapsed();
}

QByteArray methodName(QHttpServerRequest::Method method)
{
    switch (method) {
    case QHttpServerRequest::Method::Get:
        return "GET";
    case QHttpServerRequest::Method::Post:
        return "POST";
    case QHttpServerRequest::Method::Head:
        return "HEAD";
    case QHttpServerRequest::Method::Put:
        return "PUT";
    case QHttpServerRequest::Method::Delete:
        return "DELETE";
    case QHttpServerRequest::Method::Options:
        return "OPTIONS";
    default:
        return "OTHER";
    }
}

// A WebSocket handshake as browsers send it. Qt's own handshake closes any other without an answer and
// writes a warning to the log for each.
bool isHandshake(const QHttpServerRequest &request)
{
    bool upgrade = false;
    for (const QByteArray &token : request.value("connection").split(','))
        upgrade = upgrade || token.trimmed().compare("upgrade", Qt::CaseInsensitive) == 0;
    const auto key = QByteArray::fromBase64Encoding(request.value("sec-websocket-key"),
                                                    QByteArray::AbortOnBase64DecodingErrors);
    return upgrade && request.method() == QHttpServerRequest::Method::Get &&
           request.value("upgrade") == "websocket" && request.value("sec-websocket-version") == "13" && key &&
           key.decoded.size() == 16;
}

QLoggingCategory::CategoryFilter previousFilter = nullptr;

// Qt's server warns of every WebSocket request it is told to turn down; the remote counts them itself.
void quietHttpServer(QLoggingCategory *category)
{
    if (previousFilter)
        previousFilter(category);
    if (qstrcmp(category->categoryName(), "qt.httpserver") == 0)
        category->setEnabled(QtWarningMsg, false);
}

RemoteRequest toRemote(const QHttpServerRequest &request)
{
    RemoteRequest remote;
    remote.method = methodName(request.method());
    remote.path = request.url().path(QUrl::FullyDecoded);
    remote.query = request.query();
    remote.body = request.body();
    remote.contentType = request.value("content-type");
    remote.ifNoneMatch = request.value("if-none-match");
    remote.origin = request.value("origin");
    // The server keeps the Host header in the request's address.
    remote.host = request.url().authority(QUrl::FullyEncoded).toLatin1();
    remote.client = clientName(request.remoteAddress());
    return remote;
}

} // namespace

// One connection's watch: its bytes through a RequestGuard, when its request began and when the last one
// ended, whether Qt's WebSocket server took it over and whether it showed the token.
class ConnectionWatch : public QObject
{
public:
    ConnectionWatch(QTcpSocket *socket, QObject *http, QString client)
        : QObject(socket)
        , m_socket(socket)
        , m_http(http)
        , m_client(std::move(client))
        , m_requestStarted(now())
        , m_lastDone(m_requestStarted)
    {
        connect(socket, &QTcpSocket::readyRead, this, &ConnectionWatch::read);
    }

    const QString &client() const { return m_client; }
    const QTcpSocket *socket() const { return m_socket; }
    // Its bytes are WebSocket frames from now on, which Qt reads without us.
    bool upgraded() const { return m_upgraded; }
    void setUpgraded() { m_upgraded = true; }
    // A phone of the party's: no room is made at its cost.
    bool trusted() const { return m_trusted || m_upgraded; }
    void setTrusted() { m_trusted = true; }
    bool overdue(qint64 at, const GuardedTcpServer::Limits &limits) const
    {
        if (m_upgraded || m_guard.status() != 0)
            return false;
        // The first request is under way from the moment of connecting.
        if (m_guard.midRequest() || m_guard.requests() == 0)
            return at - m_requestStarted > limits.requestMs;
        return at - m_lastDone > limits.idleMs;
    }
    void close() { m_socket->abort(); }

private:
    void read()
    {
        if (m_guard.status() != 0)
            return; // refuse() drops them
        // Only the bytes that came since the server last read (it reads all it has, inside a transaction).
        const QByteArray fresh = m_socket->peek(m_socket->bytesAvailable());
        if (fresh.isEmpty())
            return;
        const int done = m_guard.requests();
        if (done > 0 && !m_guard.midRequest())
            m_requestStarted = now();
        const int status = m_guard.feed(fresh);
        if (m_guard.requests() != done)
            m_lastDone = now();
        if (status == 0)
            return;
        qCInfo(lcRemote) << "refused a request of" << m_client << "with" << status;
        // The server reads no more of it.
        QObject::disconnect(m_socket, &QTcpSocket::readyRead, m_http, nullptr);
        refuse(m_socket, responseBytes(RemoteResponse::text(status, guardReason(status)), {}, false, true));
    }

    QTcpSocket *m_socket;
    QObject *m_http;
    QString m_client;
    RequestGuard m_guard;
    qint64 m_requestStarted = 0;
    qint64 m_lastDone = 0;
    bool m_upgraded = false;
    bool m_trusted = false;
};

QByteArray responseBytes(const RemoteResponse &response, const QByteArray &host, bool head, bool close)
{
    const bool bodyless = response.status == 304 || response.status < 200;
    QByteArray out =
        "HTTP/1.1 " + QByteArray::number(response.status) + ' ' + reason(response.status) + "\r\n";
    if (!response.contentType.isEmpty())
        out += "Content-Type: " + response.contentType + "\r\n";
    if (!bodyless)
        out += "Content-Length: " + QByteArray::number(response.body.size()) + "\r\n";
    if (!response.etag.isEmpty())
        out += "ETag: " + response.etag + "\r\n";
    out += response.revalidate ? "Cache-Control: private, no-cache\r\n" : "Cache-Control: no-store\r\n";
    // Scripts, styles and pictures only from the page's own files; nothing inline, nothing from elsewhere.
    out +=
        "Content-Security-Policy: default-src 'none'; script-src 'self'; style-src 'self'; img-src 'self'; "
        "connect-src 'self'" +
        socketSource(host) + "; base-uri 'none'; form-action 'none'; frame-ancestors 'none'\r\n";
    out += "X-Content-Type-Options: nosniff\r\n"
           "Referrer-Policy: no-referrer\r\n"
           "X-Frame-Options: DENY\r\n"
           "Cross-Origin-Resource-Policy: same-origin\r\n";
    if (close)
        out += "Connection: close\r\n";
    out += "\r\n";
    if (!head && !bodyless)
        out += response.body;
    return out;
}

GuardedTcpServer::GuardedTcpServer(QObject *http, Limits limits, QObject *parent)
    : QTcpServer(parent)
    , m_http(http)
    , m_limits(limits)
{
    m_sweep.setInterval(std::min(kSweepMs, m_limits.requestMs / 2));
    connect(&m_sweep, &QTimer::timeout, this, &GuardedTcpServer::sweep);
    m_sweep.start();
}

void GuardedTcpServer::incomingConnection(qintptr descriptor)
{
    auto *socket = new QTcpSocket(this);
    if (!socket->setSocketDescriptor(descriptor)) {
        delete socket;
        return;
    }
    socket->setReadBufferSize(kReadBuffer);
    const QString client = clientName(socket->peerAddress());
    m_watches.removeAll(nullptr);
    const auto fromClient =
        std::count_if(m_watches.begin(), m_watches.end(), [&](const QPointer<ConnectionWatch> &watch) {
            return !watch->upgraded() && watch->client() == client;
        });
    std::optional<RemoteResponse> refusal;
    if (!isLocalClient(socket->peerAddress())) {
        qCInfo(lcRemote) << "refused a client outside the local network:" << client;
        refusal = RemoteResponse::text(403, QCoreApplication::translate("RemoteService", "Forbidden."));
    } else if (fromClient >= m_limits.perClient || !makeRoom()) {
        refusal = RemoteResponse::text(
            503,
            QCoreApplication::translate("RemoteServer", "Too many connections; please try again later."));
    }
    if (refusal) {
        // Answered without the request being looked at.
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        refuse(socket, responseBytes(*refusal, {}, false, true));
        return;
    }
    m_watches.append(new ConnectionWatch(socket, m_http, client));
    addPendingConnection(socket);
}

bool GuardedTcpServer::makeRoom()
{
    if (m_watches.size() < m_limits.total)
        return true;
    // The longest-held connection that never showed the token goes: idle ones from a few devices cannot
    // keep the party's phones out.
    const auto stranger =
        std::find_if(m_watches.begin(), m_watches.end(),
                     [](const QPointer<ConnectionWatch> &watch) { return !watch->trusted(); });
    if (stranger == m_watches.end())
        return false;
    qCInfo(lcRemote) << "closed a connection without the token of" << (*stranger)->client() << "to make room";
    (*stranger)->close();
    m_watches.erase(stranger);
    return true;
}

ConnectionWatch *GuardedTcpServer::watchOf(const QTcpSocket *socket) const
{
    for (const QPointer<ConnectionWatch> &watch : m_watches) {
        if (watch && watch->socket() == socket)
            return watch;
    }
    return nullptr;
}

void GuardedTcpServer::markTrusted(const QTcpSocket *socket)
{
    if (ConnectionWatch *watch = watchOf(socket))
        watch->setTrusted();
}

void GuardedTcpServer::markUpgraded(const QTcpSocket *socket)
{
    if (ConnectionWatch *watch = watchOf(socket))
        watch->setUpgraded();
}

void GuardedTcpServer::sweep()
{
    const qint64 at = now();
    m_watches.removeAll(nullptr);
    for (const QPointer<ConnectionWatch> &watch : std::as_const(m_watches)) {
        if (watch->overdue(at, m_limits))
            watch->close();
    }
}

RemoteServer::RemoteServer(RemoteService &service, QObject *parent)
    : RemoteServer(service, Limits{}, parent)
{
}

RemoteServer::RemoteServer(RemoteService &service, Limits limits, QObject *parent)
    : QAbstractHttpServer(parent)
    , m_service(service)
    , m_limits(limits)
{
    static const bool quiet = [] {
        previousFilter = QLoggingCategory::installFilter(quietHttpServer);
        return true;
    }();
    Q_UNUSED(quiet)
    connect(this, &QAbstractHttpServer::newWebSocketConnection, this, &RemoteServer::admitSockets);
    connect(&m_service, &RemoteService::stateChanged, this, &RemoteServer::broadcast);
    connect(&m_service, &RemoteService::noticeSent, this, &RemoteServer::broadcast);
}

RemoteServer::~RemoteServer()
{
    if (m_refusedSockets > 1)
        qCInfo(lcRemote) << m_refusedSockets << "WebSocket requests were refused";
    closeSockets();
}

bool RemoteServer::listen(quint16 port, QString *error)
{
    auto *tcp = new GuardedTcpServer(this, m_limits.connections, this);
    if (!tcp->listen(QHostAddress::Any, port)) {
        if (error) {
            *error = tcp->serverError() == QAbstractSocket::AddressInUseError
                         ? tr("Port %1 is already in use by another program.").arg(port)
                         : tcp->errorString();
        }
        delete tcp;
        return false;
    }
    m_tcp = tcp;
    bind(tcp);
    qCInfo(lcRemote) << "listening on port" << tcp->serverPort();
    return true;
}

quint16 RemoteServer::port() const
{
    return m_tcp ? m_tcp->serverPort() : 0;
}

bool RemoteServer::handleRequest(const QHttpServerRequest &request, QTcpSocket *socket)
{
    const RemoteRequest remote = toRemote(request);
    const QByteArray host = remote.host;
    if (m_service.hasToken(remote))
        m_tcp->markTrusted(socket);
    // Qt asks before it hands a connection to its WebSocket server, with the request not yet taken from the
    // socket; every other request comes read, whatever its headers say.
    if (socket->isTransactionStarted()) {
        std::optional<RemoteResponse> refusal = m_service.admitSocket(remote);
        if (!refusal && !isHandshake(request))
            refusal = RemoteResponse::text(400, tr("This is not a WebSocket request."));
        if (!refusal &&
            (socketCount() >= m_limits.sockets || socketsOf(remote.client) >= m_limits.socketsPerClient))
            refusal = RemoteResponse::text(503, tr("Too many pages are open; please try again later."));
        if (!refusal) {
            m_tcp->markUpgraded(socket);
            return true;
        }
        // Qt answers it through missingHandler() and closes. Qt's warning of each is kept out of the log
        // (quietHttpServer); they are counted here, each once, the first logged and the rest summed up at the
        // end, so that a stream of them cannot flood the log.
        if (m_refusedSockets++ == 0)
            qCInfo(lcRemote).noquote()
                << "refused a WebSocket request of" << remote.client << "with" << refusal->status;
        m_refusal = responseBytes(*refusal, host, false, true);
        return false;
    }
    const bool close = request.value("connection").compare("close", Qt::CaseInsensitive) == 0;
    const QPointer<QTcpSocket> guarded(socket);
    m_service.handle(remote, [guarded, host, close](const RemoteResponse &response) {
        // The client may have gone while its answer was made.
        if (!guarded || guarded->state() != QAbstractSocket::ConnectedState)
            return;
        // A refused client has nothing more to ask on this connection.
        const bool last = close || response.status >= 400;
        guarded->write(responseBytes(response, host, false, last));
        if (last)
            guarded->disconnectFromHost();
    });
    return true;
}

void RemoteServer::missingHandler(const QHttpServerRequest &, QTcpSocket *socket)
{
    socket->write(m_refusal.isEmpty()
                      ? responseBytes(RemoteResponse::text(404, tr("Not found.")), {}, false, true)
                      : std::exchange(m_refusal, {}));
}

void RemoteServer::admitSockets()
{
    while (hasPendingWebSocketConnections()) {
        QWebSocket *socket = nextPendingWebSocketConnection().release();
        if (!socket)
            continue;
        socket->setParent(this);
        socket->setMaxAllowedIncomingFrameSize(kSocketMessageBytes);
        socket->setMaxAllowedIncomingMessageSize(kSocketMessageBytes);
        socket->setReadBufferSize(kReadBuffer);
        connect(socket, &QWebSocket::disconnected, this, [this, socket] {
            m_sockets.removeAll(socket);
            socket->deleteLater();
        });
        m_sockets.append(socket);
        socket->sendTextMessage(QString::fromUtf8(m_service.stateMessage()));
    }
}

int RemoteServer::socketsOf(const QString &client) const
{
    return int(std::count_if(m_sockets.begin(), m_sockets.end(), [&](const QPointer<QWebSocket> &socket) {
        return socket && clientName(socket->peerAddress()) == client;
    }));
}

void RemoteServer::broadcast(const QByteArray &message)
{
    const QString text = QString::fromUtf8(message);
    for (const QPointer<QWebSocket> &socket : std::as_const(m_sockets)) {
        if (!socket)
            continue;
        // A page that reads nothing any more is let go rather than queued for without end.
        if (socket->bytesToWrite() > m_limits.socketBacklog) {
            socket->abort();
            continue;
        }
        socket->sendTextMessage(text);
    }
}

void RemoteServer::closeSockets()
{
    for (const QPointer<QWebSocket> &socket : std::exchange(m_sockets, {})) {
        if (socket) {
            socket->disconnect(this);
            socket->close(QWebSocketProtocol::CloseCodePolicyViolated);
            socket->deleteLater();
        }
    }
}

} // namespace lumetra
