#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "music/MidiTiming.h"

namespace noma {

// Appends a MIDI variable-length quantity: seven bits a byte, most significant first, every
// byte but the last with its top bit set. Negative values are written as 0.
void appendVariableLength(std::string& bytes, int64_t value);

// The Standard MIDI File of the melodic line: format 1, a tempo track and one note track on
// channel 1 with the program change, 48 ticks per quarter note.
// `tempo` is in quarter notes per minute, `program` the General MIDI program 0..127.
std::string midiFileBytes(const std::vector<TimedNote>& notes, int tempo, int program);

}  // namespace noma
