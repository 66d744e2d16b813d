#include "render/StaveTable.h"

#include <gtest/gtest.h>

#include "RenderTestSupport.h"
#include "document/PageOperations.h"
#include "document/SymbolKind.h"

namespace noma::render {
namespace {

using test::rec;

TEST(StaveTable, NewScoreStavesAndGaps) {
    ScoreDocument doc;
    createNewScore(doc, {0, kTrebleSingle, 0, 8, 12, 10, 4});
    StaveTable t;
    t.build(doc, 0);
    EXPECT_EQ(t.staveCount, 4);
    EXPECT_EQ(t.topCount, 4);
    EXPECT_EQ(t.staveTop[0], 0);
    EXPECT_EQ(t.staveTop[1], 20);
    EXPECT_EQ(t.staveTop[3], 60);
    EXPECT_EQ(t.staveGap[1], 6);  // half of the 12 free rows between staves
    EXPECT_EQ(t.staveGap[3], 6);
    EXPECT_EQ(t.staveGap[0], 12);  // above the first and below the last: twice as much
    EXPECT_EQ(t.staveGap[4], 12);
}

TEST(StaveTable, OnlyHorizontalLinesStartingInColumnsSixToNineCount) {
    auto doc = test::onePage(8, 0, kTrebleSingle);
    for (int row : {30, 32, 34, 36, 38}) doc->append(0, rec({kStraightLine, 7, row, 500, 0}));
    doc->append(0, rec({kStraightLine, 5, 50, 500, 0}));   // column 5
    doc->append(0, rec({kStraightLine, 10, 52, 500, 0}));  // column 10
    doc->append(0, rec({kStraightLine, 8, 54, 0, 300}));   // vertical
    doc->append(0, rec({kGClef, 8, 56, 500, 0}));          // not a line
    StaveTable t;
    t.build(*doc, 0);
    EXPECT_EQ(t.staveCount, 1);
    EXPECT_EQ(t.topCount, 1);
    EXPECT_EQ(t.staveTop[0], 30);
}

TEST(StaveTable, DeletedStaffLineLeavesATopEntryButNoStave) {
    ScoreDocument doc;
    createNewScore(doc, {0, kTrebleSingle, 0, 8, 12, 10, 4});
    doc.remove(0, 2);  // a line of the first stave: 19 lines remain
    StaveTable t;
    t.build(doc, 0);
    EXPECT_EQ(t.topCount, 4);
    EXPECT_EQ(t.staveCount, 3);
    auto four = test::onePage(8, 0, kTrebleSingle);
    for (int row : {0, 2, 4, 6}) four->append(0, rec({kStraightLine, 6, row, 552, 0}));
    t.build(*four, 0);
    EXPECT_EQ(t.topCount, 1);
    EXPECT_EQ(t.staveCount, 0);
}

TEST(StaveTable, SingleStaveTakesItsZonesFromTheStaveInterval) {
    auto doc = test::onePage(8, 0, kTrebleSingle, 12, 14);
    for (int row : {0, 2, 4, 6, 8}) doc->append(0, rec({kStraightLine, 6, row, 552, 0}));
    // A different page built first must leave nothing behind.
    auto other = test::onePage(8, 0, kTrebleSingle);
    for (int s = 0; s < 3; ++s)
        for (int j = 0; j < 5; ++j)
            other->append(0, rec({kStraightLine, 6, 40 * s + 2 * j, 552, 0}));
    StaveTable t;
    t.build(*other, 0);
    ASSERT_EQ(t.staveGap[1], 16);
    t.build(*doc, 0);
    EXPECT_EQ(t.staveCount, 1);
    EXPECT_EQ(t.staveGap[0], 10);  // (2 x 14 - 8) / 2
    EXPECT_EQ(t.staveGap[1], 10);
    EXPECT_EQ(t.staveGap[2], 0);
    EXPECT_EQ(t.staveTop[1], 0);
}

TEST(StaveTable, ElevenStavesAndAFullPageDoNotOverrun) {
    ScoreDocument doc;
    createNewScore(doc, {0, kTrebleSingle, 0, 6, 3, 6, 11});
    StaveTable t;
    t.build(doc, 0);
    EXPECT_EQ(t.staveCount, 11);
    EXPECT_EQ(t.staveTop[10], 120);
    EXPECT_EQ(t.staveGap[5], 2);
    EXPECT_EQ(t.staveGap[11], 4);

    // 1000 qualifying lines, written bottom-up: 200 staves, found in top-to-bottom order.
    auto full = test::onePage(6, 0, kTrebleSingle);
    for (int i = kMaxRecords - 1; i >= 0; --i)
        full->append(0, rec({kStraightLine, 9, 2 * i, 100, 0}));
    t.build(*full, 0);
    EXPECT_EQ(t.staveCount, 200);
    EXPECT_EQ(t.topCount, 200);
    EXPECT_EQ(t.staveTop[199], 1990);
    EXPECT_EQ(t.staveGap[200], 2);
}

TEST(StaveTable, TwoLinesOnOneRowStillGiveTheStaveTop) {
    // Rows 0 0 2 4 6 | 8 10 12 14 16: the ties leave no row ranked 6, yet the second stave's
    // top is the sixth-lowest row.
    auto doc = test::onePage(8, 0, kTrebleSingle);
    for (int row : {0, 0, 2, 4, 6, 8, 10, 12, 14, 16})
        doc->append(0, rec({kStraightLine, 6, row, 552, 0}));
    StaveTable t;
    t.staveTop[1] = 999;
    t.build(*doc, 0);
    EXPECT_EQ(t.staveCount, 2);
    EXPECT_EQ(t.staveTop[1], 8);
}

TEST(StaveTable, RecordsBeyondTheCountAreIgnored) {
    auto doc = test::onePage(8, 0, kTrebleSingle);
    for (int row : {0, 2, 4, 6, 8}) doc->append(0, rec({kStraightLine, 6, row, 552, 0}));
    for (int row : {20, 22, 24, 26, 28}) doc->append(0, rec({kStraightLine, 6, row, 552, 0}));
    doc->settings(0).symbolCount = 5;
    StaveTable t;
    t.build(*doc, 0);
    EXPECT_EQ(t.staveCount, 1);
}

}  // namespace
}  // namespace noma::render
