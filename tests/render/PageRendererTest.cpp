#include "render/PageRenderer.h"

#include <gtest/gtest.h>

#include "RenderTestSupport.h"
#include "document/PageOperations.h"
#include "document/SymbolKind.h"
#include "render/PageColours.h"

namespace noma::render {
namespace {

using test::Box;
using test::rec;

class PageRendererTest : public ::testing::Test {
  protected:
    void render(int page = 0) { renderPage(*doc, page, state, view, back, staves); }
    bool sameImages() const {
        for (int i = 0; i < view.width() * view.height(); ++i)
            if (view.data()[i] != back.data()[i]) return false;
        return true;
    }
    // y of a row of page 0.
    int rowY(int row) const {
        return (row + 2 * doc->settings(0).topMargin) * doc->header.verticalPitch;
    }

    std::unique_ptr<ScoreDocument> doc = test::onePage(8, 0, kTrebleSingle);
    ViewState state;
    Canvas view, back;
    StaveTable staves;
};

TEST_F(PageRendererTest, FramePortraitAndLandscape) {
    render();
    ASSERT_EQ(view.width(), 630);
    ASSERT_EQ(view.height(), 940);
    EXPECT_EQ(test::boundsOf(view, kSilver), (Box{33, 50, 597, 866}));
    EXPECT_EQ(test::countAll(view, kSilver), 2 * 564 + 2 * 814);
    EXPECT_TRUE(sameImages());

    doc->header.orientation = 1;
    render();
    ASSERT_EQ(view.width(), 940);
    ASSERT_EQ(back.height(), 630);
    EXPECT_EQ(test::boundsOf(back, kSilver), (Box{55, 33, 863, 597}));
    EXPECT_EQ(view.getPixel(56, 34), kWhite);
}

TEST_F(PageRendererTest, RuledLinesOnlyOnBlankPagesWhileShown) {
    doc->settings(0).scoreType = kBlank;
    render();
    // Pitch 8: a line every 40 pixels at 40k - 8, from x 36 to 592.
    EXPECT_EQ(test::countIn(view, {0, 72, 630, 73}, kSilver), 557 + 2);
    EXPECT_EQ(view.getPixel(36, 72), kSilver);
    EXPECT_EQ(view.getPixel(592, 72), kSilver);
    EXPECT_EQ(view.getPixel(593, 72), kWhite);
    EXPECT_EQ(view.getPixel(300, 832), kSilver);
    EXPECT_EQ(view.getPixel(300, 872), kWhite);  // too close to the frame's bottom
    EXPECT_EQ(view.getPixel(300, 32), kWhite);
    EXPECT_EQ(test::runsDown(view, 300, 51, 865, kSilver), 20);

    state.rulesVisible = false;
    render();
    EXPECT_EQ(view.getPixel(300, 72), kWhite);
    state.rulesVisible = true;
    doc->settings(0).scoreType = kTrebleSingle;
    render();
    EXPECT_EQ(view.getPixel(300, 72), kWhite);

    // Landscape at pitch 10: 40 k + 16 from x 58 to 859.
    doc->header = {1, 10, 1};
    doc->settings(0).scoreType = kBlank;
    render();
    EXPECT_EQ(view.getPixel(58, 56), kSilver);
    EXPECT_EQ(view.getPixel(859, 56), kSilver);
    EXPECT_EQ(view.getPixel(860, 56), kWhite);
    EXPECT_EQ(view.getPixel(300, 576), kSilver);
    EXPECT_EQ(view.getPixel(300, 616), kWhite);
}

TEST_F(PageRendererTest, GridPointsInsideTheFrameOnly) {
    state.gridInterval = 3;
    render();
    // Every 18 pixels across and 24 down from the page corner, strictly inside the frame.
    EXPECT_EQ(view.getPixel(36, 72), kGridBlue);
    EXPECT_EQ(view.getPixel(54, 72), kGridBlue);
    EXPECT_EQ(view.getPixel(594, 864), kGridBlue);
    EXPECT_EQ(view.getPixel(37, 72), kWhite);
    EXPECT_EQ(view.getPixel(36, 73), kWhite);
    EXPECT_EQ(view.getPixel(18, 72), kWhite);  // left of the frame
    EXPECT_EQ(view.getPixel(36, 48), kWhite);  // above it
    EXPECT_EQ(test::countAll(view, kGridBlue), 32 * 34);
    EXPECT_TRUE(sameImages());
}

TEST_F(PageRendererTest, StaffLinesClefsAndLedgerLinesOfANewScore) {
    createNewScore(*doc, {0, kTrebleSingle, 0, 8, 12, 10, 4});
    doc->append(0, rec({kQuarterNoteUp, 50, -4}));  // two ledger lines above the first stave
    render();
    for (int j = 0; j < 5; ++j) {
        EXPECT_EQ(view.getPixel(36, rowY(2 * j)), kBlack) << j;
        EXPECT_EQ(view.getPixel(587, rowY(2 * j)), kBlack) << j;
        EXPECT_EQ(view.getPixel(588, rowY(2 * j)), kWhite) << j;
        EXPECT_EQ(view.getPixel(35, rowY(2 * j)), kWhite) << j;
    }
    EXPECT_EQ(view.getPixel(300, rowY(60)), kBlack);
    // Treble clefs at column 9 on the middle line: 26 x 104 from (40, y - 46).
    const Box clef = test::boundsOf(view, kBlack);
    EXPECT_EQ(clef.x1, 36);
    EXPECT_GT(test::countIn(view, {40, rowY(4) - 46, 66, rowY(4) - 46 + 104}, kBlack), 300);
    EXPECT_GT(test::countIn(view, {40, rowY(4) - 46, 66, rowY(4) - 45}, kBlack), 0);
    EXPECT_EQ(test::countIn(view, {30, rowY(4) - 60, 80, rowY(4) - 46}, kBlack), 0);
    // The note's ledger lines, 2 x u(12) = 32 pixels wide around x = 300.
    EXPECT_EQ(view.getPixel(284, rowY(-2)), kBlack);
    EXPECT_EQ(view.getPixel(315, rowY(-4)), kBlack);
    EXPECT_EQ(view.getPixel(316, rowY(-4)), kWhite);
    EXPECT_EQ(view.getPixel(283, rowY(-6)), kWhite);
    EXPECT_EQ(staves.staveCount, 4);
    EXPECT_TRUE(sameImages());
}

TEST_F(PageRendererTest, WhiteOutCutsLinesDrawnBeforeIt) {
    createNewScore(*doc, {0, kTrebleSingle, 0, 8, 12, 10, 4});
    doc->append(0, rec({kQuarterNoteDown, 50, 0}));  // stem down from the top line over the stave
    doc->append(0, rec({kSharp, 40, 3}));            // in a space
    render();
    // Stem-down white-out: x from 300 - 10 to 300 + 6, y from Y + 5 to Y + 58 (pitch 8).
    const int y = rowY(0);
    EXPECT_EQ(view.getPixel(289, rowY(2)), kBlack);
    EXPECT_EQ(view.getPixel(290, rowY(2)), kWhite);
    EXPECT_EQ(view.getPixel(305, rowY(6)), kWhite);
    EXPECT_EQ(view.getPixel(306, rowY(6)), kBlack);
    EXPECT_EQ(view.getPixel(295, y + 5), kBlack);  // the stem itself stands in the gap
    EXPECT_EQ(view.getPixel(294, rowY(4)), kWhite);
    // The sharp cuts the lines just above and below its block; its bars cross them.
    EXPECT_EQ(view.getPixel(240, rowY(2)), kWhite);
    EXPECT_EQ(view.getPixel(240, rowY(4)), kWhite);
    EXPECT_EQ(view.getPixel(232, rowY(2)), kBlack);
    EXPECT_EQ(view.getPixel(240, rowY(0)), kBlack);
    EXPECT_EQ(view.getPixel(229, rowY(2)), kBlack);
}

TEST_F(PageRendererTest, SearchMarksSitBehindTheirSymbolsAndUnderWhiteOut) {
    createNewScore(*doc, {0, kTrebleSingle, 0, 8, 12, 10, 4});
    doc->append(0, rec({kQuarterNoteUp, 50, 3}));
    doc->append(0, rec({kQuarterNoteUp, 70, 21}));
    doc->append(0, rec({kStaccatoMark, 30, 3}));
    doc->append(0, rec({kBraille, 200, 150, 1}));
    doc->append(0, rec({kDot, 503, 3}));
    state.searchActive = 1;
    state.searchTarget = kQuarterNoteUp;
    render();
    const int r = 20;  // u(15) at pitch 8
    EXPECT_EQ(view.getPixel(300 - r + 1, rowY(3)), kAqua);
    EXPECT_EQ(view.getPixel(300, rowY(3)), kBlack);       // the head is on top
    EXPECT_EQ(view.getPixel(302, rowY(3) - 15), kWhite);  // the stem's white-out wins
    EXPECT_EQ(view.getPixel(420 + r - 2, rowY(21)), kAqua);
    EXPECT_EQ(view.getPixel(180 + 12, rowY(3)), kWhite);  // not the staccato
    EXPECT_TRUE(sameImages());

    state.searchTarget = kBraille;
    render();
    // Braille: a box from x - 20 to x + 20 and y - 16 to y + 23 around the cell's point, the
    // cell's white box on top.
    const int cy = 150 + rowY(0);
    EXPECT_EQ(view.getPixel(180, cy - 16), kAqua);
    EXPECT_EQ(view.getPixel(219, cy + 22), kAqua);
    EXPECT_EQ(view.getPixel(220, cy), kWhite);
    EXPECT_EQ(view.getPixel(200, cy + 1), kWhite);
    EXPECT_EQ(view.getPixel(196, cy - 5), kBlack);  // dot 1

    state.searchTarget = kDot;
    render();
    EXPECT_EQ(view.getPixel(503 - r + 1, rowY(3)), kAqua);  // around the dot's own x pixel

    state.searchActive = 0;
    render();
    EXPECT_EQ(test::countAll(view, kAqua), 0);
}

TEST_F(PageRendererTest, HotPositionsAndBrailleCursorOnlyInTheView) {
    doc->append(0, rec({kBareNoteHead, 20, 5}));
    doc->append(0, rec({kDot, 131, 5}));
    doc->append(0, rec({kBraille, 250, 40, 0}));
    state.hotPositionsVisible = 1;
    render();
    EXPECT_FALSE(sameImages());
    EXPECT_EQ(test::countAll(back, kHotGreen), 0);
    EXPECT_EQ(test::countAll(view, kHotGreen), 3 * 16);
    const int y = rowY(5);
    EXPECT_EQ(view.getPixel(118, y - 2), kHotGreen);  // 5 x 5 square around (120, y)
    EXPECT_EQ(view.getPixel(122, y + 2), kHotGreen);
    EXPECT_EQ(view.getPixel(120, y), kBlack);
    EXPECT_EQ(view.getPixel(133, y - 1), kHotGreen);  // the dot's x is its own pixel
    EXPECT_EQ(view.getPixel(248, 40 + rowY(0) + 2), kHotGreen);
    for (int i = 0; i < view.width() * view.height(); ++i)
        if (view.data()[i] != kHotGreen) {
            ASSERT_EQ(view.data()[i], back.data()[i]);
        }

    state.hotPositionsVisible = 0;
    state.toolMode = kBraille;
    state.interactionState = kReady;
    state.brailleCursor = {300, 400};
    render();
    EXPECT_EQ(test::boundsOf(view, kPreviewRed), (Box{299, 426, 313, 429}));
    EXPECT_EQ(test::countAll(back, kPreviewRed), 0);
    state.interactionState = kIdle;
    render();
    EXPECT_EQ(test::countAll(view, kPreviewRed), 0);
}

TEST_F(PageRendererTest, BrailleDisplayModes) {
    createNewScore(*doc, {0, kTrebleSingle, 0, 8, 12, 10, 4});
    doc->append(0, rec({kBraille, 300, 3, 63}));  // on the top stave, cutting its lines
    const int y = 3 + rowY(0);
    render();
    EXPECT_EQ(view.getPixel(296, y - 5), kBlack);
    EXPECT_EQ(view.getPixel(300, rowY(2)), kWhite);
    EXPECT_EQ(test::countIn(view, {290, y - 9, 309, y + 15}, kBlack), 72);
    state.displayMode = 0;
    render();
    // In kana the cell reads め: text on the white box instead of the six dots.
    const int ink = test::countIn(view, {290, y - 9, 309, y + 15}, kBlack);
    EXPECT_GT(ink, 0);
    EXPECT_NE(ink, 72);
    EXPECT_EQ(view.getPixel(289, rowY(2)), kBlack);

    // A cell with no kana (the numeral indicator) is drawn as dots 2 pixels further left.
    doc->record(0, doc->symbolCount(0) - 1)[3] = 60;
    render();
    EXPECT_EQ(view.getPixel(301, y - 5), kBlack);
    EXPECT_EQ(view.getPixel(303, y - 5), kWhite);
    EXPECT_EQ(view.getPixel(294, y + 11), kBlack);
    EXPECT_EQ(view.getPixel(294, y - 5), kWhite);
}

TEST_F(PageRendererTest, OnlyRecordsInUseAreDrawnAndPagesKeepTheirOwnSettings) {
    doc->header.pageCount = 2;
    doc->settings(1) = {kBlank, 0, 20, 0, 10, 0};
    doc->append(1, rec({kBareNoteHead, 50, 0}));
    doc->append(1, rec({kBareNoteHead, 60, 0}));
    doc->record(1, 2) = rec({kBareNoteHead, 70, 0});  // stale, beyond the count
    render(1);
    EXPECT_EQ(view.getPixel(300, 320), kBlack);  // top margin 20: row 0 at y 320
    EXPECT_EQ(view.getPixel(360, 320), kBlack);
    EXPECT_EQ(view.getPixel(420, 320), kWhite);
    EXPECT_EQ(view.getPixel(300, rowY(0) + 4), kWhite);  // page 0's row 0
    render(0);
    EXPECT_EQ(test::countAll(view, kBlack), 0);
}

TEST_F(PageRendererTest, EmptyRecordsAndStaleRowsDrawNothing) {
    doc->append(0, rec({kEmptyKind, 50, 0, 100, 100}));
    doc->append(0, rec({55, 50, 0}));
    doc->append(0, rec({kBareNoteHead, 2000000000, -2000000000}));
    doc->append(0, rec({kStraightLine, 7, 2000000000, -2000000000, 5}));
    render();
    EXPECT_EQ(test::countAll(view, kBlack), 0);
}

}  // namespace
}  // namespace noma::render
