#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

namespace lumetra::test {

// A session bus of its own, so a test never meets the desktop's players.
class PrivateBus
{
public:
    PrivateBus();
    ~PrivateBus();
    QString address;

    // Runs a tool against this bus while this process keeps serving it; returns what the tool printed,
    // trimmed. playerctl talks to the jukebox's MPRIS service; dbus-send calls a method of its root object.
    QString playerctl(const QStringList &args) const;
    QString dbusSend(const QStringList &args) const;

private:
    QString run(const QString &program, const QStringList &args) const;
    QProcess m_daemon;
};

} // namespace lumetra::test
