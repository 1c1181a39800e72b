#pragma once

#include "mixer.h"

#include <QByteArray>
#include <QObject>
#include <QSocketNotifier>

#include <initializer_list>
#include <map>

namespace lumetra::sound {

// The sound engine's own thread: commands from the window on standard input, answers and news on standard
// output (see wire.h), the decks' lives and their buses. Standard input closing ends the engine.
class Engine : public QObject
{
    Q_OBJECT
public:
    explicit Engine(std::unique_ptr<Output> output);

private:
    void readCommands();
    void command(const QList<QByteArray> &words);
    std::shared_ptr<Deck> open(quint64 id, const QByteArray &path, qint64 fromMs);
    void deckNews(quint64 key);
    void mixerNews(const News &news);
    void send(std::initializer_list<QByteArray> words);
    void quit();

    Mixer m_mixer;
    QSocketNotifier m_input;
    QByteArray m_received;
    std::map<quint64, std::shared_ptr<Deck>> m_decks; // by key
    quint64 m_keys = 0;
    bool m_quitting = false;
};

} // namespace lumetra::sound
