#include <gtest/gtest.h>

#include "MusicTestSupport.h"
#include "music/MidiExport.h"

namespace noma {
namespace {

using namespace test;

std::string played(const ScoreDocument& doc) {
    return noteEvents(exportMidi(doc, defaultMidiSettings(doc)));
}

// One note's bytes: delta, note on, duration, running-status note off.
std::string note(int delta, int key, int duration) {
    const auto number = [](int v) {
        char buffer[16];
        if (v < 128) {
            std::snprintf(buffer, sizeof buffer, "%02X", v);
        } else {
            std::snprintf(buffer, sizeof buffer, "%02X %02X", v / 128 + 128, v % 128);
        }
        return std::string(buffer);
    };
    char keyText[4];
    std::snprintf(keyText, sizeof keyText, "%02X", key);
    return number(delta) + " 90 " + keyText + " 64 " + number(duration) + " " + keyText + " 00";
}

std::string notes(std::initializer_list<std::string> parts) {
    std::string text;
    for (const auto& part : parts) text += (text.empty() ? "" : " ") + part;
    return text;
}

TEST(MidiTiming, NoteValuesDotsAndTriplets) {
    auto doc = blankScore();
    put(*doc, 0, {kWholeNote, 10, kRowB4});
    put(*doc, 0, {kHalfNote, 12, kRowB4});
    put(*doc, 0, {kQuarterNoteDown, 14, kRowB4});
    put(*doc, 0, {kEighthNoteDown, 16, kRowB4});
    put(*doc, 0, {kSixteenthNoteDown, 18, kRowB4});
    put(*doc, 0, {kThirtySecondNoteUp, 20, kRowB4});
    put(*doc, 0, {kSixtyFourthNoteDown, 22, kRowB4});
    put(*doc, 0, {kHundredTwentyEighthNoteDown, 24, kRowB4});
    put(*doc, 0, {kQuarterNoteUp, 40, kRowB4});  // dotted: 72
    put(*doc, 0, {kDot, 40 * 6 + 10, kRowB4 + 1});
    put(*doc, 0, {kHundredTwentyEighthNoteUp, 50, kRowB4});  // dotted 128th: still 1
    put(*doc, 0, {kDot, 50 * 6 + 8, kRowB4});
    put(*doc, 0, {kEighthNoteUp, 60, kRowB4});  // triplet eighth: 16
    put(*doc, 0, {kTripletAbove, 59, kRowB4 - 4, 6, 0});
    EXPECT_EQ(played(*doc),
              notes({note(0, 71, 192), note(0, 71, 96), note(0, 71, 48), note(0, 71, 24),
                     note(0, 71, 12), note(0, 71, 6), note(0, 71, 3), note(0, 71, 1),
                     note(0, 71, 72), note(0, 71, 1), note(0, 71, 16)}));
}

TEST(MidiTiming, DoubleDotsInEitherRecordOrder) {
    for (bool reversed : {false, true}) {
        auto doc = blankScore();
        put(*doc, 0, {kQuarterNoteUp, 20, kRowB4});
        // The second dot is near enough to the note to count as a single dot by itself.
        const int first = 20 * 6 + 8;
        const int second = first + 12;
        put(*doc, 0, {kDot, reversed ? second : first, kRowB4});
        put(*doc, 0, {kDot, reversed ? first : second, kRowB4});
        EXPECT_EQ(played(*doc), note(0, 71, 84)) << reversed;
    }
    // The second dot must be on the note's own row and within two grid steps of the first.
    auto doc = blankScore();
    put(*doc, 0, {kQuarterNoteUp, 20, kRowB4});
    put(*doc, 0, {kDot, 128, kRowB4 - 1});
    put(*doc, 0, {kDot, 140, kRowB4 - 1});
    put(*doc, 0, {kQuarterNoteUp, 30, kRowB4});
    put(*doc, 0, {kDot, 188, kRowB4});
    put(*doc, 0, {kDot, 204, kRowB4});
    EXPECT_EQ(played(*doc), notes({note(0, 71, 72), note(0, 71, 72)}));
}

TEST(MidiTiming, DotMustSitBesideTheNote) {
    auto doc = blankScore();  // pitch 8: within 24 pixels across, under 2 rows up or down
    put(*doc, 0, {kQuarterNoteUp, 20, kRowB4});
    put(*doc, 0, {kDot, 120 + 23, kRowB4 - 1});
    put(*doc, 0, {kQuarterNoteUp, 30, kRowB4});
    put(*doc, 0, {kDot, 180 + 24, kRowB4});
    put(*doc, 0, {kQuarterNoteUp, 40, kRowB4});
    put(*doc, 0, {kDot, 240 + 6, kRowB4 + 2});
    put(*doc, 0, {kQuarterNoteUp, 50, kRowB4});
    put(*doc, 0, {kDot, 300 - 23, kRowB4});  // left of the note counts as well
    EXPECT_EQ(played(*doc),
              notes({note(0, 71, 72), note(0, 71, 48), note(0, 71, 48), note(0, 71, 72)}));
    doc->header.verticalPitch = 6;  // 18 pixels across now
    EXPECT_EQ(played(*doc),
              notes({note(0, 71, 48), note(0, 71, 48), note(0, 71, 48), note(0, 71, 48)}));
}

TEST(MidiTiming, TripletBracketCoversItsColumnsBelowIt) {
    auto doc = blankScore();
    put(*doc, 0, {kTripletAbove, 20, -4, 6, -3});  // columns 18..27, rows -3..10
    put(*doc, 0, {kEighthNoteUp, 17, kRowB4});
    put(*doc, 0, {kEighthNoteUp, 18, kRowB4});
    put(*doc, 0, {kEighthNoteUp, 27, kRowB4});
    put(*doc, 0, {kEighthNoteUp, 28, kRowB4});
    put(*doc, 0, {kEighthNoteUp, 24, 11});
    put(*doc, 0, {kEighthNoteUp, 25, 10});
    put(*doc, 0, {kEighthNoteUp, 26, -4});
    put(*doc, 0, {kTripletBelow, 40, 10, 6, -3});  // the lower mark is not played
    put(*doc, 0, {kEighthNoteUp, 42, 4});
    EXPECT_EQ(played(*doc),
              notes({note(0, 71, 24), note(0, 71, 16), note(0, 59, 24), note(0, 60, 16),
                     note(0, 84, 24), note(0, 71, 16), note(0, 71, 24), note(0, 71, 24)}));
}

TEST(MidiTiming, TiesMergeNotesOfTheSamePitchClass) {
    auto doc = blankScore();
    put(*doc, 0, {kQuarterNoteUp, 20, kRowB4});
    put(*doc, 0, {kSlur, 20, 3, 24, 3, 22, 1});
    put(*doc, 0, {kQuarterNoteUp, 24, kRowB4});
    put(*doc, 0, {kQuarterNoteUp, 30, kRowC5});  // tied to another pitch: stays apart
    put(*doc, 0, {kSlurReversed, 31, 2, 34, 2, 32, 5});
    put(*doc, 0, {kEighthNoteUp, 34, kRowD4});
    put(*doc, 0, {kQuarterNoteUp, 40, kRowE4});  // tied an octave up: merged all the same
    put(*doc, 0, {kSlur, 42, 8, 44, 8, 43, 9});
    put(*doc, 0, {kHalfNote, 44, kRowE5});
    put(*doc, 0, {kQuarterNoteUp, 50, kRowG4});  // a slur between rows is no tie
    put(*doc, 0, {kSlur, 50, 5, 54, 4, 52, 3});
    put(*doc, 0, {kQuarterNoteUp, 54, kRowG4});
    EXPECT_EQ(played(*doc), notes({note(0, 71, 96), note(0, 72, 48), note(0, 62, 24),
                                   note(0, 64, 144), note(0, 67, 48), note(0, 67, 48)}));
}

TEST(MidiTiming, ATieMergesOnlyTheNextNote) {
    auto doc = blankScore();
    for (int i = 0; i < 3; ++i) {
        put(*doc, 0, {kQuarterNoteUp, 20 + 4 * i, kRowB4});
        if (i < 2) put(*doc, 0, {kSlur, 20 + 4 * i, 3, 24 + 4 * i, 3, 22 + 4 * i, 1});
    }
    put(*doc, 0, {kQuarterNoteUp, 40, kRowC5});
    put(*doc, 0, {kSlur, 40, 3, 44, 3, 42, 1});  // the last note: nothing to merge with
    EXPECT_EQ(played(*doc), notes({note(0, 71, 96), note(0, 71, 48), note(0, 72, 48)}));
}

TEST(MidiTiming, StaccatoAndStaccatissimoLeaveSilence) {
    auto doc = blankScore();
    put(*doc, 0, {kQuarterNoteUp, 20, kRowB4});
    put(*doc, 0, {kStaccatoMark, 21, kRowB4 - 12});
    put(*doc, 0, {kQuarterNoteUp, 30, kRowB4});
    put(*doc, 0, {kStaccatissimoMark, 28, kRowB4 - 14});
    put(*doc, 0, {kQuarterNoteUp, 40, kRowB4});
    put(*doc, 0, {kStaccatoMark, 40, kRowB4 - 13});  // too far above
    put(*doc, 0, {kQuarterNoteUp, 50, kRowB4});
    put(*doc, 0, {kStaccatoMark, 50, kRowB4 + 2});  // below the note
    put(*doc, 0, {kQuarterNoteUp, 60, kRowB4});
    put(*doc, 0, {kStaccatoMark, 60, kRowB4 - 2});
    put(*doc, 0, {kDot, 60 * 6 + 8, kRowB4});  // dotted and staccato: 36 + 36
    put(*doc, 0, {kHundredTwentyEighthNoteDown, 70, kRowB4});
    put(*doc, 0, {kStaccatoMark, 70, kRowB4 - 2});  // half of one tick is still heard
    put(*doc, 0, {kQuarterNoteUp, 80, kRowB4});
    EXPECT_EQ(played(*doc),
              notes({note(0, 71, 24), note(24, 71, 16), note(32, 71, 48), note(0, 71, 48),
                     note(0, 71, 36), note(36, 71, 1), note(0, 71, 48)}));
}

TEST(MidiTiming, GraceNotesBorrowTheirTimeFromTheNextNote) {
    auto doc = blankScore();
    put(*doc, 0, {kEighthNoteUp, 20, kRowB4});
    put(*doc, 0, {kGraceNote, 20, kRowB4 - 15});
    put(*doc, 0, {kQuarterNoteUp, 22, kRowC5});
    put(*doc, 0, {kQuarterNoteUp, 30, kRowB4});  // a quarter takes no grace mark
    put(*doc, 0, {kGraceNote, 30, kRowB4 - 2});
    put(*doc, 0, {kSixteenthNoteDown, 36, kRowB4});
    put(*doc, 0, {kGraceNote, 36, kRowB4 - 2});
    put(*doc, 0, {kThirtySecondNoteUp, 39, kRowC5});  // 6 - 12: kept at one tick
    put(*doc, 0, {kEighthNoteUp, 46, kRowB4});
    put(*doc, 0, {kGraceNote, 46, kRowB4 - 2});
    put(*doc, 0, {kSixteenthRest, 48, kRowB4});  // the rest shrinks to nothing, not below
    put(*doc, 0, {kQuarterNoteUp, 50, kRowB4});
    EXPECT_EQ(played(*doc),
              notes({note(0, 71, 24), note(0, 72, 24), note(0, 71, 48), note(0, 71, 12),
                     note(0, 72, 1), note(0, 71, 24), note(0, 71, 48)}));
}

TEST(MidiTiming, RestsBecomeTheSilenceBeforeTheNextNote) {
    auto doc = blankScore();
    put(*doc, 0, {kEighthRest, 10, kRowB4});
    put(*doc, 0, {kQuarterNoteUp, 20, kRowB4});
    put(*doc, 0, {kQuarterRest, 22, kRowB4});
    put(*doc, 0, {kHalfRest, 24, kRowB4});
    put(*doc, 0, {kSixteenthRest, 26, kRowB4});
    put(*doc, 0, {kThirtySecondRest, 27, kRowB4});
    put(*doc, 0, {kSixtyFourthRest, 28, kRowB4});
    put(*doc, 0, {kHundredTwentyEighthRest, 29, kRowB4});
    put(*doc, 0, {kQuarterNoteUp, 30, kRowB4});
    put(*doc, 0, {kHalfRest, 40, kRowB4});  // silence after the last note is not written
    EXPECT_EQ(played(*doc), notes({note(24, 71, 48), note(48 + 96 + 12 + 6 + 3 + 1, 71, 48)}));
}

TEST(MidiTiming, LaterMarksOverwriteEarlierOnesOfTheSamePart) {
    auto doc = blankScore();
    put(*doc, 0, {kEighthNoteUp, 20, kRowB4});
    put(*doc, 0, {kTripletAbove, 19, kRowB4 - 4, 4, 0});
    put(*doc, 0, {kDot, 20 * 6 + 8, kRowB4});  // dotted wins over the triplet
    put(*doc, 0, {kEighthNoteUp, 30, kRowB4});
    put(*doc, 0, {kDot, 30 * 6 + 8, kRowB4});
    put(*doc, 0, {kTripletAbove, 29, kRowB4 - 4, 4, 0});  // the triplet wins
    put(*doc, 0, {kQuarterNoteUp, 40, kRowB4});
    put(*doc, 0, {kStaccatoMark, 40, kRowB4 - 2});
    put(*doc, 0, {kStaccatissimoMark, 40, kRowB4 - 4});  // staccatissimo wins
    EXPECT_EQ(played(*doc), notes({note(0, 71, 36), note(0, 71, 16), note(0, 71, 16)}));
}

TEST(MidiTiming, MarksOnlyReachNotesOfTheirOwnPage) {
    auto doc = blankScore(2);
    put(*doc, 0, {kQuarterNoteUp, 20, kRowB4});
    put(*doc, 1, {kDot, 20 * 6 + 8, kRowB4});
    put(*doc, 1, {kStaccatoMark, 20, kRowB4 - 2});
    EXPECT_EQ(played(*doc), note(0, 71, 48));
}

}  // namespace
}  // namespace noma
