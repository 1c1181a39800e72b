#include "core/thumbnailcache.h"
#include "remote/coverthumbnails.h"
#include "remote/remoteserver.h"
#include "remote/remoteservice.h"
#include "remotetesting.h"
#include "support/testlibrary.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLoggingCategory>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QUrl>
#include <QWebSocket>

#include <optional>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace lumetra;
using namespace lumetra::test;

namespace {

QJsonObject jsonOf(const RemoteResponse &response)
{
    return QJsonDocument::fromJson(response.body).object();
}

const QString kMarkup = u"<script>alert(1)</script> & \"Q\""_s;

// The service over a real catalogue of four albums (IDs 1 to 4) and a host that records, on a clock the test
// moves.
class RemoteServiceTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(writeCatalogue(m_dir.path(), {{u"zed"_s, true, {u"b.ogg"_s, u"A.mp3"_s, u"notes.txt"_s}},
                                                  {kMarkup, false, {u"x.wav"_s}},
                                                  {u"Abbey"_s, true, {u"dawn song.mp3"_s}},
                                                  {u"Zebra"_s, true, {}}}));
        QImage noCover(32, 32, QImage::Format_RGB32);
        noCover.fill(Qt::gray);
        ASSERT_TRUE(noCover.save(m_dir.filePath(u"nocover.jpg"_s), "JPG"));
        makeService({});
    }

    void makeService(RemoteService::Limits limits)
    {
        m_service.reset();
        m_service = std::make_unique<RemoteService>(
            m_host,
            RemoteService::Options{m_dir.filePath(u"tracks.lum"_s), m_dir.filePath(u"nocover.jpg"_s),
                                   m_dir.filePath(u"cache"_s), kToken},
            limits, [this] { return m_now; });
    }

    RemoteRequest get(const QString &target, const QByteArray &token = kToken) const
    {
        const QUrl url(target);
        RemoteRequest request{
            "GET", url.path(QUrl::FullyDecoded), QUrlQuery(url), {}, {}, {}, {}, "phone:1", u"10.0.0.9"_s};
        if (!token.isNull())
            request.query.addQueryItem(u"t"_s, QString::fromLatin1(token));
        return request;
    }
    RemoteRequest post(const QString &target, const QByteArray &json, const QByteArray &token = kToken) const
    {
        RemoteRequest request = get(target, token);
        request.method = "POST";
        request.body = json;
        request.contentType = "application/json";
        return request;
    }
    // The service's answer, once it has come (at most a few seconds).
    RemoteResponse answer(const RemoteRequest &request)
    {
        std::optional<RemoteResponse> response;
        m_service->handle(request, [&response](const RemoteResponse &given) { response = given; });
        EXPECT_TRUE(QTest::qWaitFor([&response] { return response.has_value(); }, 10000))
            << request.path.toStdString();
        return response.value_or(RemoteResponse{});
    }
    int status(const RemoteRequest &request) { return answer(request).status; }

    QTemporaryDir m_dir;
    FakeHost m_host;
    qint64 m_now = 0;
    std::unique_ptr<RemoteService> m_service;
};

TEST_F(RemoteServiceTest, EveryPathNeedsTheTokenAndThePageCarriesItToItsFiles)
{
    makeService({.burst = 1000});
    for (const QByteArray &token : {QByteArray(), QByteArray(""), QByteArray("abcdefghijklmnopqrstuvwy"),
                                    kToken.left(23), kToken + 'x', kToken.toUpper(), kToken}) {
        for (const RemoteRequest &request :
             {get(u"/"_s, token), get(u"/api/state"_s, token), get(u"/cover?id=1&size=160"_s, token),
              get(u"/nothing"_s, token), post(u"/api/queue"_s, "{}", token)})
            EXPECT_EQ(status(request) == 403, token != kToken)
                << request.path.toStdString() << " " << token.data();
    }
    // A page of another site, in a browser that knows the address, is turned away too.
    RemoteRequest foreign = post(u"/api/queue"_s, R"({"album":1,"track":0,"name":"A"})");
    foreign.origin = "http://evil.example";
    EXPECT_EQ(status(foreign), 403);
    foreign.origin = "http://phone:1";
    EXPECT_EQ(status(foreign), 200);
    // The page carries the token to its files.
    const RemoteResponse page = answer(get(u"/"_s));
    EXPECT_TRUE(page.body.contains("remote.js?t=" + kToken));
    EXPECT_FALSE(page.body.contains("{{TOKEN}}"));
}

TEST_F(RemoteServiceTest, AlbumsComeInTheWallsOrderAndUnknownIdsAreNotFound)
{
    const QJsonObject page = jsonOf(answer(get(u"/api/albums?from=1&count=2"_s)));
    EXPECT_EQ(page[u"total"].toInt(), 4);
    const QJsonArray albums = page[u"albums"].toArray();
    ASSERT_EQ(albums.size(), 2);
    EXPECT_EQ(albums[0][u"title"].toString(), u"Abbey"_s); // after the markup title, which sorts first
    EXPECT_EQ(albums[0][u"id"].toInteger(), 3);
    EXPECT_EQ(albums[1][u"title"].toString(), u"Zebra"_s); // then zed: case aside
    const QJsonArray letters = page[u"letters"].toArray(); // A, B, and Z: zed and Zebra, case aside
    EXPECT_EQ((QList{letters[0].toInt(), letters[1].toInt(), letters[25].toInt()}), (QList{1, -1, 2}));
    EXPECT_TRUE(jsonOf(answer(get(u"/api/albums?from=50&count=60"_s)))[u"albums"].toArray().isEmpty());

    const QJsonObject zed = jsonOf(answer(get(u"/api/album?id=1"_s)));
    EXPECT_EQ(zed[u"tracks"].toArray(), QJsonArray({u"A"_s, u"b"_s})); // music files only, as listed
    EXPECT_EQ(jsonOf(answer(get(u"/api/album?id=2"_s)))[u"title"].toString(), kMarkup); // data, not markup
    EXPECT_EQ(status(get(u"/api/album?id=5"_s)), 404);
    EXPECT_EQ(status(get(u"/cover?id=5&size=160"_s)), 404);
}

TEST_F(RemoteServiceTest, CoversAreCachedJpegsRevalidatedByTheirTag)
{
    const RemoteResponse first = answer(get(u"/cover?id=1&size=160"_s));
    ASSERT_EQ(first.status, 200);
    EXPECT_EQ(first.contentType, "image/jpeg");
    EXPECT_EQ(QImage::fromData(first.body).size(), QSize(160, 160));
    EXPECT_TRUE(first.revalidate);
    EXPECT_EQ(QDir(m_dir.filePath(u"cache/160"_s)).entryList(QDir::Files).size(), 1);

    RemoteRequest again = get(u"/cover?id=1&size=160"_s);
    again.ifNoneMatch = first.etag;
    const RemoteResponse same = answer(again);
    EXPECT_EQ(same.status, 304);
    EXPECT_TRUE(same.body.isEmpty());

    // A new cover: a new tag, and the old copy no longer answers. A large one is decoded once for the wall
    // and the phones alike, through the desktop's thumbnail cache.
    const QString cover = m_dir.filePath(u"Music/album0/cover.jpg"_s);
    QImage red(600, 600, QImage::Format_RGB32);
    red.fill(Qt::red);
    QThread::msleep(20);
    ASSERT_TRUE(red.save(cover, "JPG"));
    const RemoteResponse changed = answer(again);
    EXPECT_EQ(changed.status, 200);
    EXPECT_NE(changed.etag, first.etag);
    EXPECT_GT(qRed(QImage::fromData(changed.body).pixel(80, 80)), 200);
    EXPECT_TRUE(QFileInfo::exists(ThumbnailCache().thumbnailPath(cover, QSize(160, 160))));

    // A link planted where the thumbnail is kept is replaced, and what it points at neither sent nor touched.
    // What is sent is made from the desktop's thumbnail, and carries nothing of it but the picture.
    const QString kept = CoverThumbnails(m_dir.filePath(u"cache"_s)).fileFor(cover, 160);
    const QString secret = m_dir.filePath(u"secret.txt"_s);
    ASSERT_TRUE(writeFile(secret, "secret"));
    ASSERT_TRUE(QFile::remove(kept) && QFile::link(secret, kept));
    const RemoteResponse planted = answer(get(u"/cover?id=1&size=160"_s));
    EXPECT_FALSE(planted.body.contains("secret"));
    EXPECT_FALSE(planted.body.contains(QFile::encodeName(m_dir.path()))) << "phones are told no path";
    EXPECT_FALSE(QFileInfo(kept).isSymLink());
    EXPECT_EQ(readAll(secret), "secret");

    // An album without a cover shows the no-cover picture.
    EXPECT_EQ(answer(get(u"/cover?id=2&size=320"_s)).status, 200);
}

TEST_F(RemoteServiceTest, APickGoesToTheHostAndItsOutcomeIsAnswered)
{
    using O = RemoteHost::Outcome;
    for (const auto &[outcome, code, queued] :
         {std::tuple{O::Queued, 200, true}, std::tuple{O::Refused, 200, false},
          std::tuple{O::NoAlbum, 404, false}, std::tuple{O::NoTrack, 404, false},
          std::tuple{O::Changed, 409, false}}) {
        m_now += 1000;
        m_host.answer = {outcome, u"why"_s};
        const RemoteResponse response = answer(post(u"/api/queue"_s, R"({"album":1,"track":1,"name":"b"})"));
        EXPECT_EQ(response.status, code);
        EXPECT_EQ(jsonOf(response)[u"queued"].toBool(), queued);
        EXPECT_FALSE(jsonOf(response)[u"notice"].toString().isEmpty());
    }
    EXPECT_EQ(m_host.picks.size(), 5);
    EXPECT_EQ(m_host.picks.front(), u"1/1/b"_s);
    EXPECT_EQ(status(post(u"/api/queue"_s, R"({"album":1,"track":100000,"name":"b"})")), 400);
    EXPECT_EQ(m_host.picks.size(), 5);
}

TEST_F(RemoteServiceTest, HostActionsNeedASessionFromThePin)
{
    const auto pin = [this](const char *given, const QString &phone = u"10.0.0.9"_s) {
        m_now += 400;
        RemoteRequest request = post(u"/api/pin"_s, QByteArray(R"({"pin":")") + given + R"("})");
        request.client = phone;
        return answer(request);
    };
    const auto act = [this](const QString &session, const char *action) {
        m_now += 400;
        return status(post(u"/api/host"_s, R"({"session":")" + session.toLatin1() + "\"," + action + '}'));
    };
    const auto skip = [&act](const QString &session) { return act(session, R"("action":"skip")"); };
    EXPECT_EQ(pin("1234").status, 403); // no PIN set: no host on the phone
    m_host.pin = u"2468"_s;
    // Three wrong PINs pause that phone, even for the right one; each further round twice as long, up to an
    // hour.
    for (const qint64 pause : {1, 2, 4, 8, 16, 32, 60, 60}) {
        for (const char *wrong : {"1111", "1112", "1113"})
            EXPECT_EQ(pin(wrong).status, 403);
        m_now += pause * 60000 - 800;
        EXPECT_EQ(pin("2468").status, 429) << pause;
    }
    EXPECT_EQ(pin("2468", u"10.0.0.8"_s).status, 200) << "another phone is not held up";
    m_now += 3600000;
    const QString session = jsonOf(pin("2468"))[u"session"].toString();
    ASSERT_EQ(session.size(), 24);

    EXPECT_EQ(skip(u"nonsense"_s), 403);
    EXPECT_EQ(skip(session), 200);
    EXPECT_EQ(m_host.skips, 1);
    EXPECT_EQ(act(session, R"("action":"volume","value":30)"), 200);
    EXPECT_EQ(m_host.volume, 30);
    EXPECT_EQ(act(session, R"("action":"mode","value":"shuffle")"), 200);
    EXPECT_EQ(m_host.modes, QStringList{u"shuffle"_s});

    m_host.stamp = "second"; // the PIN was changed at the jukebox
    EXPECT_EQ(skip(session), 403);
    const QString next = jsonOf(pin("2468"))[u"session"].toString();
    EXPECT_EQ(skip(next), 200);
    m_service->setToken("zyxwvutsrqponmlkjihgfedc"); // a new address ends every session
    EXPECT_EQ(status(post(u"/api/host"_s, R"({"session":")" + next.toLatin1() + R"(","action":"skip"})",
                          "zyxwvutsrqponmlkjihgfedc")),
              403);
    EXPECT_EQ(m_host.skips, 2);
}

TEST_F(RemoteServiceTest, AClientIsHeldToAFewRequestsASecond)
{
    makeService({.perSecond = 2, .burst = 3, .coversPerSecond = 1, .coverBurst = 2});
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(status(get(u"/api/state"_s)), 200) << i;
    EXPECT_EQ(status(get(u"/api/state"_s)), 429);
    EXPECT_EQ(status(get(u"/api/state"_s, "wrong")), 429);  // guessing tokens is slowed down as well
    EXPECT_EQ(status(get(u"/cover?id=1&size=160"_s)), 200); // covers have a bucket of their own
    RemoteRequest other = get(u"/api/state"_s);
    other.client = u"10.0.0.10"_s;
    EXPECT_EQ(status(other), 200);
    m_now += 499;
    EXPECT_EQ(status(get(u"/api/state"_s)), 429);
    m_now += 1;
    EXPECT_EQ(status(get(u"/api/state"_s)), 200); // one more every half second
    EXPECT_EQ(status(get(u"/api/state"_s)), 429);
    m_now += 60000;
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(status(get(u"/api/state"_s)), 200) << i; // never more than the burst saved up
    EXPECT_EQ(status(get(u"/api/state"_s)), 429);
}

TEST_F(RemoteServiceTest, SearchFindsAlbumsAndTracksAsTheSearchWindowDoes)
{
    const QJsonArray found = jsonOf(answer(get(u"/api/search?q=DAWN"_s)))[u"results"].toArray();
    ASSERT_EQ(found.size(), 1);
    EXPECT_EQ(found[0][u"line"].toString(), u"dawn song --- Abbey"_s);
    EXPECT_EQ(found[0][u"album"].toInteger(), 3);

    makeService({.searchResults = 2});
    const QJsonObject capped = jsonOf(answer(get(u"/api/search?q=album"_s))); // every folder is .../albumN/
    EXPECT_EQ(capped[u"results"].toArray().size(), 2);
    EXPECT_TRUE(capped[u"more"].toBool());
}

TEST_F(RemoteServiceTest, TheStateIsToldOnceAfterTheEventAndOnlyWhenItChanged)
{
    QSignalSpy told(m_service.get(), &RemoteService::stateChanged);
    m_host.current.queue = QStringList{u"one  -  zed"_s};
    m_host.current.file = m_dir.filePath(u"Music/album2/dawn song.mp3"_s);
    m_service->refreshState();
    m_service->refreshState();
    EXPECT_EQ(told.size(), 0);
    answer(get(u"/api/albums?from=0&count=1"_s)); // reads the shelf; the events run meanwhile
    QCoreApplication::processEvents();
    ASSERT_GE(told.size(), 1);
    const QJsonObject state = QJsonDocument::fromJson(told.last().at(0).toByteArray()).object();
    EXPECT_EQ(state[u"queue"].toArray(), QJsonArray({u"one  -  zed"_s}));
    EXPECT_EQ(state[u"nowPlaying"][u"cover"].toInteger(), 3); // the album of the playing file
    const auto before = told.size();
    m_service->refreshState();
    QCoreApplication::processEvents();
    EXPECT_EQ(told.size(), before);
}

const QByteArray kState = "/api/state?t=" + kToken;

// The server on a free loopback port over the same catalogue and host.
class RemoteServerTest : public RemoteServiceTest
{
protected:
    void SetUp() override
    {
        RemoteServiceTest::SetUp();
        serve({}, {.perClient = 3, .total = 256, .requestMs = 300});
    }
    void serve(RemoteService::Limits service, GuardedTcpServer::Limits connections)
    {
        m_server.reset();
        makeService(service);
        m_server = std::make_unique<RemoteServer>(*m_service, RemoteServer::Limits{connections});
        ASSERT_TRUE(m_server->listen(0));
        m_port = m_server->port();
    }

    QByteArray getRequest(const QByteArray &target) const { return test::getRequest(m_port, target); }

    std::unique_ptr<RemoteServer> m_server;
    quint16 m_port = 0;
};

TEST_F(RemoteServerTest, AnswersCarryTheSecurityHeadersErrorsAShortTextAndAFourthConnectionIsTurnedAway)
{
    const QByteArray state = exchange(m_port, getRequest(kState));
    EXPECT_TRUE(state.startsWith("HTTP/1.1 200 OK\r\n")) << state.data();
    for (const char *header :
         {"Content-Security-Policy: default-src 'none'; script-src 'self';",
          "connect-src 'self' ws://127.0.0.1:", "X-Content-Type-Options: nosniff",
          "Referrer-Policy: no-referrer", "Cache-Control: no-store", "Content-Type: application/json"})
        EXPECT_TRUE(state.contains(header)) << header;
    EXPECT_TRUE(state.contains("\"mode\""));

    const QByteArray refused = exchange(m_port, getRequest("/api/state?t=wrong"));
    EXPECT_TRUE(refused.startsWith("HTTP/1.1 403 Forbidden\r\n")) << refused.data();
    EXPECT_TRUE(refused.contains("Content-Security-Policy"));
    EXPECT_TRUE(refused.endsWith("Forbidden.\n"));
    // Browsers ask for the icon without the token.
    const QByteArray icon = exchange(m_port, getRequest("/favicon.ico"));
    EXPECT_TRUE(icon.startsWith("HTTP/1.1 200 OK\r\n") && icon.contains("Content-Type: image/png\r\n"));
    // A fourth connection from one client is turned away.
    std::vector<std::unique_ptr<QTcpSocket>> open;
    for (int i = 0; i < 3; ++i) {
        open.push_back(std::make_unique<QTcpSocket>());
        open.back()->connectToHost(QHostAddress::LocalHost, m_port);
        ASSERT_TRUE(QTest::qWaitFor([&] { return open.back()->state() == QAbstractSocket::ConnectedState; }));
    }
    QTest::qWait(100); // the server takes them in
    const QByteArray answer = exchange(m_port, getRequest(kState));
    EXPECT_TRUE(answer.startsWith("HTTP/1.1 503")) << answer.data();
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
    const QByteArray state = getRequest(kState).replace("Connection: close", "");
    QTcpSocket before;
    QByteArray heard;
    const auto answered = [&](int times) {
        return QTest::qWaitFor([&] { return (heard += before.readAll()).count("HTTP/1.1 200") == times; });
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
    QTest::qWait(100); // the server takes them in
    const QByteArray served = exchange(m_port, getRequest(kState), 1000);
    EXPECT_TRUE(served.startsWith("HTTP/1.1 200")) << served.left(40).data();

    QByteArray answers;
    EXPECT_TRUE(QTest::qWaitFor([&] {
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

TEST_F(RemoteServerTest, PagesHearOfEachChangeOverTheirWebSocket)
{
    serve({}, {.perClient = 3, .total = 256, .requestMs = 300, .idleMs = 300}); // pages are not requests
    QWebSocket page;
    QStringList heard;
    QObject::connect(&page, &QWebSocket::textMessageReceived,
                     [&](const QString &text) { heard.append(text); });
    page.open(QUrl(u"ws://127.0.0.1:%1/socket?t=%2"_s.arg(m_port).arg(QString::fromLatin1(kToken))));
    ASSERT_TRUE(QTest::qWaitFor([&] { return heard.size() == 1; }));
    EXPECT_EQ(m_server->socketCount(), 1);
    QTest::qWait(800);

    m_host.current.queue = QStringList{u"x  -  Alpha"_s};
    m_service->refreshState();
    ASSERT_TRUE(QTest::qWaitFor([&] { return heard.size() == 2; }));
    EXPECT_TRUE(heard.last().contains(u"x  -  Alpha"_s));
    m_service->tell(u"Could not play \"x.ogg\""_s); // a file skipped, as the screen says it
    ASSERT_TRUE(QTest::qWaitFor([&] { return heard.size() == 3; }));
    EXPECT_EQ(heard.last(), uR"({"notice":"Could not play \"x.ogg\""})"_s);

    int closeCode = 0;
    QObject::connect(&page, &QWebSocket::disconnected, [&] { closeCode = page.closeCode(); });
    m_server->closeSockets();
    ASSERT_TRUE(QTest::qWaitFor([&] { return closeCode != 0; }));
    EXPECT_EQ(closeCode, QWebSocketProtocol::CloseCodePolicyViolated);
}

} // namespace
