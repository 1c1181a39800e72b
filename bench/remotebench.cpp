#include "remotebench.h"

#include "core/appfolder.h"
#include "core/catalogue.h"
#include "core/randomsource.h"
#include "core/recordview.h"
#include "playback/mediaplayer.h"
#include "playback/playback.h"
#include "playback/playbackview.h"
#include "remote/coverthumbnails.h"
#include "remote/jukeboxhost.h"
#include "remote/remoteserver.h"
#include "remote/remoteservice.h"
#include "synthlibrary.h"
#include "wall/albumlist.h"
#include "wall/wall.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QWebSocket>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace lumetra::bench {

namespace {

constexpr int kDistinctCovers = 48;
constexpr int kPage = 60;
constexpr int kCoverSize = 320;
constexpr int kConnections = 6; // as many as a browser opens to one server
constexpr int kPages = 5;
constexpr int kPagesOpen = 50;
constexpr int kChanges = 20;
constexpr double kFanOutTargetMs = 100;
const QByteArray kToken = "benchbenchbenchbenchbenc";

// The window as playback sees it: nothing shown, and the remote told of every change as the window tells it.
class QuietView final : public PlaybackView
{
public:
    void display() override {}
    void unloader() override {}
    void setJukeboxArea(bool) override {}
    void setSlotsEnabled(bool) override {}
    void setStatus(const QString &) override { changed(); }
    void showNotice(const QString &) override {}
    void showNowPlayingPicture(const QString &) override {}
    void showQueuePicture(const QString &) override {}
    void trackListChanged() override {}
    void queueChanged() override { changed(); }
    void popupCoverMenu() override {}
    void popupQueueMenu() override {}
    void popupCollEditMenu() override {}
    void setCollectionsArea(bool) override {}
    void collectionsChanged() override {}

    RemoteService *remote = nullptr;

private:
    void changed()
    {
        if (remote)
            remote->refreshState();
    }
};

bool waitFor(const std::function<bool()> &done, int ms = 30000)
{
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    return done();
}

// GET requests over a few kept-alive connections from one loopback address, as a browser loads a page's
// pictures; the bodies in the order asked for.
class Fetcher
{
public:
    Fetcher(quint16 port, const QHostAddress &from, const QStringList &targets)
        : m_targets(targets)
        , m_bodies(targets.size())
    {
        for (int c = 0; c < kConnections; ++c) {
            auto &line = m_lines.emplace_back(std::make_unique<Line>());
            line->socket.bind(from);
            QObject::connect(&line->socket, &QTcpSocket::readyRead, [this, l = line.get()] { read(*l); });
            line->socket.connectToHost(QHostAddress::LocalHost, port);
            next(*line);
        }
    }
    bool done() const { return m_answered == m_targets.size(); }
    const std::vector<QByteArray> &bodies() const { return m_bodies; }
    int failures() const { return m_failures; }

private:
    struct Line {
        QTcpSocket socket;
        QByteArray buffer;
        qsizetype asked = -1;
    };
    void next(Line &line)
    {
        if (m_next >= m_targets.size())
            return;
        line.asked = m_next++;
        line.socket.write("GET " + m_targets[line.asked].toUtf8() + " HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n");
    }
    void read(Line &line)
    {
        line.buffer += line.socket.readAll();
        const qsizetype headEnd = line.buffer.indexOf("\r\n\r\n");
        if (headEnd < 0)
            return;
        const QByteArray head = line.buffer.left(headEnd);
        const qsizetype at = head.indexOf("Content-Length: ");
        const qsizetype length =
            at < 0 ? 0 : head.mid(at + 16, head.indexOf('\r', at) - at - 16).toLongLong();
        if (line.buffer.size() < headEnd + 4 + length)
            return;
        if (!head.startsWith("HTTP/1.1 200"))
            ++m_failures;
        m_bodies[line.asked] = line.buffer.mid(headEnd + 4, length);
        line.buffer.remove(0, headEnd + 4 + length);
        ++m_answered;
        next(line);
    }

    QStringList m_targets;
    std::vector<QByteArray> m_bodies;
    std::vector<std::unique_ptr<Line>> m_lines;
    qsizetype m_next = 0;
    qsizetype m_answered = 0;
    int m_failures = 0;
};

// Milliseconds to fetch `targets`, or -1 when they did not all come back whole.
double fetchMs(quint16 port, const QHostAddress &from, const QStringList &targets,
               std::vector<QByteArray> *bodies)
{
    QElapsedTimer clock;
    clock.start();
    Fetcher fetcher(port, from, targets);
    if (!waitFor([&] { return fetcher.done(); }) || fetcher.failures() > 0)
        return -1;
    const double ms = clock.nsecsElapsed() / 1e6;
    if (bodies)
        *bodies = fetcher.bodies();
    return ms;
}

} // namespace

int remoteBench(const Options &options)
{
    QTemporaryDir work;
    // Its own library: the picks below add tracks to two albums.
    const QString base = options.library.isEmpty() ? work.path() : options.library;
    const QString dir = base + QStringLiteral("/remote-%1").arg(options.albums);
    QString error;
    if (!makeSynthLibrary(dir, options.albums, kDistinctCovers, &error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    const AppFolder app(dir);
    Catalogue catalogue;
    RecordView songs(catalogue, QStringLiteral("songs"));
    if (!catalogue.open(app.file(QStringLiteral("tracks.lum"))) || !songs.refresh())
        return 1;
    // Two albums with a track each, for the queue changes.
    QList<qint64> picked;
    for (int i = 0; i < 2; ++i) {
        songs.findFirst(QStringLiteral("ID = %1").arg(i + 1));
        // Names differ: the same name twice in a row is queued once.
        QFile track(songs.value(QStringLiteral("Path")) + QStringLiteral("01 Track %1.mp3").arg(i));
        if (!track.open(QIODevice::WriteOnly))
            return 1;
        picked.append(i + 1);
    }
    AlbumList albums;
    albums.populate(songs);
    Wall wall(songs, albums, app);
    QuietPlayer player;
    SilentPrompter prompter;
    const auto random = RandomSource::clockSeeded();

    QuietView view;
    Playback playback(songs, wall, albums, app, player, prompter, *random, view);
    JukeboxHost host(playback, player, nullptr);
    // The 50 pages below come from one loopback address, which a phone's limit would slow to a few a second.
    RemoteService::Limits limits;
    limits.burst = 2 * kPagesOpen;
    RemoteService remote(host,
                         {app.file(QStringLiteral("tracks.lum")), app.noCoverPicture(),
                          work.filePath(QStringLiteral("cache")), kToken},
                         limits);
    view.remote = &remote;
    playback.jukeboxmode();

    RemoteServer server(remote);
    if (!server.listen(0, &error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    const quint16 port = server.port();
    const QString token = QString::fromLatin1(kToken);

    // A page of covers, as a phone asks for it after the first visit has made its thumbnails.
    std::vector<double> firsts, agains, floors;
    CoverThumbnails thumbnails(work.filePath(QStringLiteral("cache")));
    for (int p = 0; p < kPages; ++p) {
        const int from = p * (options.albums / kPages) + 1;
        std::vector<QByteArray> page;
        // Each visit from its own loopback address: a new phone, with nothing cached and its own rate limit.
        const QHostAddress first(QStringLiteral("127.0.0.%1").arg(10 + 2 * p));
        const QHostAddress again(QStringLiteral("127.0.0.%1").arg(11 + 2 * p));
        if (fetchMs(port, first,
                    {QStringLiteral("/api/albums?from=%1&count=%2&t=%3").arg(from).arg(kPage).arg(token)},
                    &page) < 0)
            return 1;
        QStringList covers;
        QStringList files;
        for (const QJsonValue album :
             QJsonDocument::fromJson(page.front()).object().value(u"albums").toArray()) {
            const qint64 id = album[u"id"].toInteger();
            covers.append(QStringLiteral("/cover?id=%1&size=%2&t=%3").arg(id).arg(kCoverSize).arg(token));
            songs.findFirst(QStringLiteral("ID = %1").arg(id));
            files.append(thumbnails.fileFor(
                songs.value(QStringLiteral("Path")) + songs.value(QStringLiteral("Picture")), kCoverSize));
        }
        const double cold = fetchMs(port, first, covers, nullptr);
        const double warm = fetchMs(port, again, covers, nullptr);
        if (cold < 0 || warm < 0 || covers.size() != kPage) {
            std::fprintf(stderr, "a page of covers did not come back whole\n");
            return 1;
        }
        QElapsedTimer clock;
        clock.start();
        qint64 bytes = 0;
        for (const QString &file : std::as_const(files)) {
            QFile thumbnail(file);
            if (thumbnail.open(QIODevice::ReadOnly))
                bytes += thumbnail.readAll().size();
        }
        floors.push_back(clock.nsecsElapsed() / 1e6);
        firsts.push_back(cold);
        agains.push_back(warm);
        std::fprintf(stderr, "page at %d: first %.1f ms, again %.1f ms, %lld bytes of thumbnails\n", from,
                     cold, warm, static_cast<long long>(bytes));
    }
    const double warm = median(agains);
    printLine(
        "remote-cover-page", warm, median(floors), "ms",
        QStringLiteral("(60 covers after the first visit; target < 200 ms; floor: reading the same thumbnail "
                       "files; first visit %1 ms)")
            .arg(median(firsts), 0, 'f', 0));

    // 50 pages open; each queue change must reach all of them.
    std::vector<std::unique_ptr<QWebSocket>> pages;
    std::vector<int> heard(kPagesOpen, 0);
    // Opened ten at a time: one address may hold only so many connections still being set up.
    for (int i = 0; i < kPagesOpen; ++i) {
        auto &page = pages.emplace_back(std::make_unique<QWebSocket>());
        QObject::connect(page.get(), &QWebSocket::textMessageReceived, [&heard, i] { ++heard[i]; });
        page->open(QUrl(QStringLiteral("ws://127.0.0.1:%1/socket?t=%2").arg(port).arg(token)));
        if (i % 10 == 9 && !waitFor([&] {
                return std::all_of(heard.begin(), heard.begin() + i + 1, [](int n) { return n >= 1; });
            })) {
            std::fprintf(stderr, "not every page connected\n");
            return 1;
        }
    }
    std::vector<double> fanOuts;
    for (int change = 0; change < kChanges; ++change) {
        std::vector<int> before = heard;
        QElapsedTimer clock;
        clock.start();
        const RemoteHost::Pick pick =
            host.queue(picked[change % 2], 0, QStringLiteral("01 Track %1").arg(change % 2));
        if (pick.outcome != RemoteHost::Outcome::Queued) {
            std::fprintf(stderr, "the pick was not queued: %d %s\n", int(pick.outcome),
                         qPrintable(pick.notice));
            return 1;
        }
        const bool all = waitFor([&] {
            for (int i = 0; i < kPagesOpen; ++i) {
                if (heard[i] == before[i])
                    return false;
            }
            return true;
        });
        if (!all) {
            std::fprintf(stderr, "a queue change did not reach every page\n");
            return 1;
        }
        fanOuts.push_back(clock.nsecsElapsed() / 1e6);
    }
    printLine("remote-queue-fanout", median(fanOuts), kFanOutTargetMs, "ms",
              QStringLiteral("(a queue change at all of %1 pages; floor: the target; slowest %2 ms)")
                  .arg(kPagesOpen)
                  .arg(slowest(fanOuts), 0, 'f', 1));
    return 0;
}

} // namespace lumetra::bench
