#pragma once

#include <optional>
#include <string>

#include "platform/Failure.h"

namespace noma {

// Plays a written MIDI file and returns when the music has ended or the user stopped it.
// The editor plays through the synthesizer while its windows stay alive; tests listen in.
class MidiPlayback {
  public:
    virtual ~MidiPlayback() = default;
    virtual std::optional<Failure> play(const std::string& midiPath) = 0;
};

}  // namespace noma
