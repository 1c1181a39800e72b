#include "mixer.h"

#include "output.h"

#include <algorithm>
#include <cmath>

namespace lumetra::sound {

namespace {

// Seconds before a file's end at which the window is asked what follows, beyond the crossfade.
constexpr qint64 kAskAheadFrames = qint64{kRate} * 3;
constexpr qint64 kPositionEveryFrames = kRate / 4;
// A gain or volume change glides over about 50 ms instead of stepping.
const float kGlide = 1.0f - std::exp(-1.0f / (0.05f * kRate));

float linear(double db)
{
    return static_cast<float>(std::pow(10.0, db / 20.0));
}

} // namespace

Ramp::Ramp(float from, float to, qint64 frames, Curve curve)
    : m_from(from)
    , m_to(to)
    , m_frames(std::max<qint64>(frames, 1))
    , m_curve(curve)
{
}

float Ramp::value() const
{
    if (m_at >= m_frames)
        return m_to;
    const double x = static_cast<double>(m_at) / m_frames;
    double shape;
    if (m_curve == Curve::Smooth)
        shape = 0.5 - 0.5 * std::cos(M_PI * x);
    else // equal power: sine rising, cosine falling
        shape = m_to > m_from ? std::sin(M_PI_2 * x) : 1 - std::cos(M_PI_2 * x);
    return static_cast<float>(m_from + (m_to - m_from) * shape);
}

Mixer::Mixer(std::unique_ptr<Output> output, Tell tell)
    : m_output(std::move(output))
    , m_tell(std::move(tell))
    , m_scratch(kBlock * kChannels)
{
}

Mixer::~Mixer()
{
    finish();
}

void Mixer::start()
{
    m_thread = std::thread([this] { run(); });
}

void Mixer::finish()
{
    m_quit = true;
    if (m_thread.joinable())
        m_thread.join();
    m_output.reset();
}

void Mixer::run()
{
    std::vector<float> mix(kBlock * kChannels);
    std::vector<qint16> out(kBlock * kChannels);
    while (!m_quit) {
        std::vector<News> news;
        {
            std::lock_guard lock(m_lock);
            render(mix.data(), kBlock);
            news.swap(m_news);
        }
        for (News &n : news)
            m_tell(std::move(n));
        for (size_t i = 0; i < mix.size(); ++i)
            out[i] = static_cast<qint16>(std::lround(std::clamp(mix[i], -1.0f, 1.0f) * 32767.0f));
        if (!m_output->write(out.data(), kBlock))
            break;
        ++m_blocks;
    }
}

void Mixer::render(float *mix, qint64 frames)
{
    std::fill(mix, mix + frames * kChannels, 0.0f);
    const qint64 ahead = lookahead();
    for (std::optional<Voice> *voice : {&m_current, &m_next}) {
        if (*voice)
            (*voice)->deck->fill(ahead);
    }
    for (Voice &voice : m_outgoing)
        voice.deck->fill(frames);
    if (frozen()) {
        // Paused and faded out: what was replaced meanwhile is silent anyway.
        for (Voice &voice : m_outgoing)
            done(voice);
        m_outgoing.clear();
        return;
    }
    bool waiting = false;
    for (auto it = m_outgoing.begin(); it != m_outgoing.end();) {
        mixVoice(*it, mix, frames);
        if (it->fade.done() || it->deck->finished()) {
            done(*it);
            it = m_outgoing.erase(it);
        } else {
            waiting = waiting || it->blocking;
            ++it;
        }
    }
    if (!waiting)
        mixCurrent(mix, frames);
    for (qint64 i = 0; i < frames; ++i) {
        m_volumeNow += (m_volume - m_volumeNow) * kGlide;
        const float level = m_master.step() * m_volumeNow;
        mix[2 * i] *= level;
        mix[2 * i + 1] *= level;
    }
}

void Mixer::mixCurrent(float *mix, qint64 frames)
{
    qint64 at = 0;
    while (at < frames && m_current) {
        Voice &current = *m_current;
        Deck &deck = *current.deck;
        if (deck.status() == Deck::Status::Failed) {
            // The window was told it failed; what follows is for it to say again.
            done(current);
            m_current.reset();
            break;
        }
        const bool nextReady = m_next && m_next->deck->status() != Deck::Status::Loading &&
                               (m_next->deck->buffered() > 0 || m_next->deck->finished());
        if (m_next && m_next->crossfade && nextReady && deck.decoded() &&
            deck.buffered() <= m_crossfadeFrames && deck.buffered() > 0) {
            Voice out = std::move(current);
            out.fade = Ramp(out.fade.value(), 0, deck.buffered(), Ramp::Curve::EqualPower);
            Voice in = std::move(*m_next);
            in.fade = Ramp(0, 1, deck.buffered(), Ramp::Curve::EqualPower);
            tell(News::Kind::Joined, out.deck->id(), in.deck->id());
            // The outgoing files were mixed for this block before the crossfade began: this one's rest now.
            mixVoice(out, mix + at * kChannels, frames - at);
            m_outgoing.push_back(std::move(out));
            m_current = std::move(in);
            m_next.reset();
            continue;
        }
        if (deck.finished()) {
            if (m_next) {
                // Gapless: the next file's first frame follows this one's last, and its gain glides from
                // this one's.
                Voice in = std::move(*m_next);
                in.gainNow = current.gainNow;
                tell(News::Kind::Joined, deck.id(), in.deck->id());
                done(current);
                m_current = std::move(in);
                m_next.reset();
                continue;
            }
            tell(News::Kind::Ended, deck.id());
            done(current);
            m_current.reset();
            break;
        }
        if (!m_playing && m_master.done())
            break; // loaded, not yet asked to play
        const qint64 n = mixVoice(current, mix + at * kChannels, frames - at);
        if (n == 0)
            break; // the decoder is behind: silence until it catches up
        at += n;
        current.heard += n;
        const qint64 heardMs = deck.fromMs() + current.heard * 1000 / kRate;
        if (current.heard - current.told >= kPositionEveryFrames) {
            current.told = current.heard;
            tell(News::Kind::Position, deck.id(), 0, heardMs);
        }
        const qint64 left = deck.decoded()          ? deck.buffered()
                            : deck.durationMs() > 0 ? (deck.durationMs() - heardMs) * kRate / 1000
                                                    : kAskAheadFrames + lookahead() + 1;
        if (!current.asked && left <= kAskAheadFrames + lookahead()) {
            current.asked = true;
            tell(News::Kind::Ask, deck.id());
        }
    }
}

qint64 Mixer::mixVoice(Voice &voice, float *mix, qint64 frames)
{
    const qint64 n = voice.deck->read(m_scratch.data(), frames);
    for (qint64 i = 0; i < n; ++i) {
        voice.gainNow += (voice.gain - voice.gainNow) * kGlide;
        const float level = voice.gainNow * voice.fade.step();
        mix[2 * i] += m_scratch[2 * i] * level;
        mix[2 * i + 1] += m_scratch[2 * i + 1] * level;
    }
    return n;
}

void Mixer::tell(News::Kind kind, quint64 id, quint64 next, qint64 ms)
{
    m_news.push_back({kind, id, next, ms, nullptr});
}

void Mixer::done(Voice &voice)
{
    m_news.push_back({News::Kind::Done, voice.deck->id(), 0, 0, voice.deck});
}

Mixer::Voice Mixer::voice(std::shared_ptr<Deck> deck, double gainDb)
{
    Voice voice;
    voice.deck = std::move(deck);
    voice.gain = voice.gainNow = linear(gainDb);
    return voice;
}

void Mixer::retire(Voice voice)
{
    if (voice.heard == 0 || frozen() || voice.deck->status() != Deck::Status::Loaded) {
        done(voice);
        return;
    }
    voice.fade = Ramp(voice.fade.value(), 0, kFadeFrames, Ramp::Curve::Smooth);
    voice.blocking = true;
    m_outgoing.push_back(std::move(voice));
}

void Mixer::load(std::shared_ptr<Deck> deck, double gainDb)
{
    std::lock_guard lock(m_lock);
    if (m_current)
        retire(std::move(*m_current));
    if (m_next)
        done(*m_next);
    m_next.reset();
    m_current = voice(std::move(deck), gainDb);
}

void Mixer::follow(quint64 from, std::shared_ptr<Deck> deck, double gainDb, bool crossfade)
{
    std::lock_guard lock(m_lock);
    if (m_next)
        done(*m_next);
    m_next.reset();
    if (!deck)
        return;
    Voice next = voice(std::move(deck), gainDb);
    next.crossfade = crossfade;
    if (m_current && m_current->deck->id() == from)
        m_next = std::move(next);
    else
        done(next);
}

void Mixer::play()
{
    std::lock_guard lock(m_lock);
    m_playing = true;
    if (m_master.target() < 1)
        m_master = Ramp(m_master.value(), 1, kFadeFrames, Ramp::Curve::Smooth);
}

void Mixer::pause()
{
    std::lock_guard lock(m_lock);
    m_playing = false;
    m_master = Ramp(m_master.value(), 0, kFadeFrames, Ramp::Curve::Smooth);
}

void Mixer::stop()
{
    std::lock_guard lock(m_lock);
    m_playing = false;
    if (m_current)
        retire(std::move(*m_current));
    m_current.reset();
    if (m_next)
        done(*m_next);
    m_next.reset();
}

void Mixer::setVolume(int percent)
{
    std::lock_guard lock(m_lock);
    m_volume = std::clamp(percent, 0, 100) / 100.0f;
}

void Mixer::setCrossfade(qint64 ms)
{
    std::lock_guard lock(m_lock);
    m_crossfadeFrames = std::clamp<qint64>(ms, 0, 12000) * kRate / 1000;
}

bool Mixer::quiet() const
{
    std::lock_guard lock(m_lock);
    return m_outgoing.empty();
}

} // namespace lumetra::sound
