#include "engine.h"

#include "output.h"
#include "wire.h"

#include <QCoreApplication>
#include <QTimer>

#include <cstdlib>
#include <unistd.h>

namespace lumetra::sound {

namespace {

QByteArray number(qint64 n)
{
    return QByteArray::number(n);
}

} // namespace

Engine::Engine(std::unique_ptr<Output> output)
    : m_mixer(std::move(output),
              [this](News news) {
                  QMetaObject::invokeMethod(
                      this, [this, news = std::move(news)] { mixerNews(news); }, Qt::QueuedConnection);
              })
    , m_input(STDIN_FILENO, QSocketNotifier::Read)
{
    connect(&m_input, &QSocketNotifier::activated, this, &Engine::readCommands);
    m_mixer.start();
}

void Engine::readCommands()
{
    char buffer[4096];
    const ssize_t got = ::read(STDIN_FILENO, buffer, sizeof buffer);
    if (got <= 0) {
        quit();
        return;
    }
    m_received.append(buffer, got);
    for (qsizetype end; (end = m_received.indexOf('\n')) >= 0;) {
        const QList<QByteArray> words = wire::words(m_received.left(end));
        m_received.remove(0, end + 1);
        if (!words.isEmpty())
            command(words);
    }
}

void Engine::command(const QList<QByteArray> &words)
{
    const QByteArray &verb = words[0];
    const auto arg = [&words](int i) { return words.value(i); };
    if (verb == "load" && words.size() == 5) {
        m_mixer.load(open(arg(1).toULongLong(), arg(4), arg(3).toLongLong()), arg(2).toDouble());
    } else if (verb == "next" && words.size() == 6) {
        m_mixer.follow(arg(1).toULongLong(), open(arg(2).toULongLong(), arg(5), 0), arg(4).toDouble(),
                       arg(3) == "crossfade");
    } else if (verb == "next" && words.size() == 3) {
        m_mixer.follow(arg(1).toULongLong(), nullptr, 0, false);
    } else if (verb == "play") {
        m_mixer.play();
    } else if (verb == "pause") {
        m_mixer.pause();
    } else if (verb == "stop") {
        m_mixer.stop();
    } else if (verb == "volume") {
        m_mixer.setVolume(arg(1).toInt());
    } else if (verb == "crossfade") {
        m_mixer.setCrossfade(arg(1).toLongLong());
    } else if (verb == "ping") {
        send({"pong", arg(1), number(static_cast<qint64>(m_mixer.blocks()))});
    } else {
        qWarning("lumetra-sound: unknown command %s", verb.constData());
    }
}

std::shared_ptr<Deck> Engine::open(quint64 id, const QByteArray &path, qint64 fromMs)
{
    const quint64 key = ++m_keys;
    auto deck = std::make_shared<Deck>(id, key, path, fromMs, [this](quint64 key) {
        QMetaObject::invokeMethod(
            this, [this, key] { deckNews(key); }, Qt::QueuedConnection);
    });
    m_decks.emplace(key, deck);
    if (!deck->start())
        send({"failed", number(id), deck->reason().toUtf8()});
    return deck;
}

void Engine::deckNews(quint64 key)
{
    const auto it = m_decks.find(key);
    if (it == m_decks.end())
        return;
    Deck &deck = *it->second;
    if (!deck.poll())
        return;
    if (deck.status() == Deck::Status::Loaded)
        send({"loaded", number(deck.id()), number(deck.durationMs())});
    else if (deck.status() == Deck::Status::Failed)
        send({"failed", number(deck.id()), deck.reason().toUtf8()});
}

void Engine::mixerNews(const News &news)
{
    switch (news.kind) {
    case News::Kind::Ask:
        send({"ask", number(news.id)});
        break;
    case News::Kind::Joined:
        send({"joined", number(news.id), number(news.next)});
        break;
    case News::Kind::Ended:
        send({"ended", number(news.id)});
        break;
    case News::Kind::Position:
        send({"position", number(news.id), number(news.ms)});
        break;
    case News::Kind::Done:
        // The last reference but one: the deck's pipeline stops here, on this thread.
        m_decks.erase(news.deck->key());
        break;
    }
}

void Engine::send(std::initializer_list<QByteArray> words)
{
    const QByteArray text = wire::line(words);
    for (qsizetype done = 0; done < text.size();) {
        const ssize_t n = ::write(STDOUT_FILENO, text.constData() + done, text.size() - done);
        if (n <= 0) {
            if (errno == EINTR)
                continue;
            quit(); // the window is gone
            return;
        }
        done += n;
    }
}

void Engine::quit()
{
    if (m_quitting)
        return;
    m_quitting = true;
    m_input.setEnabled(false);
    m_mixer.stop();
    // The sound fades out; GStreamer's pipelines are left to the end of the process, which cannot hang on
    // them.
    auto *wait = new QTimer(this);
    int turns = 0;
    connect(wait, &QTimer::timeout, this, [this, turns]() mutable {
        if (!m_mixer.quiet() && ++turns < 30)
            return;
        m_mixer.finish();
        std::_Exit(0);
    });
    wait->start(10);
}

} // namespace lumetra::sound
