#pragma once

#include <string>

#include "platform/Status.h"

namespace noma {

// Plays a written MIDI file and returns when the music has ended or the user stopped it.
// The editor plays through the synthesizer while its windows stay alive; tests listen in.
class MidiPlayback {
  public:
    virtual ~MidiPlayback() = default;
    virtual Status play(const std::string& midiPath) = 0;
};

}  // namespace noma
