#pragma once

#include <array>

#include "musicxml/Score.h"

namespace noma::interchange {

// A note's line or space counted in steps from C0, as the reading numbers them (B4 is 34).
int diatonicOf(const musicxml::Note& note);

struct SpelledNote {
    int diatonic = 0;
    int alteration = 0;  // -1, 0, +1
    int accidental = 0;  // the kind to write before it (22, 23, 24), 0 for none
    bool respelled = false;
};

// Keeps, for one stave, the alterations the reading will apply (key signature per degree,
// accidentals per line or space until the bar line) and spells each note so that the reading
// hears its pitch: an accidental wherever the state differs from the pitch or the score prints
// one, and another name for the same pitch where no accidental can give it (double sharps and
// flats, a sharp on a degree the key flattens).
class Spelling {
  public:
    void setKey(int fifths);
    void newMeasure() { accidental_.fill(0); }
    SpelledNote spell(const musicxml::Note& note) const;
    // The reading saw this note's accidental.
    void applyRead(const SpelledNote& note);

  private:
    int heard(int diatonic) const;
    bool reachable(int diatonic, int alteration) const;

    static constexpr int kRange = 100;
    std::array<int, 7> key_{};
    std::array<int, kRange> accidental_{};
};

}  // namespace noma::interchange
