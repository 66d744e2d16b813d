#include <gtest/gtest.h>

#include "DocumentTestSupport.h"
#include "document/PageGeometry.h"
#include "document/PageOperations.h"
#include "document/ScoreDocument.h"

namespace noma {
namespace {

using test::rec;

NewScoreSetup setupWith(int orientation, int type, int key, int pitch, int top, int interval) {
    NewScoreSetup s{orientation, type, key, pitch, top, interval, 0};
    s.staveCount = staveCapacity(orientation, pitch, top, interval, type);
    return s;
}

TEST(StaveCapacity, FollowsThePageHeightRule) {
    EXPECT_EQ(staveCapacity(0, 8, 12, 10, kTrebleSingle), 4);
    EXPECT_EQ(staveCapacity(0, 6, 12, 10, kTrebleSingle), 6);
    EXPECT_EQ(staveCapacity(1, 8, 12, 10, kTrebleSingle), 2);
    EXPECT_EQ(staveCapacity(0, 6, 3, 6, kTrebleSingle), 11);
    EXPECT_EQ(staveCapacity(1, 10, 30, 20, kTrebleSingle), 0);
    // Rounded down to pairs and triples.
    EXPECT_EQ(staveCapacity(0, 6, 3, 6, kGrandStaff), 10);
    EXPECT_EQ(staveCapacity(0, 6, 3, 6, kTrebleTrebleBass), 9);
    EXPECT_EQ(staveCapacity(0, 6, 12, 10, kTrebleTrebleBass), 6);
    EXPECT_EQ(staveCapacity(1, 8, 12, 10, kTrebleTrebleBass), 0);
    EXPECT_EQ(staveCapacity(0, 6, 3, 6, kBlank), 11);
}

TEST(StaveCapacity, NeverExceedsElevenForAnyAllowedSetting) {
    for (int o = 0; o <= 1; ++o)
        for (int p = 6; p <= 10; ++p)
            for (int t = 3; t <= 30; ++t)
                for (int i = 6; i <= 20; ++i) {
                    const int c = staveCapacity(o, p, t, i, kTrebleSingle);
                    ASSERT_GE(c, 0);
                    ASSERT_LE(c, 11);
                }
}

TEST(StaveCountCorrection, PairsAndTriples) {
    EXPECT_EQ(correctStaveCount(1, kGrandStaff, 4), 2);
    EXPECT_EQ(correctStaveCount(3, kGrandStaff, 4), 2);
    EXPECT_EQ(correctStaveCount(4, kGrandStaff, 4), 4);
    EXPECT_EQ(correctStaveCount(1, kTrebleTrebleBass, 6), 3);
    EXPECT_EQ(correctStaveCount(2, kTrebleTrebleBass, 6), 3);
    EXPECT_EQ(correctStaveCount(4, kTrebleTrebleBass, 6), 6);
    EXPECT_EQ(correctStaveCount(5, kTrebleTrebleBass, 6), 6);
    EXPECT_EQ(correctStaveCount(3, kTrebleTrebleBass, 6), 3);
    EXPECT_EQ(correctStaveCount(3, kTrebleSingle, 4), 3);
}

TEST(StaffConstruction, DefaultNewScoreHasTwentyFourRecordsInOrder) {
    ScoreDocument doc;
    createNewScore(doc, setupWith(0, kTrebleSingle, 0, 8, 12, 10));
    ASSERT_EQ(doc.symbolCount(0), 24);
    for (int stave = 0; stave < 4; ++stave) {
        const int base = stave * 6;
        for (int j = 0; j < 5; ++j) {
            EXPECT_EQ(doc.record(0, base + j), rec({46, 6, 20 * stave + 2 * j, 552, 0}))
                << "stave " << stave << " line " << j;
        }
        EXPECT_EQ(doc.record(0, base + 5), rec({41, 9, 20 * stave + 4}));
    }
    EXPECT_EQ(doc.settings(0), (PageSettings{1, 24, 12, 4, 10, 4}));
    EXPECT_EQ(doc.header, (DocumentHeader{1, 8, 0}));
    EXPECT_EQ(doc.interactionState, kIdle);
    EXPECT_FALSE(doc.dataChanged);
}

TEST(StaffConstruction, GrandStaffWithTwoSharps) {
    ScoreDocument doc;
    NewScoreSetup s = setupWith(0, kGrandStaff, 3, 8, 12, 10);
    ASSERT_EQ(s.staveCount, 4);
    createNewScore(doc, s);
    // Per pair: 5 lines, brace, clef, 2 sharps, then 5 lines, clef, 2 sharps.
    ASSERT_EQ(doc.symbolCount(0), 2 * (5 + 1 + 1 + 2 + 5 + 1 + 2));
    EXPECT_EQ(doc.record(0, 5), rec({46, 6, 0, 0, 2 * 14 * 8}));  // brace
    EXPECT_EQ(doc.record(0, 6), rec({41, 9, 4}));
    EXPECT_EQ(doc.record(0, 7), rec({57, 12, 0}));
    EXPECT_EQ(doc.record(0, 8), rec({57, 14, 3}));
    EXPECT_EQ(doc.record(0, 14), rec({42, 9, 24}));
    EXPECT_EQ(doc.record(0, 15), rec({57, 13, 22}));  // bass: one column right, one spacing down
    EXPECT_EQ(doc.record(0, 16), rec({57, 15, 25}));
    EXPECT_EQ(doc.record(0, 17), rec({46, 6, 40, 552, 0}));
    EXPECT_EQ(doc.record(0, 22), rec({46, 6, 40, 0, 224}));  // second pair's brace
}

TEST(StaffConstruction, FlatsMoveOnlyDownOnBassStaves) {
    ScoreDocument doc;
    createNewScore(doc, setupWith(0, kGrandStaff, 14, 8, 12, 10));  // 7 flats
    // Bass stave of the first pair: records 0-4 lines, 5 brace, 6 clef, 7-13 flats, 14-18 lines, 19
    // clef.
    const int f[7] = {4, 1, 5, 2, 6, 3, 7};
    for (int n = 1; n <= 7; ++n) {
        EXPECT_EQ(doc.record(0, 6 + n), rec({58, 11 + 2 * n, f[n - 1]}));
        EXPECT_EQ(doc.record(0, 19 + n), rec({58, 11 + 2 * n, 20 + 2 + f[n - 1]}));
    }
}

TEST(StaffConstruction, LandscapeGeometry) {
    ScoreDocument doc;
    createNewScore(doc, setupWith(1, kTrebleSingle, 1, 8, 12, 10));
    ASSERT_EQ(doc.settings(0).staveCount, 2);
    EXPECT_EQ(doc.record(0, 0), rec({46, 9, 0, 810, 0}));
    EXPECT_EQ(doc.record(0, 5), rec({41, 12, 4}));
    EXPECT_EQ(doc.record(0, 6), rec({57, 15, 0}));
}

TEST(StaffConstruction, TrebleTrebleBassBraceSpansThreeStaves) {
    ScoreDocument doc;
    createNewScore(doc, setupWith(0, kTrebleTrebleBass, 0, 6, 12, 10));
    ASSERT_EQ(doc.settings(0).staveCount, 6);
    EXPECT_EQ(doc.record(0, 5), rec({46, 6, 0, 0, 2 * 24 * 6}));
    EXPECT_EQ(doc.record(0, 6), rec({41, 9, 4}));
    EXPECT_EQ(doc.record(0, 12), rec({41, 9, 24}));
    EXPECT_EQ(doc.record(0, 18), rec({42, 9, 44}));
    EXPECT_EQ(doc.record(0, 19), rec({46, 6, 60, 552, 0}));
    EXPECT_EQ(doc.record(0, 24), rec({46, 6, 60, 0, 288}));
    EXPECT_EQ(doc.symbolCount(0), 6 * 6 + 2);
}

TEST(StaffConstruction, NoRoomMeansNoStaves) {
    ScoreDocument doc;
    createNewScore(doc, setupWith(1, kTrebleSingle, 3, 10, 30, 20));
    EXPECT_EQ(doc.settings(0).staveCapacity, 0);
    EXPECT_EQ(doc.symbolCount(0), 0);
}

TEST(StaffConstruction, BlankNewScoreGetsNothingButAddedBlankPageGetsKeys) {
    ScoreDocument doc;
    createNewScore(doc, setupWith(0, kBlank, 3, 8, 12, 10));
    EXPECT_EQ(doc.symbolCount(0), 0);
    EXPECT_EQ(doc.settings(0).staveCount, 4);

    PageSetup page = pageSetupDefaults(doc, 1);
    EXPECT_EQ(page.scoreType, kBlank);
    EXPECT_EQ(page.keyIndex, 3);
    ASSERT_TRUE(insertPage(doc, 1, page));
    // Two sharps at every one of the 4 stave positions, with the bass offsets.
    ASSERT_EQ(doc.symbolCount(1), 8);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(doc.record(1, 2 * i), rec({57, 13, 20 * i + 2}));
        EXPECT_EQ(doc.record(1, 2 * i + 1), rec({57, 15, 20 * i + 5}));
    }
}

TEST(StaffConstruction, AddPageOrderPutsAllLinesFirst) {
    ScoreDocument doc;
    createNewScore(doc, setupWith(0, kGrandStaff, 1, 8, 12, 10));
    PageSetup page = pageSetupDefaults(doc, 1);
    ASSERT_TRUE(insertPage(doc, 1, page));
    // 4 staves: 20 lines + 2 braces, then per stave clef and one sharp.
    ASSERT_EQ(doc.symbolCount(1), 22 + 8);
    EXPECT_EQ(doc.record(1, 5), rec({46, 6, 0, 0, 224}));
    EXPECT_EQ(doc.record(1, 6), rec({46, 6, 20, 552, 0}));
    EXPECT_EQ(doc.record(1, 21), rec({46, 6, 68, 552, 0}));
    EXPECT_EQ(doc.record(1, 22), rec({41, 9, 4}));
    EXPECT_EQ(doc.record(1, 23), rec({57, 12, 0}));
    EXPECT_EQ(doc.record(1, 24), rec({42, 9, 24}));
    EXPECT_EQ(doc.record(1, 25), rec({57, 13, 22}));
}

}  // namespace
}  // namespace noma
