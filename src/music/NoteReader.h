#pragma once

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

// Reads pages first..last (1-based, inclusive; nothing when first > last) stave by stave,
// column by column, into one line of notes and rests. Only the first note, rest, bar line,
// accidental or key-signature symbol of a column is read.
std::vector<MusicEvent> readMusicEvents(const ScoreDocument& doc, int firstPage, int lastPage,
                                        StaveSelection staves);

}  // namespace noma
