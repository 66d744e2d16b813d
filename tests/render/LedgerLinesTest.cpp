#include "render/LedgerLines.h"

#include <gtest/gtest.h>

#include "RenderTestSupport.h"
#include "document/PageOperations.h"
#include "render/PageColours.h"

namespace noma::render {
namespace {

// Pitch 8, top margin 12: row r lies at y = (r + 24) x 8. Four staves at rows 0, 20, 40, 60.
class LedgerLinesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        createNewScore(doc, {0, kTrebleSingle, 0, 8, 12, 10, 4});
        staves.build(doc, 0);
    }
    static int y(int row) { return (row + 24) * 8; }
    // Rows (relative to the row origin) that carry a ledger line under x = 300.
    std::vector<int> ledgerRows(int noteRow, bool blank = false) {
        Canvas c(630, 940);
        ScreenLedgerLines(staves, {12, 8, blank}, kBlack).draw(c, 300, y(noteRow));
        std::vector<int> rows;
        for (int py = 0; py < 940; ++py) {
            if (c.getPixel(300, py) != kBlack) continue;
            EXPECT_EQ(py % 8, 0);
            rows.push_back(py / 8 - 24);
            // 2 x u(12) = 32 pixels wide, centred on the note.
            EXPECT_EQ(c.getPixel(284, py), kBlack);
            EXPECT_EQ(c.getPixel(315, py), kBlack);
            EXPECT_EQ(c.getPixel(283, py), kWhite);
            EXPECT_EQ(c.getPixel(316, py), kWhite);
        }
        return rows;
    }
    ScoreDocument doc;
    StaveTable staves;
};

TEST_F(LedgerLinesTest, AboveAndBelowEachStaveWithinItsZone) {
    EXPECT_EQ(ledgerRows(-3), (std::vector<int>{-2}));
    EXPECT_EQ(ledgerRows(-4), (std::vector<int>{-4, -2}));
    EXPECT_EQ(ledgerRows(-11), (std::vector<int>{-10, -8, -6, -4, -2}));
    // The zone above the first stave is 12 rows, its bounds excluded.
    EXPECT_TRUE(ledgerRows(-12).empty());
    EXPECT_TRUE(ledgerRows(-1).empty());
    // Inside a stave, on its lines or spaces: none.
    for (int row = 0; row <= 8; ++row) EXPECT_TRUE(ledgerRows(row).empty()) << row;
    // Below stave 0 its zone is 6 rows; above stave 1 another 6.
    EXPECT_EQ(ledgerRows(10), (std::vector<int>{10}));
    EXPECT_EQ(ledgerRows(13), (std::vector<int>{10, 12}));
    EXPECT_EQ(ledgerRows(16), (std::vector<int>{16, 18}));
    EXPECT_TRUE(ledgerRows(14).empty());
    // Below the last stave (rows 60..68) the zone is 12 rows.
    EXPECT_EQ(ledgerRows(79), (std::vector<int>{70, 72, 74, 76, 78}));
    EXPECT_TRUE(ledgerRows(80).empty());
}

TEST_F(LedgerLinesTest, NoneOnABlankPage) {
    EXPECT_TRUE(ledgerRows(-4, true).empty());
}

TEST_F(LedgerLinesTest, AbsurdRowsFromAFileCostNothing) {
    StaveTable far;
    far.staveCount = 1;
    far.staveTop[0] = 2000000000;
    far.staveGap[0] = 2000000000;
    far.staveGap[1] = 2000000000;
    Canvas c(630, 940);
    ScreenLedgerLines(far, {12, 8, false}, kBlack).draw(c, 300, 500);
    ScreenLedgerLines(far, {12, 8, false}, kBlack).draw(c, 300, 2000000000);
    far.staveTop[0] = -2000000000;
    ScreenLedgerLines(far, {12, 8, false}, kBlack).draw(c, 300, 500);
    // Every second row from the far stave up to the note, as far as the image shows them.
    EXPECT_EQ(test::runsDown(c, 300, 0, 940, kBlack), 27);
    EXPECT_EQ(test::boundsOf(c, kBlack), (test::Box{284, 64 * 8, 316, 116 * 8 + 1}));
}

}  // namespace
}  // namespace noma::render
