#pragma once

#include <cstdint>
#include <vector>

#include "music/NoteReader.h"

namespace noma {

constexpr int kTicksPerQuarter = 48;
constexpr int kTicksPerWhole = 4 * kTicksPerQuarter;

// One sounding note of the MIDI track: the silence before it, its key and how long it sounds.
struct TimedNote {
    int64_t delta = 0;
    int key = 60;
    int64_t duration = 0;
    bool operator==(const TimedNote&) const = default;
};

// Turns the melodic line into timed notes at 48 ticks per quarter: dots, triplets, ties
// (merging the next note of the same pitch class), grace notes taking their time from the
// following note, staccato and staccatissimo silences, and rests as pending silence.
std::vector<TimedNote> timeEvents(const std::vector<MusicEvent>& events);

// The MIDI key of a note, folded by octaves into 0..127 when it lies beyond.
int midiKey(int octave, int semitone);

}  // namespace noma
