#include "remote/remoteserver.h"
#include "remotetesting.h"
#include "support/testlibrary.h"

#include <QLoggingCategory>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QWebSocket>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace lumetra;
using namespace lumetra::test;

namespace {

const QString kState = u"/api/state?t="_s + QString::fromLatin1(kToken);

// What the server sends back to raw bytes on one connection, until it closes or `ms` pass.
QByteArray exchange(quint16 port, const QByteArray &bytes, int ms = 3000)
{
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, port);
    socket.write(bytes); // sent once connected
    QByteArray got;
    waitFor(
        [&] {
            got += socket.readAll();
            return socket.state() == QAbstractSocket::UnconnectedState;
        },
        ms);
    return got + socket.readAll();
}

// The server on a free loopback port over a one-album catalogue and a recording host.
class RemoteServerTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(writeCatalogue(m_dir.path(), {{u"Alpha"_s, true, {u"a.ogg"_s}}}));
        serve({}, {.perClient = 3, .total = 256, .requestMs = 300});
    }
    void serve(RemoteService::Limits service, GuardedTcpServer::Limits connections)
    {
        m_server.reset();
        m_service = std::make_unique<RemoteService>(
            m_host,
            RemoteService::Options{m_dir.filePath(u"tracks.lum"_s), {}, m_dir.filePath(u"cache"_s), kToken},
            service);
        m_server = std::make_unique<RemoteServer>(*m_service, RemoteServer::Limits{connections});
        ASSERT_TRUE(m_server->listen(0));
        m_port = m_server->port();
    }

    QByteArray get(const QString &target) const
    {
        return "GET " + target.toUtf8() + " HTTP/1.1\r\nHost: 127.0.0.1:" + QByteArray::number(m_port) +
               "\r\nConnection: close\r\n\r\n";
    }

    QTemporaryDir m_dir;
    FakeHost m_host;
    std::unique_ptr<RemoteService> m_service;
    std::unique_ptr<RemoteServer> m_server;
    quint16 m_port = 0;
};

TEST_F(RemoteServerTest, AnswersCarryTheSecurityHeadersAndErrorsAShortText)
{
    const QByteArray state = exchange(m_port, get(kState));
    EXPECT_TRUE(state.startsWith("HTTP/1.1 200 OK\r\n")) << state.data();
    for (const char *header :
         {"Content-Security-Policy: default-src 'none'; script-src 'self';",
          "connect-src 'self' ws://127.0.0.1:", "X-Content-Type-Options: nosniff",
          "Referrer-Policy: no-referrer", "Cache-Control: no-store", "Content-Type: application/json"})
        EXPECT_TRUE(state.contains(header)) << header;
    EXPECT_TRUE(state.contains("\"mode\""));

    const QByteArray refused = exchange(m_port, get(u"/api/state?t=wrong"_s));
    EXPECT_TRUE(refused.startsWith("HTTP/1.1 403 Forbidden\r\n")) << refused.data();
    EXPECT_TRUE(refused.contains("Content-Security-Policy"));
    EXPECT_TRUE(refused.endsWith("Forbidden.\n"));
    // Browsers ask for the icon without the token.
    const QByteArray icon = exchange(m_port, get(u"/favicon.ico"_s));
    EXPECT_TRUE(icon.startsWith("HTTP/1.1 200 OK\r\n") && icon.contains("Content-Type: image/png\r\n"));
}

struct Attack {
    const char *name;
    QByteArray bytes;   // what each connection sends; TOKEN is the token
    int connections;    // of a server with 8 places
    const char *answer; // how each answer begins; "" when there is none
    int sockets = 0;    // of them refused as WebSocket requests, counted without a warning from Qt each
};

class AttackTest : public RemoteServerTest, public ::testing::WithParamInterface<Attack>
{
};

// One device's connections, answered as the row says (or not at all) and closed soon after, before anything
// oversized is held whole (the request guard's table has the other refusals), while a phone with the token is
// served within a second, and one that came before keeps its connection for its next request.
TEST_P(AttackTest, LeavesAPhoneWithTheTokenServed)
{
    const Attack &c = GetParam();
    serve({.perSecond = 1000, .burst = 1000}, {.perClient = 100, .total = 8, .requestMs = 300});
    const QByteArray state = get(kState).replace("Connection: close", "");
    QTcpSocket before;
    QByteArray heard;
    const auto answered = [&](int times) {
        return waitFor([&] { return (heard += before.readAll()).count("HTTP/1.1 200") == times; });
    };
    before.connectToHost(QHostAddress::LocalHost, m_port);
    before.write(state);
    ASSERT_TRUE(answered(1));
    std::vector<std::unique_ptr<QTcpSocket>> attackers;
    for (int i = 0; i < c.connections; ++i) {
        attackers.push_back(std::make_unique<QTcpSocket>());
        attackers.back()->connectToHost(QHostAddress::LocalHost, m_port);
        attackers.back()->write(QByteArray(c.bytes).replace("TOKEN", kToken));
    }
    waitFor([] { return false; }, 100); // the server takes them in
    const QByteArray served = exchange(m_port, get(kState), 1000);
    EXPECT_TRUE(served.startsWith("HTTP/1.1 200")) << served.left(40).data();

    QByteArray answers;
    EXPECT_TRUE(waitFor([&] {
        int open = 0;
        for (const auto &attacker : attackers) {
            answers += attacker->readAll();
            open += attacker->state() != QAbstractSocket::UnconnectedState ? 1 : 0;
        }
        return open == 0;
    }));
    EXPECT_EQ(answers.isEmpty(), !*c.answer);
    EXPECT_EQ(answers.count("HTTP/1.1 "), *c.answer ? answers.count(c.answer) : 0) << answers.left(80).data();
    EXPECT_EQ(m_server->refusedSockets(), c.sockets);
    EXPECT_FALSE(QLoggingCategory("qt.httpserver").isWarningEnabled());
    before.write(state);
    EXPECT_TRUE(answered(2));
}

const QByteArray kUpgrade = "GET /socket?t=TOKEN HTTP/1.1\r\nHost: x\r\nUpgrade: websocket\r\n";
const QByteArray kHandshake = "Connection: Upgrade\r\nSec-WebSocket-Key: dGhlIHNhbXBsZSBub25jZQ==\r\n"
                              "Sec-WebSocket-Version: 13\r\n";

INSTANTIATE_TEST_SUITE_P(
    Attacks, AttackTest,
    ::testing::Values(
        Attack{"HeadTooLarge", "GET / HTTP/1.1\r\nX: " + QByteArray(9000, 'a') + "\r\n\r\n", 1,
               "HTTP/1.1 431 "},
        Attack{"UpgradeWithoutConnection",
               kUpgrade + QByteArray(kHandshake).replace("Connection: Upgrade\r\n", "") + "\r\n", 6,
               "HTTP/1.1 426 "},
        Attack{"HandshakeWithoutKey", kUpgrade + "Connection: Upgrade\r\n\r\n", 6, "HTTP/1.1 400 ", 6},
        Attack{"WebSocketWithoutTheToken",
               QByteArray(kUpgrade).replace("TOKEN", "wrong") + kHandshake + "\r\n", 6, "HTTP/1.1 403 ", 6},
        Attack{"IdleConnections", {}, 12, ""},
        Attack{"RequestsNeverFinished", "GET /api/state HTTP/1.1\r\nHost: x\r\n", 12, ""}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(RemoteServerTest, TooManyConnectionsFromOneClientAreTurnedAway)
{
    std::vector<std::unique_ptr<QTcpSocket>> open;
    for (int i = 0; i < 3; ++i) {
        open.push_back(std::make_unique<QTcpSocket>());
        open.back()->connectToHost(QHostAddress::LocalHost, m_port);
        ASSERT_TRUE(waitFor([&] { return open.back()->state() == QAbstractSocket::ConnectedState; }));
    }
    waitFor([] { return false; }, 100); // the server takes them in
    const QByteArray answer = exchange(m_port, get(kState));
    EXPECT_TRUE(answer.startsWith("HTTP/1.1 503")) << answer.data();
}

TEST_F(RemoteServerTest, PagesHearOfEachChangeOverTheirWebSocket)
{
    serve({}, {.perClient = 3, .total = 256, .requestMs = 300, .idleMs = 300}); // pages are not requests
    QWebSocket refused;
    bool refusedOpened = false;
    QObject::connect(&refused, &QWebSocket::connected, [&] { refusedOpened = true; });
    refused.open(QUrl(u"ws://127.0.0.1:%1/socket?t=wrong"_s.arg(m_port)));
    waitFor([&] { return refused.state() == QAbstractSocket::UnconnectedState && !refusedOpened; }, 2000);
    EXPECT_FALSE(refusedOpened);

    QWebSocket page;
    QStringList heard;
    QObject::connect(&page, &QWebSocket::textMessageReceived,
                     [&](const QString &text) { heard.append(text); });
    page.open(QUrl(u"ws://127.0.0.1:%1/socket?t=%2"_s.arg(m_port).arg(QString::fromLatin1(kToken))));
    ASSERT_TRUE(waitFor([&] { return heard.size() == 1; }));
    EXPECT_EQ(m_server->socketCount(), 1);
    waitFor([] { return false; }, 800);

    m_host.current.queue = QStringList{u"x  -  Alpha"_s};
    m_service->refreshState();
    ASSERT_TRUE(waitFor([&] { return heard.size() == 2; }));
    EXPECT_TRUE(heard.last().contains(u"x  -  Alpha"_s));
    m_service->tell(u"Could not play \"x.ogg\""_s); // a file skipped, as the screen says it
    ASSERT_TRUE(waitFor([&] { return heard.size() == 3; }));
    EXPECT_EQ(heard.last(), uR"({"notice":"Could not play \"x.ogg\""})"_s);

    int closeCode = 0;
    QObject::connect(&page, &QWebSocket::disconnected, [&] { closeCode = page.closeCode(); });
    m_server->closeSockets();
    ASSERT_TRUE(waitFor([&] { return closeCode != 0; }));
    EXPECT_EQ(closeCode, QWebSocketProtocol::CloseCodePolicyViolated);
}

} // namespace
