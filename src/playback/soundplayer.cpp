#include "soundplayer.h"

#include "logging.h"
#include "wire.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include <algorithm>

namespace lumetra {

namespace {

constexpr int kPingMs = 1000;
// A first answer may wait for GStreamer to list its plugins once.
constexpr int kFirstAnswerMs = 20000;
// Long enough for the engine's fade out once its input has closed.
constexpr int kGoodbyeMs = 400;

QByteArray number(qint64 n)
{
    return QByteArray::number(n);
}

// Beside the program in a build, under libexec once installed.
QString findEngine()
{
    const QString dir = QCoreApplication::applicationDirPath();
    for (const QString &candidate :
         {dir + QStringLiteral("/lumetra-sound"), dir + QStringLiteral("/" LUMETRA_ENGINE_FROM_BIN)}) {
        if (QFileInfo(candidate).isExecutable())
            return QDir::cleanPath(candidate);
    }
    return {};
}

// An engine let go lives on until it ends; the application holds it, so one still running when the program
// ends gets its fade and is then taken down instead of being lost.
void letGo(QProcess *engine)
{
    QObject *app = QCoreApplication::instance();
    if (!app) {
        delete engine;
        return;
    }
    engine->setParent(app);
    QObject::connect(engine, &QProcess::finished, engine, &QObject::deleteLater);
    QObject::connect(app, &QObject::destroyed, engine, [engine] { engine->waitForFinished(kGoodbyeMs); });
}

} // namespace

SoundPlayer::SoundPlayer(QObject *parent)
    : MediaPlayer(parent)
    , m_enginePath(findEngine())
{
    m_ping.setInterval(kPingMs);
    connect(&m_ping, &QTimer::timeout, this, [this] {
        // A window that could not run its loop heard nothing meanwhile: the engine's time starts again.
        if (m_tick.elapsed() > 2 * qint64(kPingMs)) {
            m_answered.start();
            m_sounding.start();
        }
        m_tick.start();
        const int bound = m_started ? m_watchdogMs : std::max(m_watchdogMs, kFirstAnswerMs);
        if (m_answered.elapsed() > bound)
            replaceEngine(QStringLiteral("no answer for %1 ms").arg(m_answered.elapsed()));
        else if (m_started && m_sounding.elapsed() > m_watchdogMs)
            replaceEngine(QStringLiteral("no sound put out for %1 ms").arg(m_sounding.elapsed()));
        else
            send({"ping", number(++m_pings)});
    });
    m_loadWatch.setSingleShot(true);
    connect(&m_loadWatch, &QTimer::timeout, this, [this] {
        if (m_state == Playing && !m_loaded)
            replaceEngine(QStringLiteral("the file did not load"));
    });
    if (m_enginePath.isEmpty())
        qCWarning(lcPlayback) << "the sound engine lumetra-sound is not installed beside the program";
    startEngine();
}

SoundPlayer::~SoundPlayer()
{
    if (!m_engine)
        return;
    // The engine fades out and ends once its input closes; the window does not wait for it.
    m_engine->disconnect(this);
    m_engine->closeWriteChannel();
    letGo(m_engine);
}

void SoundPlayer::startEngine()
{
    m_started = false;
    m_answered.start();
    m_sounding.start();
    if (m_enginePath.isEmpty())
        return;
    m_engine = new QProcess(this);
    m_engine->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    connect(m_engine, &QProcess::readyReadStandardOutput, this, &SoundPlayer::readEngine);
    connect(m_engine, &QProcess::finished, this,
            [this] { replaceEngine(QStringLiteral("the sound engine ended")); });
    m_engine->start(m_enginePath, {});
    send({"volume", number(m_volume)});
    send({"crossfade", number(m_crossfade)});
    m_ping.start();
    m_tick.start();
}

void SoundPlayer::replaceEngine(const QString &reason)
{
    ++m_replacements;
    qCWarning(lcPlayback).noquote()
        << QStringLiteral("sound engine replaced (%1 so far): %2").arg(m_replacements).arg(reason);
    m_loadWatch.stop();
    if (m_engine) {
        QProcess *old = m_engine;
        m_engine = nullptr;
        old->disconnect(this);
        old->kill();
        letGo(old);
    }
    startEngine();
    m_next.reset();
    if (m_url.isEmpty())
        return;
    if (m_state == Playing) {
        fail(QStringLiteral("the sound engine was replaced: %1").arg(reason));
    } else {
        // Paused or stopped: the file waits in the new engine as it did in the old one.
        m_needsLoad = true;
    }
}

qint64 SoundPlayer::enginePid() const
{
    return m_engine ? m_engine->processId() : 0;
}

void SoundPlayer::send(std::initializer_list<QByteArray> words)
{
    if (m_engine)
        m_engine->write(wire::line(words));
}

void SoundPlayer::sendLoad(qint64 fromMs)
{
    m_needsLoad = false;
    send({"load", number(m_currentId), QByteArray::number(m_gain), number(fromMs), QFile::encodeName(m_url)});
}

void SoundPlayer::readEngine()
{
    while (m_engine && m_engine->canReadLine()) {
        m_answered.start();
        const QList<QByteArray> words = wire::words(m_engine->readLine());
        if (!words.isEmpty())
            heard(words);
    }
}

void SoundPlayer::heard(const QList<QByteArray> &words)
{
    const QByteArray &verb = words[0];
    const quint64 id = words.value(1).toULongLong();
    if (!m_started) {
        // A file handed before the engine first answered had to wait for GStreamer's start.
        m_started = true;
        watchLoad();
    }
    if (verb == "pong") {
        const quint64 blocks = words.value(2).toULongLong();
        if (blocks != m_blocks) {
            m_blocks = blocks;
            m_sounding.start();
        }
    } else if (verb == "loaded") {
        if (id == m_currentId && !m_loaded) {
            markLoaded(words.value(2).toLongLong());
        } else if (m_next && id == m_next->id) {
            m_next->loaded = true;
            m_next->duration = words.value(2).toLongLong();
        }
    } else if (verb == "failed") {
        const QString reason = QString::fromUtf8(words.value(2));
        if (id == m_currentId && !m_loaded)
            fail(reason);
        else if (m_next && id == m_next->id)
            m_next->failure = reason;
    } else if (verb == "position" && id == m_currentId) {
        m_position = words.value(2).toLongLong();
        Q_EMIT positionChanged(m_position);
    } else if (verb == "ask" && id == m_currentId) {
        Q_EMIT nextWanted();
    } else if (verb == "joined" && id == m_currentId && m_next &&
               m_next->id == words.value(2).toULongLong()) {
        // The next file is heard: the end of this one is told as always, and the end-of-track step hands
        // the same file again, which is then taken as playing already.
        m_next->joined = true;
        Q_EMIT playStateChanged(MediaEnded);
        QMetaObject::invokeMethod(
            this, [this] { Q_EMIT playStateChanged(Transitioning); }, Qt::QueuedConnection);
    } else if (verb == "ended" && id == m_currentId) {
        m_needsLoad = true;
        m_next.reset();
        Q_EMIT playStateChanged(MediaEnded);
        report(Stopped);
        QMetaObject::invokeMethod(
            this, [this] { Q_EMIT playStateChanged(Transitioning); }, Qt::QueuedConnection);
    }
}

void SoundPlayer::setUrl(const QString &path)
{
    if (m_next && m_next->joined && path == m_next->path) {
        const Following next = *std::exchange(m_next, std::nullopt);
        m_url = path;
        m_currentId = next.id;
        m_gain = next.gain;
        m_loaded = false;
        m_position = 0;
        m_reportPlaying = true;
        m_duration = next.duration;
        Q_EMIT durationChanged(m_duration);
        Q_EMIT positionChanged(0);
        // Told after the caller has taken note of the file, as a load would be.
        QMetaObject::invokeMethod(
            this,
            [this, id = next.id, next] {
                if (id != m_currentId)
                    return;
                if (next.failure)
                    fail(*next.failure);
                else if (next.loaded)
                    markLoaded(next.duration);
            },
            Qt::QueuedConnection);
        if (!next.loaded && !next.failure)
            watchLoad();
        return;
    }
    m_next.reset();
    m_url = path;
    m_loaded = false;
    m_loadWatch.stop();
    m_currentId = ++m_serial;
    m_position = 0;
    m_duration = 0;
    m_reportPlaying = true;
    if (path.isEmpty()) {
        send({"stop"});
    } else {
        sendLoad(0);
        watchLoad();
    }
    // As a new source always did: what played before has stopped.
    report(Stopped);
    Q_EMIT positionChanged(0);
    Q_EMIT durationChanged(0);
}

void SoundPlayer::play()
{
    if (m_url.isEmpty())
        return;
    if (m_needsLoad)
        sendLoad(0);
    send({"play"});
    report(Playing);
    watchLoad();
}

void SoundPlayer::pause()
{
    if (m_state != Playing)
        return;
    send({"pause"});
    report(Paused);
}

void SoundPlayer::stop()
{
    send({"stop"});
    m_next.reset();
    m_loadWatch.stop();
    if (!m_url.isEmpty())
        m_needsLoad = true;
    report(Stopped);
    if (m_position != 0) {
        m_position = 0;
        Q_EMIT positionChanged(0);
    }
}

void SoundPlayer::setVolume(int volume)
{
    volume = std::clamp(volume, 0, 100);
    if (volume == m_volume)
        return;
    m_volume = volume;
    send({"volume", number(volume)});
    Q_EMIT volumeChanged(volume);
}

void SoundPlayer::setCrossfade(int ms)
{
    m_crossfade = ms;
    send({"crossfade", number(ms)});
}

void SoundPlayer::setPosition(qint64 ms)
{
    if (m_url.isEmpty())
        return;
    // The file is opened again where asked; the part playing fades out meanwhile.
    m_next.reset();
    m_position = std::max<qint64>(ms, 0);
    sendLoad(m_position);
    Q_EMIT positionChanged(m_position);
}

void SoundPlayer::setNext(const QString &path, Join join, double gainDb)
{
    if (m_currentId == 0 || m_needsLoad || (m_next && m_next->joined))
        return;
    if (path.isEmpty()) {
        if (m_next)
            send({"next", number(m_currentId), "-"});
        m_next.reset();
        return;
    }
    m_next = Following();
    m_next->id = ++m_serial;
    m_next->path = path;
    m_next->gain = gainDb;
    send({"next", number(m_currentId), number(m_next->id), join == Join::Crossfade ? "crossfade" : "gapless",
          QByteArray::number(gainDb), QFile::encodeName(path)});
}

void SoundPlayer::watchLoad()
{
    if (m_started && m_state == Playing && !m_loaded && !m_loadWatch.isActive())
        m_loadWatch.start(m_watchdogMs * 4 / 5);
}

void SoundPlayer::report(State state)
{
    const bool announce = state != m_state || (state == Playing && m_reportPlaying);
    m_state = state;
    if (state == Playing)
        m_reportPlaying = false;
    if (announce)
        Q_EMIT playStateChanged(state);
}

void SoundPlayer::markLoaded(qint64 duration)
{
    m_loadWatch.stop();
    m_loaded = true;
    if (duration != m_duration) {
        m_duration = duration;
        Q_EMIT durationChanged(duration);
    }
    Q_EMIT loaded();
}

void SoundPlayer::fail(const QString &reason)
{
    m_loadWatch.stop();
    m_loaded = false;
    m_needsLoad = true;
    m_next.reset();
    report(Stopped);
    Q_EMIT failed(m_url, reason);
}

} // namespace lumetra
