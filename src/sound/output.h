#pragma once

#include <QString>

#include <memory>

namespace lumetra::sound {

// Where the mixed sound goes: the sound card, or a WAV file written in real time. write() takes
// interleaved 16-bit stereo frames at kRate and returns once there is room for more, which paces the mixer.
class Output
{
public:
    virtual ~Output() = default;
    virtual bool write(const qint16 *frames, qint64 count) = 0;

    // LUMETRA_AUDIO_OUT=FILE.wav, else the desktop's sound output (a clock-paced stand-in without one).
    static std::unique_ptr<Output> open(QString *error);
};

} // namespace lumetra::sound
