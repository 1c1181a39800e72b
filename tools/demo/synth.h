#pragma once

#include <cstdint>
#include <vector>

namespace lumetra::demo {

struct Audio {
    static constexpr int kSampleRate = 44100;
    std::vector<float> left;
    std::vector<float> right;

    double seconds() const { return static_cast<double>(left.size()) / kSampleRate; }
};

enum class Lead { Pluck, Bell, ElectricPiano, Marimba, Flute, Glass };
enum class Pad { Triangle, Choir, Organ, Harp };

// What every track of one album shares, so an album sounds like one record.
struct AlbumStyle {
    int root = 55; // MIDI note of the tonic
    int mode = 0;  // index into the church modes
    double bpm = 100;
    Lead lead = Lead::Pluck;
    Pad pad = Pad::Triangle;
    bool bass = true;
    bool ticks = false;
    double echo = 0.25;
    double density = 0.7; // chance that an eighth starts a melody note
    double swing = 0;     // share of an eighth that off-beats are late by
};

AlbumStyle styleFor(std::uint64_t albumSeed);

// A short tune of 3 to 6 seconds, peaking at about -3 dBFS.
Audio renderTrack(const AlbumStyle &style, std::uint64_t trackSeed);

} // namespace lumetra::demo
