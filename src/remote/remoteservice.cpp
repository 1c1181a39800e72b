#include "remoteservice.h"

#include "core/folderlisting.h"
#include "search/tracksearch.h"
#include "secret.h"

#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLoggingCategory>
#include <QTimer>

#include <atomic>

namespace lumetra {

Q_LOGGING_CATEGORY(lcRemote, "lumetra.remote", QtInfoMsg)

namespace {

const QByteArray kJson = QByteArrayLiteral("application/json; charset=utf-8");
const QByteArray kTokenMark = QByteArrayLiteral("{{TOKEN}}");
constexpr qsizetype kMostPinClients = 1024; // past it, addresses no longer paused are forgotten
constexpr int kLongestDoubling = 30;

QString forbidden()
{
    return QCoreApplication::translate("RemoteService", "Forbidden.");
}

QJsonObject notice(const QString &text)
{
    return {{QStringLiteral("notice"), text}};
}

QByteArray resource(const QString &name)
{
    QFile file(QStringLiteral(":/remote/") + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

RemoteResponse asset(const QString &name, const QByteArray &type)
{
    return {200, type, resource(name), {}, false};
}

} // namespace

RemoteResponse RemoteResponse::text(int status, const QString &text)
{
    return {status, QByteArrayLiteral("text/plain; charset=utf-8"), text.toUtf8() + '\n', {}, false};
}

RemoteResponse RemoteResponse::json(const QJsonObject &object, int status)
{
    return {status, kJson, QJsonDocument(object).toJson(QJsonDocument::Compact), {}, false};
}

RemoteService::RemoteService(RemoteHost &host, Options options, QObject *parent)
    : RemoteService(host, std::move(options), Limits{}, {}, parent)
{
}

RemoteService::RemoteService(RemoteHost &host, Options options, Limits limits,
                             const RateLimiter::Clock &clock, QObject *parent)
    : QObject(parent)
    , m_host(host)
    , m_options(std::move(options))
    , m_limits(limits)
    , m_clock(clock)
    , m_requests(limits.perSecond, limits.burst, clock)
    , m_covers(limits.coversPerSecond, limits.coverBurst, clock)
    , m_thumbnails(std::make_shared<CoverThumbnails>(m_options.thumbnailRoot))
{
    if (!m_clock) {
        auto started = std::make_shared<QElapsedTimer>();
        started->start();
        m_clock = [started] { return started->elapsed(); };
    }
    // The machine's two cores are shared with the window's own cover workers.
    m_workers.setMaxThreadCount(2);
}

RemoteService::~RemoteService()
{
    m_workers.clear();
    m_workers.waitForDone();
}

void RemoteService::setToken(const QByteArray &token)
{
    m_options.token = token;
    m_sessions.clear();
}

void RemoteService::catalogueChanged()
{
    m_shelfStale = true;
}

std::optional<RemoteResponse> RemoteService::gate(const RemoteRequest &request)
{
    RateLimiter &bucket = request.path == u"/cover" ? m_covers : m_requests;
    if (!bucket.allow(request.client))
        return RemoteResponse::text(429, tr("Too many requests; please slow down."));
    if (!hasToken(request))
        return RemoteResponse::text(403, forbidden());
    // Pages of other sites may not use the remote from a browser that has the address.
    if (!request.origin.isEmpty() && request.origin != "http://" + request.host)
        return RemoteResponse::text(403, forbidden());
    return std::nullopt;
}

bool RemoteService::hasToken(const RemoteRequest &request) const
{
    return sameSecret(tokenOf(request.query), m_options.token);
}

std::optional<RemoteResponse> RemoteService::admitSocket(const RemoteRequest &request)
{
    if (auto refusal = gate(request))
        return refusal;
    if (request.path != u"/socket")
        return RemoteResponse::text(404, QCoreApplication::translate("RemoteCall", "Not found."));
    return std::nullopt;
}

void RemoteService::handle(const RemoteRequest &request, const Reply &reply)
{
    // Browsers ask for the icon by themselves, without the page's token; it is no secret.
    if (request.path == u"/favicon.ico") {
        reply(asset(QStringLiteral("lumetra.png"), "image/png"));
        return;
    }
    if (auto refusal = gate(request)) {
        reply(*refusal);
        return;
    }
    const ParsedCall parsed =
        parseCall(request.method, request.path, request.query, request.body, request.contentType);
    if (!parsed.call) {
        reply(RemoteResponse::text(parsed.status, parsed.error));
        return;
    }
    dispatch(*parsed.call, request, reply);
}

void RemoteService::dispatch(const RemoteCall &call, const RemoteRequest &request, const Reply &reply)
{
    using Kind = RemoteCall::Kind;
    switch (call.kind) {
    case Kind::Page:
        reply(page());
        return;
    case Kind::Script:
        reply(asset(QStringLiteral("remote.js"), "text/javascript; charset=utf-8"));
        return;
    case Kind::Style:
        reply(asset(QStringLiteral("remote.css"), "text/css; charset=utf-8"));
        return;
    case Kind::State:
        reply({200, kJson, stateMessage(), {}, false});
        return;
    case Kind::Albums:
        withShelf([this, call, reply](const auto &shelf) { reply(albums(*shelf, call)); });
        return;
    case Kind::Album:
        album(call, reply);
        return;
    case Kind::Search:
        search(call, reply);
        return;
    case Kind::Cover:
        cover(call, request, reply);
        return;
    case Kind::Queue:
        reply(queue(call));
        return;
    case Kind::Pin:
        pin(call, request.client, reply);
        return;
    case Kind::Host:
        reply(host(call));
        return;
    case Kind::Socket:
        // A WebSocket request that was not one (no upgrade).
        reply(RemoteResponse::text(426, tr("This address is for the page's live updates.")));
        return;
    }
}

void RemoteService::withShelf(std::function<void(const std::shared_ptr<const AlbumShelf> &)> work)
{
    if (m_shelf && !m_shelfStale) {
        work(m_shelf);
        return;
    }
    m_waitingForShelf.push_back(std::move(work));
    if (m_shelfReading)
        return;
    m_shelfReading = true;
    m_shelfStale = false;
    m_workers.start([this, path = m_options.cataloguePath] {
        auto shelf = AlbumShelf::read(path);
        QMetaObject::invokeMethod(
            this,
            [this, shelf = std::move(shelf)] {
                m_shelfReading = false;
                m_shelf = shelf;
                for (const auto &waiting : std::exchange(m_waitingForShelf, {}))
                    waiting(shelf);
                // The catalogue changed again while it was being read.
                if (m_shelfStale && !m_waitingForShelf.empty())
                    withShelf([](const auto &) {});
                refreshState();
            },
            Qt::QueuedConnection);
    });
}

void RemoteService::onWorker(std::function<RemoteResponse()> work, const Reply &reply)
{
    m_workers.start([this, work = std::move(work), reply] {
        RemoteResponse response = work();
        QMetaObject::invokeMethod(
            this, [reply, response = std::move(response)] { reply(response); }, Qt::QueuedConnection);
    });
}

RemoteResponse RemoteService::page() const
{
    QByteArray html = resource(QStringLiteral("index.html"));
    // The token is URL-safe base64 (checked before this point), so it needs no escaping in the page.
    html.replace(kTokenMark, m_options.token);
    return {200, "text/html; charset=utf-8", html, {}, false};
}

RemoteResponse RemoteService::albums(const AlbumShelf &shelf, const RemoteCall &call) const
{
    QJsonArray list;
    const int end = std::min(shelf.size(), call.from + call.count);
    for (int place = call.from; place < end; ++place) {
        const auto &album = shelf.at(place);
        list.append(QJsonObject{{QStringLiteral("id"), album.id},
                                {QStringLiteral("title"), album.title},
                                {QStringLiteral("artist"), album.artist}});
    }
    QJsonArray letters;
    for (int j = 0; j < AlbumShelf::kLetters; ++j)
        letters.append(shelf.letters()[j]);
    return RemoteResponse::json({{QStringLiteral("total"), shelf.size()},
                                 {QStringLiteral("from"), call.from},
                                 {QStringLiteral("albums"), list},
                                 {QStringLiteral("letters"), letters}});
}

void RemoteService::album(const RemoteCall &call, const Reply &reply)
{
    withShelf([this, call, reply](const auto &shelf) {
        const AlbumShelf::Album *found = shelf->byId(call.album);
        if (!found) {
            reply(RemoteResponse::text(404, tr("There is no such album.")));
            return;
        }
        onWorker(
            [album = *found] {
                QJsonArray tracks;
                // The names as the track list shows them: the file name without its last four characters.
                for (const QString &file : listFiles(album.folder, kMusicPatterns))
                    tracks.append(file.left(file.size() - 4));
                return RemoteResponse::json({{QStringLiteral("id"), album.id},
                                             {QStringLiteral("title"), album.title},
                                             {QStringLiteral("artist"), album.artist},
                                             {QStringLiteral("tracks"), tracks}});
            },
            reply);
    });
}

void RemoteService::search(const RemoteCall &call, const Reply &reply)
{
    if (m_searches >= m_limits.searchesAtOnce) {
        reply(RemoteResponse::text(503, tr("The jukebox is busy searching; please try again in a moment.")));
        return;
    }
    ++m_searches;
    withShelf([this, call, reply](const auto &shelf) {
        onWorker(
            [shelf, text = call.text, most = m_limits.searchResults] {
                TrackSearch search;
                search.setAlbums(shelf->searchFolders(), shelf->searchTitles());
                QJsonArray results;
                bool more = false;
                // Folders are listed only until one result more than the phone is shown has come.
                std::atomic<bool> enough{false};
                search.find(
                    text,
                    [&](TrackSearch::Results &&found) {
                        for (qsizetype i = 0; i < found.size() && !more; ++i) {
                            if (results.size() == most) {
                                more = true;
                                enough = true;
                                break;
                            }
                            results.append(QJsonObject{
                                {QStringLiteral("line"), search.line(found, i)},
                                {QStringLiteral("album"), shelf->inCatalogueOrder(found.albums[i]).id}});
                        }
                    },
                    enough);
                return RemoteResponse::json(
                    {{QStringLiteral("results"), results}, {QStringLiteral("more"), more}});
            },
            [this, reply](RemoteResponse response) {
                --m_searches;
                reply(std::move(response));
            });
    });
}

void RemoteService::cover(const RemoteCall &call, const RemoteRequest &request, const Reply &reply)
{
    withShelf([this, call, reply, etag = request.ifNoneMatch](const auto &shelf) {
        const AlbumShelf::Album *found = shelf->byId(call.album);
        if (!found) {
            reply(RemoteResponse::text(404, tr("There is no such album.")));
            return;
        }
        const QString noCover = m_options.noCoverPicture;
        const QString picture = found->picture.isEmpty() ? noCover : found->folder + found->picture;
        onWorker(
            [thumbnails = m_thumbnails, picture, noCover, size = call.size, etag] {
                auto thumbnail = thumbnails->thumbnail(picture, size, etag);
                // As on the wall, a cover that cannot be shown shows the no-cover picture.
                if (!thumbnail)
                    thumbnail = thumbnails->thumbnail(noCover, size, etag);
                if (!thumbnail)
                    return RemoteResponse::text(404, tr("This album has no cover."));
                if (thumbnail->jpeg.isEmpty())
                    return RemoteResponse{304, {}, {}, thumbnail->etag, true};
                return RemoteResponse{200, "image/jpeg", thumbnail->jpeg, thumbnail->etag, true};
            },
            reply);
    });
}

RemoteResponse RemoteService::queue(const RemoteCall &call)
{
    const RemoteHost::Pick pick = m_host.queue(call.album, call.track, call.text);
    switch (pick.outcome) {
    case RemoteHost::Outcome::Queued:
        qCInfo(lcRemote).noquote() << "queued from a phone:" << call.text;
        return RemoteResponse::json(
            {{QStringLiteral("queued"), true}, {QStringLiteral("notice"), pick.notice}});
    case RemoteHost::Outcome::Refused:
        return RemoteResponse::json(
            {{QStringLiteral("queued"), false}, {QStringLiteral("notice"), pick.notice}});
    case RemoteHost::Outcome::NoAlbum:
        return RemoteResponse::json(notice(tr("There is no such album.")), 404);
    case RemoteHost::Outcome::NoTrack:
        return RemoteResponse::json(notice(tr("That album has no such track.")), 404);
    case RemoteHost::Outcome::Changed:
        return RemoteResponse::json(notice(tr("This album has changed; please open it again.")), 409);
    }
    return RemoteResponse::text(500, tr("Something went wrong."));
}

void RemoteService::pin(const RemoteCall &call, const QString &client, const Reply &reply)
{
    const RemoteHost::PinCheck check = m_host.pinCheck();
    if (!check.matches) {
        reply(RemoteResponse::json(notice(tr("No PIN has been set on the jukebox.")), 403));
        return;
    }
    const qint64 now = m_clock();
    if (m_pinTries.size() > kMostPinClients && !m_pinTries.contains(client))
        m_pinTries.removeIf([now](QHash<QString, PinTries>::iterator tries) {
            return !tries->checking && tries->pausedUntil <= now;
        });
    PinTries &tries = m_pinTries[client];
    if (tries.checking || now < tries.pausedUntil) {
        const qint64 seconds = std::max<qint64>(1, (tries.pausedUntil - now + 999) / 1000);
        reply(RemoteResponse::json(
            notice(
                tr("Too many wrong PINs; please try again in %1 seconds.").arg(tries.checking ? 1 : seconds)),
            429));
        return;
    }
    tries.checking = true;
    onWorker(
        [check, pin = call.text] {
            const bool right = check.matches(pin);
            return RemoteResponse{right ? 200 : 403, {}, {}, {}, false};
        },
        [this, reply, client, stamp = check.stamp](const RemoteResponse &checked) {
            if (checked.status != 200) {
                PinTries &tries = m_pinTries[client];
                tries.checking = false;
                if (++tries.wrong >= m_limits.wrongPins) {
                    tries.wrong = 0;
                    const qint64 pause = m_limits.pinPauseMs << std::min(tries.pauses++, kLongestDoubling);
                    tries.pausedUntil = m_clock() + std::min(pause, m_limits.pinPauseMostMs);
                }
                reply(RemoteResponse::json(notice(tr("That PIN is not right.")), 403));
                return;
            }
            m_pinTries.remove(client);
            if (int(m_sessions.size()) >= m_limits.sessions)
                m_sessions.erase(m_sessions.begin());
            m_sessions.push_back({newSecret(), stamp});
            reply(RemoteResponse::json(
                {{QStringLiteral("session"), QString::fromLatin1(m_sessions.back().secret)}}));
        });
}

RemoteResponse RemoteService::host(const RemoteCall &call)
{
    const QByteArray stamp = m_host.pinCheck().stamp;
    const bool known = std::any_of(m_sessions.begin(), m_sessions.end(), [&](const Session &session) {
        return sameSecret(call.session, session.secret) && session.stamp == stamp;
    });
    if (!known)
        return RemoteResponse::json(notice(tr("Please enter the PIN again.")), 403);
    switch (call.action) {
    case RemoteCall::Action::Skip:
        m_host.skip();
        break;
    case RemoteCall::Action::Volume:
        m_host.setVolume(call.volume);
        break;
    case RemoteCall::Action::Mode:
        m_host.setMode(call.mode);
        break;
    }
    return RemoteResponse::json({{QStringLiteral("done"), true}});
}

QByteArray RemoteService::stateMessage() const
{
    const RemoteHost::State state = m_host.state();
    const AlbumShelf::Album *playing =
        m_shelf && !state.file.isEmpty() ? m_shelf->holding(state.file) : nullptr;
    const QJsonObject nowPlaying{{QStringLiteral("title"), state.title},
                                 {QStringLiteral("album"), state.album},
                                 {QStringLiteral("artist"), state.artist},
                                 {QStringLiteral("cover"), playing ? playing->id : 0}};
    const QJsonObject message{{QStringLiteral("mode"), state.mode},
                              {QStringLiteral("picksOpen"), state.picksOpen},
                              {QStringLiteral("nowPlaying"), nowPlaying},
                              {QStringLiteral("queue"), QJsonArray::fromStringList(state.queue)},
                              {QStringLiteral("upNext"), state.upNext},
                              {QStringLiteral("volume"), state.volume},
                              {QStringLiteral("pin"), bool(m_host.pinCheck().matches)}};
    return QJsonDocument(message).toJson(QJsonDocument::Compact);
}

void RemoteService::tell(const QString &text)
{
    Q_EMIT noticeSent(QJsonDocument(notice(text)).toJson(QJsonDocument::Compact));
}

void RemoteService::refreshState()
{
    if (m_stateQueued)
        return;
    m_stateQueued = true;
    // After the current event: a queued track and the player's start read as one change.
    QTimer::singleShot(0, this, [this] {
        m_stateQueued = false;
        QByteArray message = stateMessage();
        if (message == m_lastState)
            return;
        m_lastState = message;
        Q_EMIT stateChanged(m_lastState);
    });
}

} // namespace lumetra
