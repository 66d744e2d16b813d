// The relief preview: shading of heights, the spacing and braille checks, and the preview's
// paging and strength.
#include <gtest/gtest.h>

#include "PrintTestSupport.h"
#include "printing/PrintJob.h"
#include "printing/ReliefIssues.h"
#include "printing/ReliefPreviewForm.h"
#include "printing/ReliefShading.h"

namespace noma {
namespace {

using test::rec;

TEST(ReliefShading, SlopesFacingTheUpperLeftAreLitAndFlatGroundIsEven) {
    // Ground, a ramp rising to the right, a plateau, a ramp falling back, ground; all rows alike.
    const int w = 40, h = 5;
    std::vector<float> heights(static_cast<size_t>(w) * h);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            float v = 0;
            if (x >= 10 && x < 15) v = (x - 10) / 5.0F;
            if (x >= 15 && x < 25) v = 1;
            if (x >= 25 && x < 30) v = 1 - (x - 25) / 5.0F;
            heights[static_cast<size_t>(y) * w + x] = v;
        }
    }
    const std::vector<uint8_t> shade = hillshade(heights, w, h, 3.0F);
    const auto at = [&](int x) { return static_cast<int>(shade[static_cast<size_t>(2 * w + x)]); };
    EXPECT_EQ(at(2), at(7));
    EXPECT_EQ(at(17), at(22));
    EXPECT_EQ(at(2), at(35));
    EXPECT_GT(at(12), at(2) + 20);  // rising towards the right: faces the light
    EXPECT_LT(at(27), at(2) - 20);  // falling: turned away
    EXPECT_LE(at(20), at(2));       // a plateau is never lighter than the paper
}

TEST(ReliefShading, DarkerGreysStandHigherAndReductionAverages) {
    Canvas print(40, 40);
    print.setBrushColour(kBlack);
    print.fillRect({10, 10, 30, 30});
    const Rect whole{0, 0, 40, 40};
    const Canvas flat = reliefPicture(print, whole, 20, 20, ReliefLook::Flat);
    EXPECT_EQ(flat.getPixel(10, 10), kBlack);
    EXPECT_EQ(flat.getPixel(1, 1), kWhite);
    // Half of the columns of the print pixels under (4, 10) are black.
    const Canvas odd = reliefPicture(print, {1, 0, 41, 40}, 20, 20, ReliefLook::Flat);
    EXPECT_NEAR(greenOf(odd.getPixel(4, 10)), 128, 1);
    // The black square is a raised block: its left edge lit, its right edge in shadow.
    const Canvas relief = reliefPicture(print, whole, 40, 40, ReliefLook::Relief);
    const int paper = greenOf(relief.getPixel(2, 20));
    EXPECT_GT(greenOf(relief.getPixel(10, 20)), paper);
    EXPECT_LT(greenOf(relief.getPixel(29, 20)), paper);
    // Enlarged, each print pixel repeats.
    const Canvas twice = reliefPicture(print, {8, 8, 12, 12}, 8, 8, ReliefLook::Flat);
    EXPECT_EQ(twice.getPixel(3, 3), kWhite);
    EXPECT_EQ(twice.getPixel(4, 4), kBlack);
}

// Two bars side by side with `gap` white print pixels between them.
Canvas twoBars(int gap) {
    Canvas c(400, 200);
    c.setBrushColour(rgb(120, 120, 120));
    c.fillRect({50, 50, 100, 150});
    c.fillRect({100 + gap, 50, 150 + gap, 150});
    return c;
}

TEST(ReliefIssues, FiguresJustCloserThanTheLimitArePairedAndJustFartherAreNot) {
    // At 150 dpi 3 mm is 17.7 pixels, and the grid is the print's own pixels.
    const ReliefIssues near = findReliefIssues(twoBars(17), {}, {}, 150, 3.0);
    ASSERT_EQ(near.closeFigures.size(), 1U);
    EXPECT_NEAR(near.closeFigures[0].gapMm, 17 * 25.4 / 150, 1e-9);
    EXPECT_EQ(near.closeFigures[0].first, (Rect{50, 50, 100, 150}));
    EXPECT_EQ(near.closeFigures[0].second, (Rect{117, 50, 167, 150}));
    EXPECT_TRUE(findReliefIssues(twoBars(18), {}, {}, 150, 3.0).closeFigures.empty());
    // At 600 dpi (71 pixels to 3 mm) the gap is measured on a coarser grid: 2.8 mm and 3.2 mm.
    EXPECT_EQ(findReliefIssues(twoBars(66), {}, {}, 600, 3.0).closeFigures.size(), 1U);
    EXPECT_TRUE(findReliefIssues(twoBars(76), {}, {}, 600, 3.0).closeFigures.empty());
    // The limit is the user's: 4 mm pairs the bars 3.2 mm apart; touching bars are one figure.
    EXPECT_EQ(findReliefIssues(twoBars(76), {}, {}, 600, 4.0).closeFigures.size(), 1U);
    EXPECT_TRUE(findReliefIssues(twoBars(0), {}, {}, 600, 3.0).closeFigures.empty());
    // Two figures inside one grid cell are still two.
    EXPECT_EQ(findReliefIssues(twoBars(1), {}, {}, 600, 3.0).closeFigures.size(), 1U);
}

TEST(ReliefIssues, PiecesOfStaffLineAreNotFiguresAndFiguresAcrossALineStillPair) {
    // A staff line at 150 dpi, cut by the white-out around a note head.
    Canvas c(400, 200);
    const std::vector<Rect> lines{{19, 99, 381, 103}};
    c.setBrushColour(rgb(120, 120, 120));
    c.fillRect({20, 100, 95, 102});
    c.fillRect({125, 100, 380, 102});
    c.fillRect({100, 90, 120, 112});  // the note, 5 pixels from the line's pieces
    // Two figures 16 pixels (2.7 mm) apart with the line between them, and a mark sitting on
    // the line: the line it touches is not its shape, so it pairs with neither.
    c.fillRect({250, 70, 270, 92});
    c.fillRect({250, 108, 270, 130});
    c.fillRect({330, 95, 340, 100});
    const ReliefIssues found = findReliefIssues(c, {}, lines, 150, 3.0);
    ASSERT_EQ(found.closeFigures.size(), 1U);
    EXPECT_EQ(found.closeFigures[0].first, (Rect{250, 70, 270, 92}));
    EXPECT_EQ(found.closeFigures[0].second, (Rect{250, 108, 270, 130}));
    EXPECT_NEAR(found.closeFigures[0].gapMm, 16 * 25.4 / 150, 1e-9);
}

TEST(ReliefIssues, BrailleDotsAreNotFiguresAndACellIsReportedWhenAFigureTouchesIt) {
    Canvas c(400, 200);
    const Rect cell{200, 50, 230, 100};
    c.setBrushColour(rgb(30, 30, 30));
    c.fillRect({202, 52, 210, 60});  // dot 1
    c.fillRect({220, 52, 228, 60});  // dot 4
    c.fillRect({202, 90, 210, 98});  // dot 3
    c.setBrushColour(rgb(120, 120, 120));
    c.fillRect({100, 50, 195, 60});  // a figure 7 pixels left of dot 1
    ReliefIssues found = findReliefIssues(c, {cell}, {}, 150, 3.0);
    EXPECT_TRUE(found.closeFigures.empty());  // dots are close to each other and to figures
    EXPECT_TRUE(found.touchingCells.empty());
    // Reaching the dot: the figure and the dot are one piece that reaches into the cell.
    c.fillRect({195, 55, 203, 57});
    found = findReliefIssues(c, {cell}, {}, 150, 3.0);
    ASSERT_EQ(found.touchingCells.size(), 1U);
    EXPECT_EQ(found.touchingCells[0], cell);
    // A figure across the cell between the dots touches it too.
    c.setBrushColour(kWhite);
    c.fillRect({195, 55, 203, 57});
    c.setBrushColour(rgb(120, 120, 120));
    c.fillRect({214, 40, 216, 120});
    EXPECT_EQ(findReliefIssues(c, {cell}, {}, 150, 3.0).touchingCells.size(), 1U);
    // So does a staff line: a reader cannot read the cell either.
    EXPECT_EQ(findReliefIssues(c, {cell}, {{213, 39, 217, 121}}, 150, 3.0).touchingCells.size(),
              1U);
}

TEST(ReliefIssues, PrintedCellBoxesHoldEveryDotTheDrawingRaises) {
    auto doc = test::blankScore(8);
    doc->append(0, rec({40, 200, 40, 63}));  // all six dots
    doc->append(0, rec({40, 300, 40, 0}));   // no dots: not a cell to check
    const PrintRaster raster = tactileRaster(600, 3);
    Canvas page(millimetresToPixels(210, 600), millimetresToPixels(297, 600));
    drawPrintPage(page, *doc, 0, raster, {});
    const std::vector<Rect> cells = printedBrailleCells(*doc, 0, raster);
    ASSERT_EQ(cells.size(), 1U);
    const Rect box = cells[0];
    Rect inked{page.width(), page.height(), 0, 0};
    for (int y = 0; y < page.height(); ++y) {
        for (int x = 0; x < page.width(); ++x) {
            if (page.getPixel(x, y) == kWhite) continue;
            inked = {std::min(inked.x1, x), std::min(inked.y1, y), std::max(inked.x2, x + 1),
                     std::max(inked.y2, y + 1)};
        }
    }
    EXPECT_GE(inked.x1, box.x1);
    EXPECT_GE(inked.y1, box.y1);
    EXPECT_LE(inked.x2, box.x2);
    EXPECT_LE(inked.y2, box.y2);
    EXPECT_LE(box.x2 - box.x1 - (inked.x2 - inked.x1), 3);
    EXPECT_LE(box.y2 - box.y1 - (inked.y2 - inked.y1), 3);
}

TEST(ReliefPreviewForm, DrawsThePrintJobsPageFollowsTheStrengthAndPagesWithinTheScore) {
    auto doc = test::blankScore(8);
    doc->header.pageCount = 2;
    doc->settings(1) = doc->settings(0);
    test::addStave(*doc, 0);
    doc->append(1, rec({46, 6, 0, 552, 0}));
    doc->append(1, rec({46, 6, 0, 0, 40}));
    PrintSettings settings;
    settings.dpi = 150;
    settings.strength = 2;
    settings.mode = PrintMode::Ink;  // the preview is of the tactile print
    ReliefPreviewForm form;
    form.open(*doc, nullptr, settings, 1240, 1754, 5);
    EXPECT_EQ(form.page(), 2);
    const auto same = [](const Canvas& a, const Canvas& b) {
        return a.width() == b.width() && a.height() == b.height() &&
               std::equal(a.data(), a.data() + static_cast<size_t>(a.width()) * a.height(),
                          b.data());
    };
    Canvas expected;
    settings.mode = PrintMode::Tactile;
    drawJobPage(expected, 1240, 1754, *doc, 1, settings, nullptr);
    EXPECT_TRUE(same(form.printPicture(), expected));
    form.setStrength(6);
    settings.strength = 6;
    drawJobPage(expected, 1240, 1754, *doc, 1, settings, nullptr);
    EXPECT_TRUE(same(form.printPicture(), expected));
    form.previousPage();
    form.previousPage();
    EXPECT_EQ(form.page(), 1);
    form.setShowIssues(true);
    // Staff lines 4.5 mm apart are no figures: not paired even under a 6 mm limit.
    form.setMinimumGap(6.0);
    EXPECT_EQ(form.statusText(), "ページ １／２　印刷強度 ６　近すぎる記号：0　点字の接触：0");
    // The whole page fits the view, proportions kept; 100 % is one print pixel per pixel.
    EXPECT_EQ(form.shownSize(620, 2000).x, 620);
    EXPECT_EQ(form.shownSize(620, 2000).y, 877);
    form.setZoom(ReliefPreviewForm::Zoom::Double);
    EXPECT_EQ(form.shownSize(620, 2000).x, 2480);
    EXPECT_EQ(form.shownPart({100, 100, 300, 150}, form.shownSize(0, 0)).width(), 200);
}

}  // namespace
}  // namespace noma
