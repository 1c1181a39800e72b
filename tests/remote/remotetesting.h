#pragma once

#include "remote/remotehost.h"
#include "remote/remoteservice.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QJsonDocument>
#include <QJsonObject>

#include <functional>
#include <optional>

namespace lumetra::test {

const QByteArray kToken = "abcdefghijklmnopqrstuvwx";

// A jukebox as the remote sees it, recording what it was asked to do.
class FakeHost final : public RemoteHost
{
public:
    State state() const override { return current; }
    Pick queue(qint64 album, int track, const QString &name) override
    {
        picks.append(QStringLiteral("%1/%2/%3").arg(album).arg(track).arg(name));
        return answer;
    }
    PinCheck pinCheck() const override
    {
        if (pin.isEmpty())
            return {};
        return {stamp, [pin = pin](const QString &given) { return given == pin; }};
    }
    void skip() override { ++skips; }
    void setVolume(int to) override { volume = to; }
    void setMode(const QString &mode) override { modes.append(mode); }

    State current;
    Pick answer;
    QStringList picks;
    QString pin;
    QByteArray stamp = "first";
    int skips = 0;
    int volume = -1;
    QStringList modes;
};

// Runs the events until `done` holds or `ms` pass; whether it holds.
inline bool waitFor(const std::function<bool()> &done, int ms = 5000)
{
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    return done();
}

// The service's answer to one request, once it has come (at most a few seconds).
inline std::optional<RemoteResponse> ask(RemoteService &service, const RemoteRequest &request)
{
    std::optional<RemoteResponse> answer;
    service.handle(request, [&answer](const RemoteResponse &response) { answer = response; });
    waitFor([&answer] { return answer.has_value(); }, 10000);
    return answer;
}

inline QJsonObject jsonOf(const RemoteResponse &response)
{
    return QJsonDocument::fromJson(response.body).object();
}

} // namespace lumetra::test
