#include "remote/addressrule.h"
#include "remote/ratelimiter.h"
#include "remote/remotecall.h"
#include "remote/requestguard.h"
#include "remote/secret.h"
#include "support/qtprint.h"

#include <QUrl>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace lumetra;

namespace {

TEST(AddressRule, OnlyTheLocalNetworkIsAnswered)
{
    for (const char *local : {"127.0.0.1", "127.255.255.254", "10.0.0.1", "10.255.255.255", "172.16.0.1",
                              "172.31.255.255", "192.168.1.20", "169.254.3.4", "::1", "fe80::1", "fe80::1%1",
                              "febf::1", "fd12:3456::1", "fc00::1", "::ffff:192.168.1.5", "::ffff:127.0.0.1"})
        EXPECT_TRUE(isLocalClient(QHostAddress(QLatin1String(local)))) << local; // a mistyped one fails too
    // Each of these is well formed, and not local.
    for (const char *other : {"8.8.8.8", "172.15.255.255", "172.32.0.1", "192.169.0.1", "11.0.0.1",
                              "100.64.0.1", "0.0.0.0", "255.255.255.255", "224.0.0.1", "2001:db8::1",
                              "2606:4700::1111", "::ffff:8.8.8.8", "::", "fec0::1", "ff02::1", "::127.0.0.1"})
        EXPECT_TRUE(!QHostAddress(QLatin1String(other)).isNull() &&
                    !isLocalClient(QHostAddress(QLatin1String(other))))
            << other;
    EXPECT_FALSE(isLocalClient(QHostAddress()));
    // Mapped addresses are named as IPv4.
    EXPECT_EQ(clientName(QHostAddress(u"::ffff:10.1.2.3"_s)), u"10.1.2.3"_s);
    EXPECT_EQ(clientName(QHostAddress(u"fd00::7"_s)), u"fd00::7"_s);
}

// Which tokens match is the service's token table; that two fresh ones differ, the remote dialog's new
// address.
TEST(Secret, FreshSecretsAreUrlSafeAndNoSecretMatchesNothing)
{
    EXPECT_TRUE(isSecretShaped(newSecret()));
    EXPECT_TRUE(isSecretShaped("AZaz09-_AZaz09-_AZaz09-_")); // every edge of the alphabet
    EXPECT_FALSE(sameSecret(QByteArray(), {}));
    EXPECT_FALSE(isSecretShaped("abc"));
    EXPECT_FALSE(isSecretShaped("abcdefghijklmnopqrstuvw+"));
}

TEST(RateLimiter, ManyClientsAreForgottenOnceQuiet)
{
    qint64 now = 0;
    RateLimiter limiter(1, 1, [&now] { return now; });
    for (int i = 0; i < 1000; ++i)
        ASSERT_TRUE(limiter.allow(QString::number(i)));
    EXPECT_FALSE(limiter.allow(u"999"_s));
    now += 1000;
    EXPECT_TRUE(limiter.allow(u"999"_s));
}

struct GuardCase {
    const char *name;
    QByteArray bytes;
    int status; // after every byte has been fed
};

class Guard : public ::testing::TestWithParam<GuardCase>
{
};

// Fed whole, then byte by byte: a request split anywhere gives the same answer.
TEST_P(Guard, StopsWhatIsTooLargeOrNotHttp)
{
    const GuardCase &c = GetParam();
    RequestGuard whole({256, 64});
    EXPECT_EQ(whole.feed(c.bytes), c.status) << c.name;
    RequestGuard split({256, 64});
    for (char byte : c.bytes)
        split.feed(QByteArrayView(&byte, 1));
    EXPECT_EQ(split.status(), c.status) << c.name;
}

QByteArray request(const QByteArray &head, const QByteArray &body = {})
{
    return head + "\r\n\r\n" + body;
}

INSTANTIATE_TEST_SUITE_P(
    Table, Guard,
    ::testing::Values(
        GuardCase{"get", request("GET /?t=x HTTP/1.1\r\nHost: a"), 0},
        GuardCase{"two kept alive", request("GET / HTTP/1.1") + request("GET /b HTTP/1.0\r\nHost: a"), 0},
        GuardCase{"post with its body",
                  request("POST /api/pin HTTP/1.1\r\nContent-Length: 12", "{\"pin\":\"12\"}"), 0},
        GuardCase{"a body that would be read as the next request",
                  request("POST / HTTP/1.1\r\nContent-Length: 5", "GET /") + request("GET / HTTP/1.1"), 0},
        GuardCase{"line feeds only", "GET / HTTP/1.1\nHost: a\n\n", 0},
        GuardCase{"empty lines between requests",
                  request("GET / HTTP/1.1") + "\r\n\r\n" + request("GET / HTTP/1.1"), 0},
        GuardCase{"head too large", request("GET / HTTP/1.1\r\nX: " + QByteArray(300, 'a')), 431},
        GuardCase{"head never ends", "GET / HTTP/1.1\r\nX: " + QByteArray(300, 'a'), 431},
        GuardCase{"body too large", request("POST / HTTP/1.1\r\nContent-Length: 65"), 413},
        GuardCase{"huge length", request("POST / HTTP/1.1\r\nContent-Length: 99999999999999999999"), 400},
        GuardCase{"lengths that differ",
                  request("POST / HTTP/1.1\r\nContent-Length: 1\r\nContent-Length: 2", "ab"), 400},
        GuardCase{"a length with a sign", request("POST / HTTP/1.1\r\nContent-Length: +5", "12345"), 400},
        GuardCase{"blanks around a length", request("POST / HTTP/1.1\r\nContent-Length: \t9 ", "123456789"),
                  0},
        GuardCase{"chunked", request("POST / HTTP/1.1\r\nTransfer-Encoding: chunked", "5\r\nhello\r\n0"),
                  411},
        GuardCase{"not HTTP", request("HELLO"), 400}, GuardCase{"HTTP/2", request("GET / HTTP/2.0"), 400},
        GuardCase{"a blank in the target", request("GET /a b HTTP/1.1"), 400},
        GuardCase{"a folded header", request("GET / HTTP/1.1\r\nX: a\r\n b"), 400},
        GuardCase{"a header without a name", request("GET / HTTP/1.1\r\n: a"), 400},
        GuardCase{"a second request too large",
                  request("GET / HTTP/1.1") + request("POST / HTTP/1.1\r\nContent-Length: 100"), 413},
        GuardCase{"a request that names a WebSocket is still HTTP",
                  request("GET /socket HTTP/1.1\r\nUpgrade: websocket") +
                      request("GET / HTTP/1.1\r\nX: " + QByteArray(300, 'a')),
                  431}));

TEST(Guard, KnowsWhenARequestIsUnderWay)
{
    RequestGuard guard;
    EXPECT_FALSE(guard.midRequest());
    guard.feed("GET / HT");
    EXPECT_TRUE(guard.midRequest());
    guard.feed("TP/1.1\r\n\r\nPOST / HTTP/1.1\r\nContent-Length: 3\r\n\r\nab");
    EXPECT_TRUE(guard.midRequest());
    guard.feed("c");
    EXPECT_FALSE(guard.midRequest());
    EXPECT_EQ(guard.requests(), 2);
}

struct CallCase {
    const char *method;
    const char *target;
    QByteArray body;
    int status;
    RemoteCall::Kind kind = RemoteCall::Kind::Page;
};

class Calls : public ::testing::TestWithParam<CallCase>
{
};

TEST_P(Calls, AreReadOrRefusedWithAStatus)
{
    const CallCase &c = GetParam();
    const QUrl url(QString::fromUtf8(c.target));
    const ParsedCall parsed =
        parseCall(c.method, url.path(QUrl::FullyDecoded), QUrlQuery(url), c.body, "application/json");
    EXPECT_EQ(parsed.call ? 200 : parsed.status, c.status)
        << c.method << ' ' << c.target << ' ' << c.body.data();
    if (parsed.call) {
        EXPECT_EQ(parsed.call->kind, c.kind) << c.target;
    } else {
        EXPECT_FALSE(parsed.error.isEmpty());
    }
}

using K = RemoteCall::Kind;
INSTANTIATE_TEST_SUITE_P(
    Table, Calls,
    ::testing::Values(
        CallCase{"GET", "/", {}, 200, K::Page}, CallCase{"GET", "/remote.js", {}, 200, K::Script},
        CallCase{"GET", "/api/state", {}, 200, K::State},
        CallCase{"GET", "/api/albums?from=0&count=60", {}, 200, K::Albums},
        CallCase{"GET", "/api/albums?from=0&count=121", {}, 400},
        CallCase{"GET", "/api/albums?from=-1&count=60", {}, 400},
        CallCase{"GET", "/api/albums?from=0&from=5&count=60", {}, 400},
        CallCase{"GET", "/api/album?id=7", {}, 200, K::Album}, CallCase{"GET", "/api/album?id=0", {}, 400},
        CallCase{"GET", "/api/album?id=9007199254740992", {}, 400},
        CallCase{"GET", "/api/album?id=%207", {}, 400},
        CallCase{"GET", "/cover?id=3&size=160", {}, 200, K::Cover},
        CallCase{"GET", "/cover?id=3&size=161", {}, 400}, CallCase{"GET", "/cover?id=3", {}, 400},
        CallCase{"GET", "/api/search?q=dawn", {}, 200, K::Search}, CallCase{"GET", "/api/search", {}, 400},
        CallCase{"GET", "/files/nocover.jpg", {}, 404}, CallCase{"GET", "/api/queue", {}, 405},
        CallCase{"DELETE", "/api/state", {}, 405}, CallCase{"GET", "/api/state", "x", 400},
        CallCase{"POST", "/api/queue", R"({"album":3,"track":0,"name":"A"})", 200, K::Queue},
        CallCase{"POST", "/api/queue", R"({"album":3,"track":-1,"name":"A"})", 400},
        CallCase{"POST", "/api/queue", R"({"album":3.5,"track":0,"name":"A"})", 400},
        CallCase{"POST", "/api/queue", R"({"album":"3","track":0,"name":"A"})", 400},
        CallCase{"POST", "/api/queue", R"({"album":3,"track":0})", 400},
        CallCase{"POST", "/api/queue", R"([3,0,"A"])", 400}, CallCase{"POST", "/api/queue", "{", 400},
        CallCase{"POST", "/api/pin", R"({"pin":"1234"})", 200, K::Pin},
        CallCase{"POST", "/api/pin", R"({"pin":"12345678901234567"})", 400},
        CallCase{"POST", "/api/host", R"({"session":"s","action":"skip"})", 200, K::Host},
        CallCase{"POST", "/api/host", R"({"session":"s","action":"volume","value":101})", 400},
        CallCase{"POST", "/api/host", R"({"session":"s","action":"mode","value":"collections"})", 400},
        CallCase{"POST", "/api/host", R"({"session":"s","action":"delete"})", 400}));

TEST(Calls, BodiesMustBeJsonAndTheTokenIsOneItem)
{
    EXPECT_EQ(parseCall("POST", u"/api/pin"_s, {}, R"({"pin":"1"})", "text/plain").status, 415);
    EXPECT_TRUE(
        parseCall("POST", u"/api/pin"_s, {}, R"({"pin":"1"})", "Application/JSON; charset=utf-8").call);
    EXPECT_EQ(tokenOf(QUrlQuery(u"t=abc&x=1"_s)), "abc");
    EXPECT_EQ(tokenOf(QUrlQuery(u"t=abc&t=abc"_s)), QByteArray());
    EXPECT_EQ(tokenOf(QUrlQuery(u"x=1"_s)), QByteArray());
    // The page writes its queries as forms are written: "+" is a blank.
    for (const auto &[query, text] :
         {std::pair{u"q=Tin+Garden"_s, u"Tin Garden"_s}, std::pair{u"q=1%2B1%20%C3%A9"_s, u"1+1 é"_s}})
        EXPECT_EQ(parseCall("GET", u"/api/search"_s, QUrlQuery(query), {}, {}).call->text, text);
}

} // namespace
