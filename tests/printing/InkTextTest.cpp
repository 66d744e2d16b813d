// Ink print's braille: dots, or the kana and letters of the translation at a fixed size.
#include <gtest/gtest.h>

#include "PrintTestSupport.h"
#include "braille/BrailleCell.h"

namespace noma {
namespace {

using test::px;
using test::rec;

class InkText : public ::testing::Test {
  protected:
    void SetUp() override { doc = test::blankScore(8); }

    // The page as the ink job prints it: the drawing, then the translation.
    Canvas print(int brailleOutput, int magnification = 100, int fontSizeItem = 4) {
        raster = inkRaster(600, magnification);
        PrintOptions options;
        options.mode = PrintMode::Ink;
        options.brailleOutput = brailleOutput;
        options.fontSizeItem = fontSizeItem;
        Canvas page = test::a4Page(600);
        drawPrintPage(page, *doc, 0, raster, options);
        drawTranslatedText(page, *doc, 0, raster, options);
        return page;
    }
    // Cell reference point (x, y) of a cell at field 1 = x, field 2 = y - row origin.
    void cell(int x, int y, int dots) { doc->append(0, rec({40, x, y - 2 * 12 * 8, dots})); }
    // Whether the dot `n` (1..6) of a cell at (x, y) is printed, with dot 1 `left` page
    // pixels left of the cell and 5 above.
    bool dotAt(const Canvas& page, int x, int y, int n, int left) {
        const double unit = raster.printUnit;
        const int xr = px(x * unit - left * unit), yr = px(y * unit - 5 * unit);
        const double cx = raster.marginX + xr + (n > 3 ? 7 * unit : 0);
        const double cy = raster.marginY + yr + 8 * unit * ((n - 1) % 3);
        return page.getPixel(px(cx), px(cy)) == kBlack;
    }
    int inkIn(const Canvas& page, double x1, double y1, double x2, double y2) {
        return test::countColour(page, kBlack, px(x1), px(y1), px(x2), px(y2));
    }

    std::unique_ptr<ScoreDocument> doc;
    PrintRaster raster;
};

TEST_F(InkText, BrailleOutputPrintsEveryCellAsBlackDots) {
    cell(200, 300, cellFromDots("1"));
    const Canvas page = print(2);
    EXPECT_TRUE(dotAt(page, 200, 300, 1, 4));
    EXPECT_FALSE(dotAt(page, 200, 300, 2, 4));
    // No text: only the dot's pixels are black.
    const test::Bounds b = test::boundsWhere(page, [](Rgb p) { return p == kBlack; });
    EXPECT_NEAR(b.width(), 4 * 7.5, 2);
}

TEST_F(InkText, KanaPrintsTextOverTheCellAndNoDots) {
    cell(200, 300, cellFromDots("1"));  // あ
    const Canvas page = print(0);
    EXPECT_FALSE(dotAt(page, 200, 300, 1, 4));
    EXPECT_FALSE(dotAt(page, 200, 300, 1, 6));
    // The text's box starts 5 page pixels left of and above the reference point.
    const double unit = raster.printUnit;
    const double left = raster.marginX + (200 - 5) * unit, top = (300 - 5) * unit;
    const test::Bounds b = test::boundsWhere(page, [](Rgb p) { return p == kBlack; });
    EXPECT_GE(b.x1, px(left));
    EXPECT_GE(b.y1, px(top));
    EXPECT_GT(inkIn(page, left, top, left + 100, top + 100), 100);
}

TEST_F(InkText, AlphabetLeavesCellsWithoutALetterAsDots) {
    cell(200, 300, cellFromDots("6"));     // capital sign: no letter
    cell(219, 300, cellFromDots("1"));     // ａ
    cell(300, 300, cellFromDots("3456"));  // numeral indicator
    const Canvas page = print(1);
    // The capital sign keeps its dot, two page pixels further left than braille shows it.
    EXPECT_TRUE(dotAt(page, 200, 300, 6, 6));
    for (int n : {3, 4, 5, 6}) EXPECT_TRUE(dotAt(page, 300, 300, n, 6)) << n;
    EXPECT_FALSE(dotAt(page, 300, 300, 1, 6));
}

TEST_F(InkText, NumeralIndicatorTurnsTheNextCellIntoADigit) {
    cell(200, 300, cellFromDots("3456"));
    cell(219, 300, cellFromDots("12"));  // ２ after the indicator, い alone
    const Canvas numeral = print(0);
    for (int n : {3, 4, 5, 6}) EXPECT_TRUE(dotAt(numeral, 200, 300, n, 6)) << n;
    const double unit = raster.printUnit;
    const double left = raster.marginX + (219 - 5) * unit, top = (300 - 5) * unit;
    EXPECT_GT(inkIn(numeral, left, top, left + 120, top + 120), 50);

    // The digit differs from the kana the same cell reads as on its own.
    doc->clearPage(0);
    cell(219, 300, cellFromDots("12"));
    const Canvas kana = print(0);
    int differing = 0;
    for (int y = px(top); y < px(top + 120); ++y)
        for (int x = px(left); x < px(left + 120); ++x)
            differing += numeral.getPixel(x, y) != kana.getPixel(x, y);
    EXPECT_GT(differing, 50);
}

TEST_F(InkText, TextKeepsItsPointSizeAtAnyMagnification) {
    cell(200, 300, cellFromDots("1"));
    const auto textHeight = [&](int magnification, int fontSizeItem) {
        const Canvas page = print(0, magnification, fontSizeItem);
        return test::boundsWhere(page, [](Rgb p) { return p == kBlack; }).height();
    };
    const int at100 = textHeight(100, 4);
    EXPECT_GT(at100, 40);  // 12 points at 600 dpi is 100 pixels; the glyph a good part of it
    EXPECT_EQ(textHeight(200, 4), at100);
    EXPECT_GT(textHeight(100, 12), at100 * 3 / 2);  // 20 points
}

TEST_F(InkText, CellsPrintInReadingOrder) {
    // A later cell's opaque box covers what an earlier one left: the lower cell, printed last,
    // keeps its whole reading even where the two overlap.
    cell(200, 300, cellFromDots("1"));
    cell(200, 304, cellFromDots("12"));
    const Canvas both = print(0);
    doc->clearPage(0);
    cell(200, 304, cellFromDots("12"));
    const Canvas lowerOnly = print(0);
    const double unit = raster.printUnit;
    const double left = raster.marginX + 195 * unit, top = 299 * unit;
    for (int y = px(top); y < px(top + 110); ++y)
        for (int x = px(left); x < px(left + 110); ++x)
            ASSERT_EQ(both.getPixel(x, y), lowerOnly.getPixel(x, y)) << x << "," << y;
}

}  // namespace
}  // namespace noma
