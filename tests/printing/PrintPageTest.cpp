// The page drawing's stages at the printed pixel: raised lines, the clearing pass, ledger
// lines and the thickness of strokes.
#include <gtest/gtest.h>

#include <cstdint>

#include "PrintTestSupport.h"
#include "SameCanvas.h"
#include "document/SymbolKind.h"

namespace noma {
namespace {

using test::anchorX;
using test::anchorY;
using test::px;
using test::rec;

// 600 dpi, pitch 6: s = U = 7.2, W = 8.
class PrintAt600Pitch6 : public ::testing::Test {
  protected:
    void SetUp() override { doc = test::blankScore(6); }
    Canvas print() { return test::printed(*doc, raster); }

    std::unique_ptr<ScoreDocument> doc;
    PrintRaster raster = tactileRaster(600, 3);
    double U = raster.printUnit;  // also s at pitch 6
    Rgb base = raster.baseGrey;
};

TEST_F(PrintAt600Pitch6, StaffLineIsEightPixelsThickCentredOnItsRow) {
    doc->append(0, rec({46, 6, 0, 552, 0}));
    const Canvas page = print();
    const double y0 = anchorY(*doc, raster, 0);
    const auto runs = test::runsDown(page, 2000, 0, page.height(), base);
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(runs[0], 8);
    EXPECT_EQ(page.getPixel(2000, px(y0 - 4)), base);
    EXPECT_EQ(page.getPixel(2000, px(y0 + 3)), base);
    EXPECT_EQ(page.getPixel(2000, px(y0 - 4) - 1), kWhite);
}

TEST_F(PrintAt600Pitch6, LineRecordsPrintAsHorizontalAndVerticalStrokes) {
    doc->append(0, rec({46, 10, 0, 552, 0}));
    test::Bounds b = test::inkBounds(print());
    const double x0 = anchorX(raster, 10);
    EXPECT_EQ(b.x1, px(x0));
    EXPECT_EQ(b.x2, px(x0 + 552 * U));  // 552 page pixels, the end pixel left out
    EXPECT_EQ(b.height(), 8);

    doc->clearPage(0);
    doc->append(0, rec({46, 10, 0, 0, 100}));
    b = test::inkBounds(print());
    EXPECT_EQ(b.width(), 8);
    EXPECT_EQ(b.y1, px(anchorY(*doc, raster, 0)));
    EXPECT_NEAR(b.height(), 720, 1);
}

TEST_F(PrintAt600Pitch6, SlantedLineRecordPrintsAnLShape) {
    doc->append(0, rec({46, 10, 0, 30, 40}));
    const Canvas page = print();
    const int x0 = px(anchorX(raster, 10));
    const int y0 = px(anchorY(*doc, raster, 0));
    // The corner is inked, the far ends of both arms too, and the diagonal between is not.
    EXPECT_EQ(page.getPixel(x0, y0), base);
    EXPECT_EQ(page.getPixel(x0 + 210, y0), base);
    EXPECT_EQ(page.getPixel(x0, y0 + 280), base);
    EXPECT_EQ(page.getPixel(x0 + 108, y0 + 144), kWhite);
    EXPECT_EQ(test::runAcross(page, x0 + 100, y0, base),
              216 + 4);  // the arm and half a stroke left of it
}

TEST_F(PrintAt600Pitch6, NegativeExtentsPrintNothing) {
    doc->append(0, rec({46, 10, 20, -30, 40}));  // only the downward arm
    test::Bounds b = test::inkBounds(print());
    EXPECT_EQ(b.width(), 8);
    EXPECT_NEAR(b.height(), 288, 1);

    doc->clearPage(0);
    doc->append(0, rec({46, 10, 20, 30, -40}));  // only the arm to the right
    b = test::inkBounds(print());
    EXPECT_EQ(b.height(), 8);

    doc->clearPage(0);
    doc->append(0, rec({46, 10, 20, -30, -40}));
    EXPECT_EQ(test::countNotWhite(print()), 0);
}

TEST_F(PrintAt600Pitch6, RestStrokeIsThirtyTwoPixelsWide) {
    doc->append(0, rec({32, 40, 10}));
    const Canvas page = print();
    const int x0 = px(anchorX(raster, 40));
    const int y0 = px(anchorY(*doc, raster, 10));
    EXPECT_EQ(test::runAcross(page, x0, y0, base), 32);
    // The half rest's single stroke is twice as wide; being flatter than 45 degrees, each of
    // its 64 lines may put two pixels on a row.
    doc->clearPage(0);
    doc->append(0, rec({33, 40, 10}));
    const int half = test::runAcross(print(), x0, y0, base);
    EXPECT_GE(half, 64);
    EXPECT_LE(half, 65);
}

TEST_F(PrintAt600Pitch6, LedgerLineIsOneStrokeThickerThanAStaffLine) {
    test::addStave(*doc, 10);         // rows 10..18; interval 10 gives a zone of 6 rows
    doc->append(0, rec({6, 40, 7}));  // a quarter note three rows above the top line
    const Canvas page = print();
    const int x = px(anchorX(raster, 40)) + 80;  // clear of the head and the stem
    const int top = px(anchorY(*doc, raster, 10)) - 4;
    const auto runs = test::runsDown(page, x, top - 400, top, base);
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(runs[0], 9);
    // Two rows above the top line, centred on its row.
    const double ledgerY = anchorY(*doc, raster, 8);
    EXPECT_EQ(page.getPixel(x, px(ledgerY - 4)), base);
    EXPECT_EQ(page.getPixel(x, px(ledgerY + 4)), base);
    // The line spans 13 page pixels either side of the note.
    EXPECT_EQ(page.getPixel(px(anchorX(raster, 40) + 13 * U) - 1, px(ledgerY)), base);
    EXPECT_EQ(page.getPixel(px(anchorX(raster, 40) + 13 * U) + 1, px(ledgerY)), kWhite);
}

TEST_F(PrintAt600Pitch6, LedgerLinesReachTheNoteAndNoFurther) {
    test::addStave(*doc, 20);
    doc->append(0, rec({1, 40, 29}));  // below the bottom line (row 28) by one row: none
    doc->append(0, rec({1, 60, 32}));  // two lines below, at rows 30 and 32
    doc->append(0, rec({1, 80, 23}));  // inside the stave: none
    const Canvas page = print();
    const int bottom = px(anchorY(*doc, raster, 28)) + 4;
    const auto below = [&](int column) {
        return test::runsDown(page, px(anchorX(raster, column)) + 60, bottom, bottom + 500, base);
    };
    EXPECT_TRUE(below(40).empty());
    EXPECT_EQ(below(60), (std::vector<int>{9, 9}));
    EXPECT_TRUE(below(80).empty());
    const int x80 = px(anchorX(raster, 80)) + 60;
    EXPECT_EQ(test::runsDown(page, x80, 0, page.height(), base).size(), 5u);
}

TEST_F(PrintAt600Pitch6, BlankPagesHaveNoLedgerLines) {
    doc = test::blankScore(6, kBlank);
    test::addStave(*doc, 20);
    doc->append(0, rec({1, 60, 32}));
    const Canvas page = print();
    const int bottom = px(anchorY(*doc, raster, 28)) + 4;
    EXPECT_TRUE(
        test::runsDown(page, px(anchorX(raster, 60)) + 60, bottom, bottom + 500, base).empty());
}

TEST_F(PrintAt600Pitch6, WholeNoteLedgerLinesAreCentredOnBothHalves) {
    test::addStave(*doc, 20);
    doc->append(0, rec({10, 60, 30}));
    const Canvas page = print();
    const double x0 = anchorX(raster, 60);
    const int y = px(anchorY(*doc, raster, 30));
    // Two lines of 26 page pixels, 10 pitch units either side: together from x0 - 10s - 13U
    // to x0 + 10s + 13U.
    EXPECT_EQ(page.getPixel(px(x0 - 10 * U - 13 * U) + 1, y - 3), base);
    EXPECT_EQ(page.getPixel(px(x0 + 10 * U + 13 * U) - 1, y - 3), base);
    EXPECT_EQ(page.getPixel(px(x0 + 10 * U + 13 * U) + 2, y - 3), kWhite);
}

TEST_F(PrintAt600Pitch6, StaffLinesAreCutAroundSymbols) {
    test::addStave(*doc, 20);
    doc->append(0, rec({6, 40, 25}));   // stem up through the top three lines
    doc->append(0, rec({22, 60, 21}));  // a sharp on the second space
    const Canvas page = print();
    // The stem's band lies 3.5 s right of the anchor; the lines are cut from the anchor to
    // 10 s right of it, so a gap separates line and stem on both sides.
    const double x0 = anchorX(raster, 40);
    const int lineY = px(anchorY(*doc, raster, 20));
    EXPECT_EQ(page.getPixel(px(x0 - 2), lineY), raster.baseGrey);
    EXPECT_EQ(page.getPixel(px(x0 + 1), lineY), kWhite);
    EXPECT_EQ(page.getPixel(px(x0 + 3.5 * U), lineY), raster.baseGrey);  // the stem
    EXPECT_EQ(page.getPixel(px(x0 + 9.5 * U), lineY), kWhite);
    EXPECT_EQ(page.getPixel(px(x0 + 10 * U) + 1, lineY), raster.baseGrey);
    // Above and below the sharp's block the line through its bars is cut too.
    const double sx = anchorX(raster, 60);
    const int above = px(anchorY(*doc, raster, 20));
    EXPECT_EQ(page.getPixel(px(sx), above), kWhite);
    EXPECT_EQ(page.getPixel(px(sx - 6 * U) + 2, above), raster.strongGrey);  // the bar crosses
}

TEST_F(PrintAt600Pitch6, TheScreenOnlyMarksAreNeverPrinted) {
    // A blank page with ruled lines and a frame on the screen prints nothing at all.
    doc = test::blankScore(6, kBlank);
    EXPECT_EQ(test::countNotWhite(print()), 0);
}

TEST_F(PrintAt600Pitch6, KindsWithoutADrawingPrintNothing) {
    for (int kind : {0, 50, 56, 64, 69, 74, 79, 92, 99, 196, 360})
        doc->append(0, rec({kind, 40, 10, 30, 40}));
    EXPECT_EQ(test::countNotWhite(print()), 0);
}

TEST_F(PrintAt600Pitch6, NotesFarOffThePaperPrintNothingAndEnd) {
    // Their flags once counted printer rows up to the row of the note, past the int range.
    doc->append(0, rec({kQuarterNoteUp, 40, 10}));
    const Canvas alone = print();
    for (int kind : {kSixteenthNoteUp, kSixteenthNoteDown, kThirtySecondNoteUp,
                     kThirtySecondNoteDown, kSixtyFourthNoteUp, kSixtyFourthNoteDown})
        for (int32_t row : {INT32_MAX, INT32_MIN})
            for (int32_t column : {20, INT32_MAX, INT32_MIN})
                doc->append(0, rec({kind, column, row}));
    EXPECT_TRUE(test::sameCanvas(print(), alone));
}

TEST(PrintPage, InkAtTwiceTheMagnificationIsTwiceAsLarge) {
    auto doc = test::blankScore(8);
    doc->append(0, rec({46, 10, 0, 100, 0}));
    const test::Bounds full = test::inkBounds(test::printed(*doc, inkRaster(600, 100)));
    const test::Bounds twice = test::inkBounds(test::printed(*doc, inkRaster(600, 200)));
    EXPECT_EQ(full.width(), 750);
    EXPECT_EQ(twice.width(), 1500);
    EXPECT_EQ(twice.height(), 2 * full.height());
    EXPECT_EQ(full.x1, px(187 + 60 * 7.5));  // 7.5 is exact in a float
}

TEST(PrintPage, EveryShapeOfTheScreenIsInTheTactilePrint) {
    // The same score at pitch 8 and 10: a larger pitch gives larger figures.
    for (int pitch : {8, 10}) {
        auto doc = test::blankScore(pitch);
        doc->append(0, rec({25, 30, 10}));  // start repeat: bars and dots
        const test::Bounds b = test::inkBounds(test::printed(*doc, tactileRaster(600, 3)));
        const double s = test::sOf(tactileRaster(600, 3), pitch);
        EXPECT_NEAR(b.width(), 15 * s, 2) << pitch;
        EXPECT_NEAR(b.height(), 48 * s, 2) << pitch;
    }
}

}  // namespace
}  // namespace noma
