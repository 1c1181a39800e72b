#pragma once

#include "remote/remotehost.h"

#include <QTcpSocket>
#include <QTest>

#include <tuple>

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

// What the server on `port` sends back to raw bytes on one connection, until it closes or `ms` pass.
inline QByteArray exchange(quint16 port, const QByteArray &bytes, int ms = 3000)
{
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, port);
    socket.write(bytes); // sent once connected
    QByteArray got;
    std::ignore = QTest::qWaitFor(
        [&] {
            got += socket.readAll();
            return socket.state() == QAbstractSocket::UnconnectedState;
        },
        ms);
    return got + socket.readAll();
}

// The text of a GET of `target` from the server on `port`, asking it to close the connection after the
// answer.
inline QByteArray getRequest(quint16 port, const QByteArray &target)
{
    return "GET " + target + " HTTP/1.1\r\nHost: 127.0.0.1:" + QByteArray::number(port) +
           "\r\nConnection: close\r\n\r\n";
}

} // namespace lumetra::test
