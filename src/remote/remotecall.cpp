#include "remotecall.h"

#include <QHash>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <cmath>

namespace lumetra {

namespace {

constexpr qint64 kMaxId = (qint64(1) << 53) - 1; // what a JSON number holds exactly
constexpr int kMaxFrom = 10'000'000;
constexpr int kMaxSession = 64;
constexpr int kMaxVolume = 100;

using Kind = RemoteCall::Kind;

struct Route {
    Kind kind;
    bool post;
};

const QHash<QString, Route> &routes()
{
    static const QHash<QString, Route> table{
        {QStringLiteral("/"), {Kind::Page, false}},
        {QStringLiteral("/remote.js"), {Kind::Script, false}},
        {QStringLiteral("/remote.css"), {Kind::Style, false}},
        {QStringLiteral("/api/state"), {Kind::State, false}},
        {QStringLiteral("/api/albums"), {Kind::Albums, false}},
        {QStringLiteral("/api/album"), {Kind::Album, false}},
        {QStringLiteral("/api/search"), {Kind::Search, false}},
        {QStringLiteral("/cover"), {Kind::Cover, false}},
        {QStringLiteral("/socket"), {Kind::Socket, false}},
        {QStringLiteral("/api/queue"), {Kind::Queue, true}},
        {QStringLiteral("/api/pin"), {Kind::Pin, true}},
        {QStringLiteral("/api/host"), {Kind::Host, true}},
    };
    return table;
}

ParsedCall failed(int status, const QString &error)
{
    return {std::nullopt, status, error};
}

// One query item as text, read as a form writes it ("+" for a blank, as the page's URLSearchParams does);
// nullopt when it is missing or given twice.
std::optional<QString> item(const QUrlQuery &query, const QString &key)
{
    const QStringList values = query.allQueryItemValues(key, QUrl::FullyEncoded);
    if (values.size() != 1)
        return std::nullopt;
    return QUrl::fromPercentEncoding(values.front().toUtf8().replace('+', ' '));
}

// Decimal digits only, no sign or blanks, within [low, high].
std::optional<qint64> number(const QString &text, qint64 low, qint64 high)
{
    if (text.isEmpty() || text.size() > 16 ||
        !std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; }))
        return std::nullopt;
    const qint64 value = text.toLongLong();
    if (value < low || value > high)
        return std::nullopt;
    return value;
}

std::optional<qint64> queryNumber(const QUrlQuery &query, const QString &key, qint64 low, qint64 high)
{
    const auto text = item(query, key);
    return text ? number(*text, low, high) : std::nullopt;
}

// A JSON number that is a whole number within [low, high].
std::optional<qint64> jsonNumber(const QJsonValue &value, qint64 low, qint64 high)
{
    if (!value.isDouble())
        return std::nullopt;
    const double d = value.toDouble();
    if (!std::isfinite(d) || d != std::floor(d) || d < double(low) || d > double(high))
        return std::nullopt;
    return static_cast<qint64>(d);
}

std::optional<QString> jsonText(const QJsonValue &value, qsizetype maxSize)
{
    if (!value.isString())
        return std::nullopt;
    QString text = value.toString();
    if (text.size() > maxSize)
        return std::nullopt;
    return text;
}

ParsedCall readQuery(RemoteCall call, const QUrlQuery &query)
{
    const QString bad = QCoreApplication::translate("RemoteCall", "Bad request.");
    switch (call.kind) {
    case Kind::Albums: {
        const auto from = queryNumber(query, QStringLiteral("from"), 0, kMaxFrom);
        const auto count = queryNumber(query, QStringLiteral("count"), 1, RemoteCall::kMaxPage);
        if (!from || !count)
            return failed(400, bad);
        call.from = int(*from);
        call.count = int(*count);
        break;
    }
    case Kind::Album: {
        const auto id = queryNumber(query, QStringLiteral("id"), 1, kMaxId);
        if (!id)
            return failed(400, bad);
        call.album = *id;
        break;
    }
    case Kind::Cover: {
        const auto id = queryNumber(query, QStringLiteral("id"), 1, kMaxId);
        const auto size = queryNumber(query, QStringLiteral("size"), 1, 10000);
        if (!id || !size ||
            std::find(RemoteCall::kCoverSizes.begin(), RemoteCall::kCoverSizes.end(), int(*size)) ==
                RemoteCall::kCoverSizes.end())
            return failed(400, bad);
        call.album = *id;
        call.size = int(*size);
        break;
    }
    case Kind::Search: {
        const auto text = item(query, QStringLiteral("q"));
        if (!text || text->size() > RemoteCall::kMaxSearch)
            return failed(400, bad);
        call.text = *text;
        break;
    }
    default:
        break;
    }
    return {call, 200, {}};
}

ParsedCall readBody(RemoteCall call, QByteArrayView body, QByteArrayView contentType)
{
    const QString bad = QCoreApplication::translate("RemoteCall", "Bad request.");
    // A form cannot send JSON without asking first, so other sites' pages cannot post here unseen.
    const qsizetype semicolon = contentType.indexOf(';');
    const QByteArrayView type = (semicolon < 0 ? contentType : contentType.first(semicolon)).trimmed();
    if (type.compare("application/json", Qt::CaseInsensitive) != 0)
        return failed(415, QCoreApplication::translate("RemoteCall", "The body must be JSON."));
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(body.toByteArray(), &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return failed(400, bad);
    const QJsonObject object = document.object();
    switch (call.kind) {
    case Kind::Queue: {
        const auto album = jsonNumber(object.value(u"album"), 1, kMaxId);
        const auto track = jsonNumber(object.value(u"track"), 0, RemoteCall::kMaxTrack);
        const auto name = jsonText(object.value(u"name"), RemoteCall::kMaxName);
        if (!album || !track || !name)
            return failed(400, bad);
        call.album = *album;
        call.track = int(*track);
        call.text = *name;
        break;
    }
    case Kind::Pin: {
        const auto pin = jsonText(object.value(u"pin"), RemoteCall::kMaxPin);
        if (!pin)
            return failed(400, bad);
        call.text = *pin;
        break;
    }
    case Kind::Host: {
        const auto session = jsonText(object.value(u"session"), kMaxSession);
        const auto action = jsonText(object.value(u"action"), kMaxSession);
        if (!session || !action)
            return failed(400, bad);
        call.session = session->toLatin1();
        if (*action == u"skip") {
            call.action = RemoteCall::Action::Skip;
        } else if (*action == u"volume") {
            const auto volume = jsonNumber(object.value(u"value"), 0, kMaxVolume);
            if (!volume)
                return failed(400, bad);
            call.action = RemoteCall::Action::Volume;
            call.volume = int(*volume);
        } else if (*action == u"mode") {
            const auto mode = jsonText(object.value(u"value"), kMaxSession);
            if (!mode || (*mode != u"normal" && *mode != u"shuffle" && *mode != u"jukebox"))
                return failed(400, bad);
            call.action = RemoteCall::Action::Mode;
            call.mode = *mode;
        } else {
            return failed(400, bad);
        }
        break;
    }
    default:
        break;
    }
    return {call, 200, {}};
}

} // namespace

QByteArray tokenOf(const QUrlQuery &query)
{
    const auto token = item(query, QStringLiteral("t"));
    return token ? token->toLatin1() : QByteArray();
}

ParsedCall parseCall(QByteArrayView method, const QString &path, const QUrlQuery &query, QByteArrayView body,
                     QByteArrayView contentType)
{
    const auto route = routes().constFind(path);
    if (route == routes().cend())
        return failed(404, QCoreApplication::translate("RemoteCall", "Not found."));
    const bool post = method == "POST";
    if (!post && method != "GET")
        return failed(405, QCoreApplication::translate("RemoteCall", "Method not allowed."));
    if (post != route->post)
        return failed(405, QCoreApplication::translate("RemoteCall", "Method not allowed."));
    RemoteCall call;
    call.kind = route->kind;
    if (!post && !body.isEmpty())
        return failed(400, QCoreApplication::translate("RemoteCall", "Bad request."));
    return post ? readBody(call, body, contentType) : readQuery(call, query);
}

} // namespace lumetra
