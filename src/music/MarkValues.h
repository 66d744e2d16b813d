#pragma once

#include <vector>

namespace noma {

class ScoreDocument;

// A note's mark value: the units digit is the rhythm mark, the tens part the articulation
// (or, for a grace note, the note's own value).
enum RhythmMark : int {
    kNoRhythmMark = 0,
    kDotted = 1,
    kDoubleDotted = 2,
    kTriplet = 3,
    kTied = 4,
};
enum Articulation : int {
    kNoArticulation = 0,
    kStaccato = 1,
    kStaccatissimo = 2,
    // 8 and more: a grace note of that value.
    kGraceThreshold = 8,
};

constexpr int rhythmMarkOf(int markValue) {
    return markValue % 10;
}
constexpr int articulationOf(int markValue) {
    return markValue / 10;
}

// The mark value of every record in use on the page (index = record index), found from the
// dots, upper triplet marks, ties, staccato, staccatissimo and grace marks near each stemmed
// note. Records that are not stemmed notes keep 0.
std::vector<int> computeMarkValues(const ScoreDocument& doc, int page);

}  // namespace noma
