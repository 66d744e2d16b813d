#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "music/MidiTiming.h"
#include "music/NoteReader.h"

namespace noma {

// One note or rest as written: the event it shows and the ticks it takes. A tied pair that
// plays as one note is written as two notes joined by a tie, both at the first note's pitch:
// the tie holds that key even where the second note stands an octave away.
struct WrittenNote {
    size_t event = 0;
    size_t pitchEvent = 0;
    int64_t ticks = 0;
    bool tieStart = false;
    bool tieStop = false;
};

// The events between two bar lines.
struct Measure {
    std::vector<WrittenNote> notes;
    int64_t length = 0;
    bool repeatStart = false;      // a forward repeat on its left
    BarKind end = BarKind::Plain;  // its right bar line; never RepeatStart
};

struct TimeSignature {
    int beats = 4;
    int beatType = 4;
    bool operator==(const TimeSignature&) const = default;
};

// Splits the line at its bar lines, each event with the time the MIDI export gives it.
// Bar lines with nothing between them make no empty measure: their repeat or end is kept on
// the measure beside them. A bar line within a triplet's thirds is left out.
std::vector<Measure> splitMeasures(const MusicReading& reading,
                                   const std::vector<EventTime>& times);

// The one time signature every full measure fits when they are all as long (a shorter first
// measure is a pickup, a shorter last one an ending); none when they differ.
std::optional<TimeSignature> commonTime(const std::vector<Measure>& measures);

// A measure's length as a time signature of 4..64 beat type; none when none gives it.
std::optional<TimeSignature> timeOfLength(int64_t ticks);

// The first measure is a pickup: shorter than the full measures after it.
bool startsWithPickup(const std::vector<Measure>& measures);

}  // namespace noma
