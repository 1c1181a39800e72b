#pragma once

#include "albumshelf.h"
#include "coverthumbnails.h"
#include "ratelimiter.h"
#include "remotecall.h"
#include "remotehost.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QHash>
#include <QJsonObject>
#include <QObject>
#include <QThreadPool>
#include <QUrlQuery>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace lumetra {

// A request as the server hands it on, already past the address rule and the size limits.
struct RemoteRequest {
    QByteArray method;
    QString path;
    QUrlQuery query;
    QByteArray body;
    QByteArray contentType;
    QByteArray ifNoneMatch;
    QByteArray origin; // the page's origin, which browsers send with posts and WebSockets
    QByteArray host;
    QString client; // clientName() of the address
};

struct RemoteResponse {
    int status = 200;
    QByteArray contentType;
    QByteArray body;
    QByteArray etag;
    bool revalidate = false; // may be kept by the browser and asked for again with its ETag

    // A short plain text, as every error answers.
    static RemoteResponse text(int status, const QString &text);
    static RemoteResponse json(const QJsonObject &object, int status = 200);
};

// The phone remote's answers, on the window's thread: checks the token and the rate limits, reads what a
// request asks for and answers it from the album shelf, the cover thumbnails and the host. Work on the disk
// (listing a folder, a thumbnail, a search, the PIN's key) runs on worker threads with copies of what it
// needs; the answer comes back on this thread.
class RemoteService : public QObject
{
    Q_OBJECT
public:
    struct Options {
        QString cataloguePath;
        QString noCoverPicture; // the cover of an album without one
        QString thumbnailRoot;
        QByteArray token;
    };
    struct Limits {
        double perSecond = 4; // pages, lists, searches, picks: a client's steady rate and its burst
        double burst = 12;
        double coversPerSecond = 60; // thumbnails: a page of covers at once, and scrolling on
        double coverBurst = 180;
        int wrongPins = 3;         // wrong PINs in a row from one address before it pauses
        qint64 pinPauseMs = 60000; // the first pause; each further one twice as long, up to the most
        qint64 pinPauseMostMs = 3600000;
        int searchResults = 200;
        int searchesAtOnce = 2;
        int sessions = 16;
    };

    RemoteService(RemoteHost &host, Options options, QObject *parent = nullptr);
    RemoteService(RemoteHost &host, Options options, Limits limits, const RateLimiter::Clock &clock = {},
                  QObject *parent = nullptr);
    ~RemoteService() override;

    const QByteArray &token() const { return m_options.token; }
    // A new token: the old address stops working and every host session ends.
    void setToken(const QByteArray &token);

    using Reply = std::function<void(RemoteResponse)>;
    // Answers `request` through `reply`: at once, or later on this thread when the answer needs the disk.
    void handle(const RemoteRequest &request, const Reply &reply);
    // The request carries the page's token.
    bool hasToken(const RemoteRequest &request) const;
    // The refusal to answer a WebSocket request with; nullopt when it may become a client.
    std::optional<RemoteResponse> admitSocket(const RemoteRequest &request);

    // The state as the page's WebSocket tells it (JSON).
    QByteArray stateMessage() const;
    // What the window shows may have changed: stateChanged() follows once, after the current event, when the
    // state did change.
    void refreshState();
    // The window has read the catalogue again: the shelf is read anew before the next answer from it.
    void catalogueChanged();

    // A notice of the jukebox's own for every page: noticeSent() with it.
    void tell(const QString &text);

Q_SIGNALS:
    void stateChanged(const QByteArray &message);
    void noticeSent(const QByteArray &message);

private:
    // Refusals common to every request: rate limits, token, origin; nullopt when it may go on.
    std::optional<RemoteResponse> gate(const RemoteRequest &request);
    void dispatch(const RemoteCall &call, const RemoteRequest &request, const Reply &reply);
    // Runs `work` on the shelf once it has been read.
    void withShelf(std::function<void(const std::shared_ptr<const AlbumShelf> &)> work);
    // Runs `work` on a worker thread and hands its answer to `reply` on this thread.
    void onWorker(std::function<RemoteResponse()> work, const Reply &reply);

    RemoteResponse page() const;
    RemoteResponse albums(const AlbumShelf &shelf, const RemoteCall &call) const;
    void album(const RemoteCall &call, const Reply &reply);
    void search(const RemoteCall &call, const Reply &reply);
    void cover(const RemoteCall &call, const RemoteRequest &request, const Reply &reply);
    RemoteResponse queue(const RemoteCall &call);
    void pin(const RemoteCall &call, const QString &client, const Reply &reply);
    RemoteResponse host(const RemoteCall &call);

    RemoteHost &m_host;
    Options m_options;
    Limits m_limits;
    RateLimiter::Clock m_clock;
    RateLimiter m_requests;
    RateLimiter m_covers;
    std::shared_ptr<const CoverThumbnails> m_thumbnails;

    std::shared_ptr<const AlbumShelf> m_shelf;
    bool m_shelfStale = true;
    bool m_shelfReading = false;
    std::vector<std::function<void(const std::shared_ptr<const AlbumShelf> &)>> m_waitingForShelf;

    int m_searches = 0;
    struct PinTries {
        bool checking = false;
        int wrong = 0;  // in a row
        int pauses = 0; // so far
        qint64 pausedUntil = 0;
    };
    QHash<QString, PinTries> m_pinTries; // by phone address
    struct Session {
        QByteArray secret;
        QByteArray stamp;
    };
    std::vector<Session> m_sessions;

    bool m_stateQueued = false;
    QByteArray m_lastState;

    QThreadPool m_workers; // last: waited for before the rest goes
};

} // namespace lumetra
