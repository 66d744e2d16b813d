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

// The time one event takes in the line, in ticks. A note tied into the one before it is
// `merged`: that note's length already holds it.
struct EventTime {
    int64_t length = 0;    // a note at least 1 tick, a rest at least 0
    int64_t sounding = 0;  // how long a note is heard
    int64_t after = 0;     // the silence a staccato note leaves after it
    bool merged = false;
};

// The time of every event of the line, in the line's order; what timeEvents plays.
std::vector<EventTime> timeEachEvent(const std::vector<MusicEvent>& events);

// Turns the melodic line into timed notes at 48 ticks per quarter: dots, triplets, ties
// (merging the next note of the same pitch class), grace notes taking their time from the
// following note, staccato and staccatissimo silences, and rests as pending silence.
std::vector<TimedNote> timeEvents(const std::vector<MusicEvent>& events);

// The MIDI key of a note, folded by octaves into 0..127 when it lies beyond.
int midiKey(int octave, int semitone);

}  // namespace noma
