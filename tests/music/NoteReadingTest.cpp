#include <gtest/gtest.h>

#include "MusicTestSupport.h"
#include "music/MidiExport.h"

namespace noma {
namespace {

using namespace test;

std::string played(const ScoreDocument& doc, StaveSelection staves = StaveSelection::Treble,
                   int first = 1, int last = 100) {
    MidiSettings settings = defaultMidiSettings(doc);
    settings.staves = staves;
    settings.firstPage = first;
    settings.lastPage = last;
    return noteEvents(exportMidi(doc, settings));
}

TEST(NoteReading, TrebleStaveRowsGiveTheDiatonicScale) {
    auto doc = blankScore();
    put(*doc, 0, {kGClef, 9, 4});
    const int rows[] = {kRowC4, kRowD4, kRowE4, kRowF4, kRowG4, kRowA4,
                        kRowB4, kRowC5, kRowD5, kRowE5, kRowF5, kRowG5};
    for (int i = 0; i < 12; ++i) put(*doc, 0, {kQuarterNoteUp, 20 + 2 * i, rows[i]});
    EXPECT_EQ(played(*doc), quarterNotes({60, 62, 64, 65, 67, 69, 71, 72, 74, 76, 77, 79}));
    // Without any clef the offset starts as a treble clef's.
    doc->remove(0, 0);
    EXPECT_EQ(played(*doc), quarterNotes({60, 62, 64, 65, 67, 69, 71, 72, 74, 76, 77, 79}));
}

TEST(NoteReading, BassClefMiddleLineIsD3) {
    auto doc = blankScore();
    put(*doc, 0, {kFClef, 9, 4});
    put(*doc, 0, {kQuarterNoteUp, 20, 4});
    put(*doc, 0, {kQuarterNoteUp, 22, 10});
    put(*doc, 0, {kQuarterNoteUp, 24, -2});
    EXPECT_EQ(played(*doc, StaveSelection::Bass), quarterNotes({50, 40, 60}));
    EXPECT_EQ(played(*doc, StaveSelection::Treble), "");
}

TEST(NoteReading, ClefOffsetCarriesOverToStavesAndPagesWithoutClef) {
    auto doc = blankScore(2, 2);
    put(*doc, 0, {kFClef, 9, 4});
    put(*doc, 0, {kQuarterNoteUp, 20, 24});  // stave 1, middle line, no clef of its own
    put(*doc, 1, {kQuarterNoteUp, 20, 4});   // next page, stave 0, no clef
    EXPECT_EQ(played(*doc, StaveSelection::Bass), quarterNotes({50, 50}));
    EXPECT_EQ(played(*doc, StaveSelection::Treble), "");
    // A treble clef further on hands its offset on in turn.
    put(*doc, 1, {kGClef, 9, 24});
    put(*doc, 1, {kQuarterNoteUp, 20, 24});
    EXPECT_EQ(played(*doc, StaveSelection::Both), quarterNotes({50, 50, 71}));
}

TEST(NoteReading, TheLastClefInReadingOrderDecidesTheWholeStave) {
    auto doc = blankScore();
    put(*doc, 0, {kQuarterNoteUp, 20, 4});
    put(*doc, 0, {kGClef, 9, 4});
    put(*doc, 0, {kFClef, 40, 4});
    EXPECT_EQ(played(*doc, StaveSelection::Bass), quarterNotes({50}));
    // Within one column the lower clef is read last, whatever the record order.
    auto column = blankScore();
    put(*column, 0, {kGClef, 9, 6});  // two rows low: the middle line reads as D5
    put(*column, 0, {kFClef, 9, 2});
    put(*column, 0, {kQuarterNoteUp, 20, 4});
    EXPECT_EQ(played(*column, StaveSelection::Treble), quarterNotes({74}));
}

TEST(NoteReading, StaveSelectionFollowsTheClefAndKeepsStaveOrder) {
    auto doc = blankScore(1, 2, 10, 2);
    put(*doc, 0, {kGClef, 9, 4});
    put(*doc, 0, {kFClef, 9, 24});
    put(*doc, 0, {kQuarterNoteUp, 30, 4});
    put(*doc, 0, {kQuarterNoteUp, 10, 24});
    EXPECT_EQ(played(*doc, StaveSelection::Treble), quarterNotes({71}));
    EXPECT_EQ(played(*doc, StaveSelection::Bass), quarterNotes({50}));
    EXPECT_EQ(played(*doc, StaveSelection::Both), quarterNotes({71, 50}));

    // An offset of exactly -6 is neither a treble nor a bass stave.
    auto odd = blankScore();
    put(*odd, 0, {kGClef, 9, -2});
    put(*odd, 0, {kQuarterNoteUp, 20, 4});
    EXPECT_EQ(played(*odd, StaveSelection::Treble), "");
    EXPECT_EQ(played(*odd, StaveSelection::Bass), "");
    EXPECT_EQ(played(*odd, StaveSelection::Both), quarterNotes({60}));
}

TEST(NoteReading, PageRangeIsInclusiveAndEmptyWhenReversed) {
    auto doc = blankScore(3);
    for (int p = 0; p < 3; ++p) put(*doc, p, {kQuarterNoteUp, 20, kRowC4 - 2 * p});
    EXPECT_EQ(played(*doc, StaveSelection::Treble, 2, 3), quarterNotes({64, 67}));
    EXPECT_EQ(played(*doc, StaveSelection::Treble, 2, 2), quarterNotes({64}));
    EXPECT_EQ(played(*doc, StaveSelection::Treble, 3, 1), "");
}

TEST(NoteReading, KeySignatureSharpensItsDegreeInEveryOctave) {
    auto doc = blankScore(1, 1, 20);
    put(*doc, 0, {kGClef, 9, 4});
    put(*doc, 0, {kKeySharp, 12, kRowF5});
    put(*doc, 0, {kQuarterNoteUp, 20, kRowF4});
    put(*doc, 0, {kQuarterNoteUp, 22, kRowF5});
    put(*doc, 0, {kQuarterNoteUp, 24, 14});  // F3
    put(*doc, 0, {kQuarterNoteUp, 26, kRowG4});
    EXPECT_EQ(played(*doc), quarterNotes({66, 78, 54, 67}));

    auto flats = blankScore();
    put(*flats, 0, {kKeyFlat, 13, kRowB4});
    put(*flats, 0, {kQuarterNoteUp, 20, kRowB4});
    put(*flats, 0, {kQuarterNoteUp, 22, 11});  // B3
    put(*flats, 0, {kBarLine, 24, 4});         // bar lines keep the key
    put(*flats, 0, {kQuarterNoteUp, 26, kRowB4});
    EXPECT_EQ(played(*flats), quarterNotes({70, 58, 70}));
}

TEST(NoteReading, KeySignaturesEndWithTheirStave) {
    auto doc = blankScore(1, 2);
    put(*doc, 0, {kKeySharp, 12, kRowF5});
    put(*doc, 0, {kQuarterNoteUp, 20, kRowF4});
    put(*doc, 0, {kQuarterNoteUp, 20, 20 + kRowF4});
    EXPECT_EQ(played(*doc), quarterNotes({66, 65}));
}

TEST(NoteReading, NaturalCancelsTheKeyAtItsPositionUntilTheBarLine) {
    auto doc = blankScore();
    put(*doc, 0, {kKeySharp, 12, kRowF5});
    put(*doc, 0, {kNatural, 20, kRowF4});
    put(*doc, 0, {kQuarterNoteUp, 22, kRowF4});
    put(*doc, 0, {kQuarterNoteUp, 24, kRowF5});
    put(*doc, 0, {kQuarterNoteUp, 26, kRowF4});
    put(*doc, 0, {kBarLine, 28, 4});
    put(*doc, 0, {kQuarterNoteUp, 30, kRowF4});
    EXPECT_EQ(played(*doc), quarterNotes({65, 78, 65, 66}));
}

TEST(NoteReading, AccidentalHoldsForItsLineUntilAnyBarSign) {
    for (int bar : {kBarLine, kFinalBarLine, kRepeatStart, kRepeatEnd}) {
        auto doc = blankScore();
        put(*doc, 0, {kSharp, 20, kRowC4});
        put(*doc, 0, {kQuarterNoteUp, 22, kRowC4});
        put(*doc, 0, {kQuarterNoteUp, 24, kRowC5});
        put(*doc, 0, {kQuarterNoteUp, 26, kRowC4});
        put(*doc, 0, {bar, 28, 4});
        put(*doc, 0, {kQuarterNoteUp, 30, kRowC4});
        put(*doc, 0, {kFlat, 32, kRowE4});
        put(*doc, 0, {kQuarterNoteUp, 34, kRowE4});
        EXPECT_EQ(played(*doc), quarterNotes({61, 72, 61, 60, 63})) << bar;
    }
}

TEST(NoteReading, AccidentalsAgainstTheKey) {
    auto doc = blankScore();
    put(*doc, 0, {kKeySharp, 12, kRowF5});
    put(*doc, 0, {kKeyFlat, 14, kRowB4});
    put(*doc, 0, {kSharp, 20, kRowF4});  // already sharp: stays F sharp
    put(*doc, 0, {kQuarterNoteUp, 22, kRowF4});
    put(*doc, 0, {kNatural, 24, kRowF4});
    put(*doc, 0, {kQuarterNoteUp, 26, kRowF4});
    put(*doc, 0, {kSharp, 28, kRowF4});  // after a natural the sharp sounds again
    put(*doc, 0, {kQuarterNoteUp, 30, kRowF4});
    put(*doc, 0, {kSharp, 32, kRowB4});  // raises the key's B flat by one
    put(*doc, 0, {kQuarterNoteUp, 34, kRowB4});
    put(*doc, 0, {kNatural, 36, kRowB4});
    put(*doc, 0, {kQuarterNoteUp, 38, kRowB4});
    put(*doc, 0, {kFlat, 40, kRowF4});
    put(*doc, 0, {kQuarterNoteUp, 42, kRowF4});
    EXPECT_EQ(played(*doc), quarterNotes({66, 65, 66, 71, 71, 65}));
}

TEST(NoteReading, OnlyTheFirstSymbolOfAColumnIsRead) {
    auto doc = blankScore();
    put(*doc, 0, {kQuarterNoteUp, 20, kRowE4});  // chord: only the upper note sounds
    put(*doc, 0, {kQuarterNoteUp, 20, kRowC5});
    put(*doc, 0, {kQuarterNoteUp, 20, kRowG4});
    // An accidental sharing a note's column hides the note but still counts.
    put(*doc, 0, {kSharp, 22, kRowC4});
    put(*doc, 0, {kQuarterNoteUp, 22, kRowC4});
    put(*doc, 0, {kQuarterNoteUp, 24, kRowC4});
    // Symbols that are not read do not hide anything.
    put(*doc, 0, {kFermata, 26, kRowA4 - 3});
    put(*doc, 0, {kBareNoteHead, 26, kRowA4 - 2});
    put(*doc, 0, {kQuarterNoteUp, 26, kRowA4});
    EXPECT_EQ(played(*doc), quarterNotes({72, 61, 69}));
}

TEST(NoteReading, OnlyTheStaveWindowAndTheRecordsInUseAreRead) {
    auto doc = blankScore();
    put(*doc, 0, {kQuarterNoteUp, 20, -6});  // top of the window (G6 above the stave)
    put(*doc, 0, {kQuarterNoteUp, 22, -7});  // above it
    put(*doc, 0, {kQuarterNoteUp, 24, 13});  // bottom of the window
    put(*doc, 0, {kQuarterNoteUp, 26, 14});  // the next stave's window
    put(*doc, 0, {kQuarterNoteUp, 104, kRowC4});
    put(*doc, 0, {kQuarterNoteUp, 105, kRowC4});  // past the page's last column
    put(*doc, 0, {kQuarterNoteUp, -1, kRowC4});
    put(*doc, 0, {kQuarterNoteUp, 30, kRowD4});
    doc->settings(0).symbolCount -= 1;  // a stale record beyond the count
    EXPECT_EQ(played(*doc), quarterNotes({88, 55, 60}));

    doc->header.orientation = 1;  // landscape pages are 156 columns wide
    EXPECT_EQ(played(*doc), quarterNotes({88, 55, 60, 60}));
}

TEST(NoteReading, NotesFarOutsideTheAlterationTablesPlayUnalteredWithinMidiRange) {
    // Interval 20 gives a window of rows -16..23; a clef at its edge moves the notes far away.
    auto high = blankScore(1, 1, 20);
    put(*high, 0, {kGClef, 9, 23});            // offset 19
    put(*high, 0, {kKeySharp, 12, 5});         // F at d 52 and the octaves below
    put(*high, 0, {kSharp, 20, -16});          // d 73: no table entry
    put(*high, 0, {kQuarterNoteUp, 22, -16});  // F at d 73, octave 10: key 137
    put(*high, 0, {kQuarterNoteUp, 24, 5});    // F at d 52: sharpened
    EXPECT_EQ(played(*high), quarterNotes({125, 102}));

    auto low = blankScore(1, 1, 20);
    put(*low, 0, {kFClef, 9, -16});          // offset -32
    put(*low, 0, {kFlat, 20, 23});           // d -17
    put(*low, 0, {kQuarterNoteUp, 22, 23});  // G at d -17: key -17 folds to 7
    put(*low, 0, {kQuarterNoteUp, 24, 19});  // D at d -13: key -10 folds to 2
    EXPECT_EQ(played(*low, StaveSelection::Bass), quarterNotes({7, 2}));
}

}  // namespace
}  // namespace noma
