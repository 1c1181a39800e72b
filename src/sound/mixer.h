#pragma once

#include "deck.h"

#include <atomic>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

namespace lumetra::sound {

class Output;

// What the mixer tells the engine's thread. Done hands back a deck no longer played, to be ended there.
struct News {
    enum class Kind { Ask, Joined, Ended, Position, Done };
    Kind kind;
    quint64 id = 0;
    quint64 next = 0; // Joined: the file heard now
    qint64 ms = 0;    // Position
    std::shared_ptr<Deck> deck;
};

// An envelope from one level to another over a number of frames, on a curve computed for every sample:
// raised cosine for fades, quarter sine (equal power) for crossfades.
class Ramp
{
public:
    enum class Curve { Smooth, EqualPower };
    Ramp() = default;
    Ramp(float from, float to, qint64 frames, Curve curve);
    float value() const;
    float target() const { return m_to; }
    bool done() const { return m_at >= m_frames; }
    float step()
    {
        const float v = value();
        m_at += m_at < m_frames;
        return v;
    }

private:
    float m_from = 1;
    float m_to = 1;
    qint64 m_frames = 0;
    qint64 m_at = 0;
    Curve m_curve = Curve::Smooth;
};

// The one place sound is made: the file playing, the one that follows it (joined without a gap, or by a
// crossfade), files fading out, the pause envelope and the volume, mixed block by block on its own thread
// into the output, which paces it. Every call is thread-safe and returns at once.
class Mixer
{
public:
    static constexpr qint64 kBlock = kRate / 100;
    static constexpr qint64 kFadeFrames = kRate * 3 / 20; // skip, stop, pause, resume: 150 ms

    using Tell = std::function<void(News)>;
    Mixer(std::unique_ptr<Output> output, Tell tell);
    ~Mixer();
    void start();
    // Ends the thread and with it the output (a WAV file gets its last header).
    void finish();

    // `deck` plays next in place of the file playing, which fades out first; what was to follow is dropped.
    void load(std::shared_ptr<Deck> deck, double gainDb);
    // What follows file `from` when it ends; null: nothing.
    void follow(quint64 from, std::shared_ptr<Deck> deck, double gainDb, bool crossfade);
    void play();
    void pause();
    void stop();
    void setVolume(int percent);
    void setCrossfade(qint64 ms);
    // Blocks of sound put out so far: the engine's heartbeat.
    quint64 blocks() const { return m_blocks; }
    // Nothing fades any more.
    bool quiet() const;

private:
    struct Voice {
        std::shared_ptr<Deck> deck;
        float gain = 1;
        float gainNow = 1;
        Ramp fade;
        bool crossfade = false; // as the next file: joins by a crossfade
        bool blocking = false;  // fading out: the file replacing it waits
        qint64 heard = 0;       // frames mixed
        qint64 told = 0;        // frames when the position was last told
        bool asked = false;
    };
    void run();
    void render(float *mix, qint64 frames);
    void mixCurrent(float *mix, qint64 frames);
    qint64 mixVoice(Voice &voice, float *mix, qint64 frames);
    static Voice voice(std::shared_ptr<Deck> deck, double gainDb);
    void retire(Voice voice);
    void tell(News::Kind kind, quint64 id, quint64 next = 0, qint64 ms = 0);
    void done(Voice &voice);
    bool frozen() const { return !m_playing && m_master.done() && m_master.target() == 0; }
    qint64 lookahead() const { return m_crossfadeFrames + kRate / 2; }

    std::unique_ptr<Output> m_output;
    Tell m_tell;
    std::thread m_thread;
    std::atomic<bool> m_quit{false};
    std::atomic<quint64> m_blocks{0};

    mutable std::mutex m_lock;
    std::optional<Voice> m_current;
    std::optional<Voice> m_next;
    std::vector<Voice> m_outgoing;
    std::vector<News> m_news;
    bool m_playing = false;
    Ramp m_master;
    float m_volume = 1;
    float m_volumeNow = 1;
    qint64 m_crossfadeFrames = 0;
    std::vector<float> m_scratch;
};

} // namespace lumetra::sound
