#pragma once

#include <cstddef>
#include <vector>

namespace noma {

class ScoreDocument;

// One note or rest of the melodic line, in reading order.
struct MusicEvent {
    int octave = 0;
    int semitone = 0;  // 0..11 plus alterations (-1..12), kRestSemitone for a rest
    int value = 4;     // note value's denominator: 1 whole .. 128
    int markValue = 0;
    bool operator==(const MusicEvent&) const = default;
};

constexpr int kRestSemitone = -10;

// Which staves are played, by the clef that governs them.
enum class StaveSelection { Treble, Bass, Both };

// How a note was written: its staff degree (0 C .. 6 B) and the alteration of the key
// signature and accidentals that gave its semitone. A rest has both 0.
struct EventSpelling {
    int step = 0;
    int alteration = 0;
};

enum class BarKind { Plain, Final, RepeatStart, RepeatEnd };

// A bar line read after `before` events.
struct BarMark {
    size_t before;
    BarKind kind;
};

// The key in force from event `before` on: sharps (positive) or flats (negative) of the
// stave's key-signature symbols. A new stave starts with no key until its symbols are read.
struct KeyMark {
    size_t before;
    int fifths;
};

// Where the symbol of an event stands: page (0-based), stave of the page, column and row.
struct EventPlace {
    int page = 0;
    int stave = 0;
    int column = 0;
    int row = 0;
};

// A stave as it was read: from event `before` and bar `firstBar` on, with the clef that
// governed it and the key its key-signature symbols gave before its first note.
struct StaveMark {
    size_t before;
    size_t firstBar;
    int page;  // 0-based
    int stave;
    bool bass;
    int fifths;
    int clefOffset;  // the staff degree of row r is 38 + top + clefOffset - r (top: the stave's
                     // row)
};

// The line of events with what a notation export needs beside it, from the same reading.
struct MusicReading {
    std::vector<MusicEvent> events;
    std::vector<EventSpelling> spelling;  // one per event
    std::vector<EventPlace> places;       // one per event
    std::vector<BarMark> bars;
    std::vector<EventPlace> barPlaces;  // one per bar
    std::vector<KeyMark> keys;
    std::vector<StaveMark> staves;  // the staves read, in order
};

MusicReading readMusic(const ScoreDocument& doc, int firstPage, int lastPage,
                       StaveSelection staves);

// Reads pages first..last (1-based, inclusive; nothing when first > last) stave by stave,
// column by column, into one line of notes and rests. Only the first note, rest, bar line,
// accidental or key-signature symbol of a column is read.
std::vector<MusicEvent> readMusicEvents(const ScoreDocument& doc, int firstPage, int lastPage,
                                        StaveSelection staves);

}  // namespace noma
