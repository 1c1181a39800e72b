#include "privatebus.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcessEnvironment>

namespace lumetra::test {

PrivateBus::PrivateBus()
{
    m_daemon.start(QStringLiteral("dbus-daemon"), {QStringLiteral("--session"), QStringLiteral("--nofork"),
                                                   QStringLiteral("--print-address=1")});
    if (m_daemon.waitForStarted(10000) && m_daemon.waitForReadyRead(10000))
        address = QString::fromUtf8(m_daemon.readLine()).trimmed();
}

PrivateBus::~PrivateBus()
{
    m_daemon.kill();
    m_daemon.waitForFinished(5000);
}

QString PrivateBus::run(const QString &program, const QStringList &args) const
{
    QProcess tool;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), address);
    tool.setProcessEnvironment(env);
    tool.start(program, args);
    QElapsedTimer clock;
    clock.start();
    while (tool.state() != QProcess::NotRunning && clock.elapsed() < 10000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        tool.waitForFinished(10);
    }
    if (tool.state() != QProcess::NotRunning) {
        tool.kill();
        tool.waitForFinished(1000);
    }
    return QString::fromUtf8(tool.readAllStandardOutput() + tool.readAllStandardError()).trimmed();
}

QString PrivateBus::playerctl(const QStringList &args) const
{
    return run(QStringLiteral("playerctl"), QStringList{QStringLiteral("--player=lumetra")} + args);
}

QString PrivateBus::dbusSend(const QStringList &args) const
{
    return run(QStringLiteral("dbus-send"),
               QStringList{QStringLiteral("--print-reply"),
                           QStringLiteral("--dest=org.mpris.MediaPlayer2.lumetra"),
                           QStringLiteral("/org/mpris/MediaPlayer2")} +
                   args);
}

} // namespace lumetra::test
