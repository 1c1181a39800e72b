#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QCoreApplication>
#include <QString>
#include <QUrlQuery>

#include <array>
#include <optional>

namespace lumetra {

// One thing a phone asks of the remote, read from a request's method, path, query and JSON body. Albums are
// named by catalogue ID, tracks by their place in the album's listing, covers by ID and one of the fixed
// sizes: nothing a client sends is ever used as a path.
struct RemoteCall {
    enum class Kind { Page, Script, Style, State, Albums, Album, Search, Cover, Queue, Pin, Host, Socket };
    enum class Action { Skip, Volume, Mode };

    static constexpr int kMaxPage = 120;
    static constexpr int kMaxSearch = 100;
    static constexpr int kMaxName = 1000;
    static constexpr int kMaxTrack = 99999;
    static constexpr int kMaxPin = 16;
    static constexpr std::array kCoverSizes{160, 320};

    Kind kind = Kind::Page;
    qint64 album = 0; // catalogue ID (Albums: unused)
    int from = 0;     // Albums: the first place on the wall
    int count = 0;    // Albums: how many
    int track = -1;   // Queue: the place in the album's listing
    int size = 0;     // Cover: pixels, one of kCoverSizes
    QString text;     // Search: the text; Queue: the track's name as listed; Pin: the PIN
    QByteArray session;
    Action action = Action::Skip;
    int volume = 0;
    QString mode; // "normal", "shuffle" or "jukebox"
};

// What parseCall() made of a request: the call, or the status and short reason to answer with.
struct ParsedCall {
    std::optional<RemoteCall> call;
    int status = 0;
    QString error;
};

// Reads a request that carried the right token. Answers 404 for an unknown path, 405 for a method the path
// does not take, 415 for a body that is not JSON, 400 for anything out of range or of the wrong type.
ParsedCall parseCall(QByteArrayView method, const QString &path, const QUrlQuery &query, QByteArrayView body,
                     QByteArrayView contentType);

// The access token a request carries (query item "t"); empty when it has none or more than one.
QByteArray tokenOf(const QUrlQuery &query);

} // namespace lumetra
