#pragma once

namespace noma {

// How the MIDI reader sees a symbol kind. The value is the note value's denominator
// (1 whole, 2 half, 4 quarter .. 128); 0 when the kind is not a note or rest.
int noteValueOf(int kind);
int restValueOf(int kind);

// Every note but the whole note: the notes that dots, ties and the other marks attach to.
bool isStemmedNote(int kind);
// Notes with at least one flag: the only ones a grace mark applies to.
bool isFlaggedNote(int kind);

}  // namespace noma
