#pragma once

namespace noma {

enum ScoreType : int {
    kTrebleSingle = 1,
    kGrandStaff = 2,
    kBlank = 3,
    kTrebleTrebleBass = 4,
};

constexpr int kColumnWidth = 6;

constexpr int pageWidth(int orientation) {
    return orientation == 1 ? 940 : 630;
}
constexpr int pageHeight(int orientation) {
    return orientation == 1 ? 630 : 940;
}

constexpr int columnToX(int column) {
    return kColumnWidth * column;
}
// The columns that `pixels` fill, a column begun counting whole.
constexpr int columnsCovering(int pixels) {
    return (pixels + kColumnWidth - 1) / kColumnWidth;
}
// y pixel of `row` on a page with this top margin.
constexpr int rowToY(int row, int topMargin, int pitch) {
    return (row + 2 * topMargin) * pitch;
}
// y pixel of the row origin.
constexpr int rowOriginY(int topMargin, int pitch) {
    return 2 * topMargin * pitch;
}

// Number of staves that fit with these settings, rounded down to pairs for the grand staff
// and to triples for treble-treble-bass.
int staveCapacity(int orientation, int pitch, int topMargin, int staveInterval, int scoreType);

// The stave count the stave-count box settles on when the user picks `picked`.
int correctStaveCount(int picked, int scoreType, int capacity);

// Clef kind (41 treble, 42 bass) of stave i, 0 for a blank page.
int clefKindOfStave(int scoreType, int stave);

// Key signatures: keyIndex 0..14, odd = sharps, even non-zero = flats.
constexpr int kKeyCount = 15;
constexpr int accidentalCount(int keyIndex) {
    return (keyIndex + 1) / 2;
}
constexpr bool keyHasSharps(int keyIndex) {
    return keyIndex % 2 == 1;
}
// Row offsets from a treble stave's top line of accidental n = 1..7.
int sharpRowOffset(int n);
int flatRowOffset(int n);

}  // namespace noma
