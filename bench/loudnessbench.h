#pragma once

#include "benchcommon.h"

namespace lumetra::bench {

// The background loudness measurement over four minutes of generated music (MP3 and Ogg Vorbis): processor
// time per minute of audio against decoding the same files alone, and the longest wait of a window-thread
// event loop that asks for gains meanwhile.
int loudnessBench(const Options &options);

} // namespace lumetra::bench
