#include "interchange/NoteSpelling.h"

#include <cstdlib>

#include "document/SymbolKind.h"

namespace noma::interchange {

namespace {

constexpr int kStepSemitone[7] = {0, 2, 4, 5, 7, 9, 11};

int stepOf(int diatonic) {
    return ((diatonic % 7) + 7) % 7;
}

}  // namespace

int diatonicOf(const musicxml::Note& note) {
    static constexpr int kStep[7] = {5, 6, 0, 1, 2, 3, 4};  // A..G from C
    return 7 * note.octave + kStep[note.step - 'A'];
}

void Spelling::setKey(int fifths) {
    key_.fill(0);
    static constexpr int kSharps[7] = {3, 0, 4, 1, 5, 2, 6};  // F C G D A E B
    for (int n = 0; n < std::abs(fifths) && n < 7; ++n) {
        if (fifths > 0)
            key_[static_cast<size_t>(kSharps[n])] = 1;
        else
            key_[static_cast<size_t>(kSharps[6 - n])] = -1;
    }
    accidental_.fill(0);
}

int Spelling::heard(int diatonic) const {
    const int key = key_[static_cast<size_t>(stepOf(diatonic))];
    if (diatonic < 0 || diatonic >= kRange) return key;
    return key + accidental_[static_cast<size_t>(diatonic)];
}

// A sharp on a degree the key flattens (or the reverse) reads as a natural.
bool Spelling::reachable(int diatonic, int alteration) const {
    const int key = key_[static_cast<size_t>(stepOf(diatonic))];
    if (alteration == 0) return true;
    if (alteration == 1) return key >= 0;
    if (alteration == -1) return key <= 0;
    return false;
}

SpelledNote Spelling::spell(const musicxml::Note& note) const {
    SpelledNote s;
    s.diatonic = diatonicOf(note);
    s.alteration = note.alter;
    if (!reachable(s.diatonic, s.alteration)) {
        // The same pitch on the neighbouring line or space.
        const int semitone = 12 * (s.diatonic / 7) + kStepSemitone[stepOf(s.diatonic)] + note.alter;
        for (int d : {s.diatonic + 1, s.diatonic - 1, s.diatonic + 2, s.diatonic - 2}) {
            const int natural = 12 * (d / 7) + kStepSemitone[stepOf(d)];
            const int alteration = semitone - natural;
            if (alteration >= -1 && alteration <= 1 && reachable(d, alteration)) {
                s.diatonic = d;
                s.alteration = alteration;
                s.respelled = true;
                break;
            }
        }
    }
    const bool printed = !note.accidental.empty() && !s.respelled;
    if (heard(s.diatonic) != s.alteration || printed) {
        s.accidental = s.alteration > 0 ? kSharp : (s.alteration < 0 ? kFlat : kNatural);
    }
    return s;
}

void Spelling::applyRead(const SpelledNote& note) {
    if (note.accidental == 0 || note.diatonic < 0 || note.diatonic >= kRange) return;
    const int key = key_[static_cast<size_t>(stepOf(note.diatonic))];
    int& a = accidental_[static_cast<size_t>(note.diatonic)];
    if (note.accidental == kSharp) a = key == 1 ? 0 : 1;
    if (note.accidental == kFlat) a = key == -1 ? 0 : -1;
    if (note.accidental == kNatural) a = -key;
}

}  // namespace noma::interchange
