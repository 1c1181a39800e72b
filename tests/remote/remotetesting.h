#pragma once

#include "remote/remotehost.h"

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

} // namespace lumetra::test
