#include <gtest/gtest.h>

#include "document/SymbolKind.h"
#include "palettes/GuitarPalette.h"
#include "palettes/PaletteCanvas.h"
#include "palettes/PianoPalette.h"
#include "palettes/RecorderPalette.h"

namespace noma {
namespace {

int count(const Canvas& c, int x1, int y1, int x2, int y2, Rgb colour) {
    int n = 0;
    for (int y = y1; y < y2; ++y)
        for (int x = x1; x < x2; ++x) n += c.getPixel(x, y) == colour;
    return n;
}

int modeAt(std::optional<PianoCell> cell) {
    return cell ? cell->mode : 0;
}

TEST(PianoPalette, CellsArmTheirModes) {
    EXPECT_EQ(modeAt(pianoCellAt(40, 25)), 216);   // right hand, finger 1
    EXPECT_EQ(modeAt(pianoCellAt(40, 175)), 266);  // left hand, finger 5
    EXPECT_EQ(modeAt(pianoCellAt(20, 25)), 0);     // on the first cell's left edge
    EXPECT_EQ(modeAt(pianoCellAt(60, 25)), 0);     // between two cells
    EXPECT_EQ(modeAt(pianoCellAt(250, 20)), kPedal);
    EXPECT_EQ(modeAt(pianoCellAt(370, 20)), kInvertedV);
    EXPECT_EQ(modeAt(pianoCellAt(250, 45)), 0);     // below the marks, beside the one-finger cells
    EXPECT_EQ(modeAt(pianoCellAt(400, 75)), 203);   // last two-finger cell: pattern 3
    EXPECT_EQ(modeAt(pianoCellAt(400, 275)), 257);  // last three-finger cell, left hand: pattern 7
    EXPECT_EQ(modeAt(pianoCellAt(110, 275)), 250 + 25);
    EXPECT_EQ(modeAt(pianoCellAt(100, 275)), 0);
    // Every offered mode has exactly one cell.
    EXPECT_TRUE(isPianoPaletteMode(203));
    EXPECT_FALSE(isPianoPaletteMode(215));  // 15 has four fingers
    EXPECT_FALSE(isPianoPaletteMode(229));
}

TEST(PianoPalette, HighlightFollowsTheArmedMode) {
    Canvas c;
    drawPianoPalette(c, 0);
    EXPECT_EQ(c.width(), 420);
    EXPECT_EQ(count(c, 0, 0, 420, 300, kPaletteYellow), 0);
    // The right-hand finger-1 cell (pattern 16): its bar on the bottom position.
    EXPECT_EQ(c.getPixel(20, 25), kBlack);          // frame
    EXPECT_EQ(c.getPixel(40 + 5, 9 + 32), kBlack);  // bar right of the bottom dot
    EXPECT_EQ(c.getPixel(40 + 5, 9), kWhite);       // no bar on the top dot

    drawPianoPalette(c, 216);
    const int yellow = count(c, 20, 0, 60, 50, kPaletteYellow);
    EXPECT_GT(yellow, 1500);
    EXPECT_EQ(count(c, 0, 0, 420, 300, kPaletteYellow), yellow);
    // Left-hand pattern 3 (fingers 1 and 2) is the 15th cell, in the two-finger band.
    drawPianoPalette(c, 253);
    EXPECT_GT(count(c, 380, 200, 420, 250, kPaletteYellow), 1500);
    drawPianoPalette(c, kArpeggio);
    EXPECT_GT(count(c, 310, 0, 350, 40, kPaletteYellow), 900);
    EXPECT_EQ(count(c, 0, 50, 420, 300, kPaletteYellow), 0);
    // Another palette's mode highlights nothing.
    drawPianoPalette(c, 302);
    EXPECT_EQ(count(c, 0, 0, 420, 300, kPaletteYellow), 0);
}

TEST(RecorderPalette, CellsAndLayouts) {
    EXPECT_EQ(recorderCellAt(100, 100), 2);
    EXPECT_EQ(recorderCellAt(40, 100), std::nullopt);  // border between cells 0 and 1
    EXPECT_EQ(recorderCellAt(41, 1), 1);
    EXPECT_EQ(recorderCellAt(41, 0), std::nullopt);
    EXPECT_EQ(recorderCellAt(41, 200), std::nullopt);
    EXPECT_EQ(recorderCellAt(1199, 100), 29);
    EXPECT_EQ(recorderMode(2, kRecorderHanging), 302);
    EXPECT_EQ(recorderMode(2, kRecorderStanding), 332);
    EXPECT_EQ(recorderHighlightCell(302, kRecorderHanging), 2);
    EXPECT_EQ(recorderHighlightCell(302, kRecorderStanding), std::nullopt);
    EXPECT_EQ(recorderHighlightCell(359, kRecorderStanding), 29);
}

TEST(RecorderPalette, ChartsFollowTheLayoutAndRegisterBreaksShowABar) {
    Canvas hanging;
    drawRecorderPalette(hanging, 302, kRecorderHanging);
    EXPECT_EQ(hanging.width(), 1200);
    EXPECT_GT(count(hanging, 80, 0, 120, 200, kPaletteYellow), 3000);
    EXPECT_EQ(count(hanging, 0, 0, 80, 200, kPaletteYellow), 0);
    // Cell 0 (all closed): the thumb on top at y 80, hole 1 filled at y 95.
    EXPECT_EQ(hanging.getPixel(20, 95), kBlack);
    EXPECT_EQ(hanging.getPixel(15, 80), kBlack);
    // Cell 11: hole 2 open (an outline, white inside) at y 110.
    EXPECT_EQ(hanging.getPixel(440 + 20, 110), kWhite);
    EXPECT_EQ(hanging.getPixel(440 + 20, 105), kBlack);

    Canvas standing;
    drawRecorderPalette(standing, 302, kRecorderStanding);
    EXPECT_EQ(count(standing, 0, 0, 1200, 200, kPaletteYellow), 0);
    // The thumb now at the bottom (y 185) and hole 2 of cell 11 at y 155.
    EXPECT_EQ(standing.getPixel(15, 185), kBlack);
    EXPECT_EQ(standing.getPixel(440 + 20, 155), kWhite);
    EXPECT_EQ(standing.getPixel(440 + 20, 150), kBlack);

    // Cells 12, 15 and 21 show a bar on their left edge instead of a staff.
    for (int k : {12, 15, 21}) {
        EXPECT_EQ(hanging.getPixel(40 * k + 1, 50), kBlack) << k;
        EXPECT_EQ(hanging.getPixel(40 * k + 20, 20), kWhite) << k;
    }
    EXPECT_EQ(hanging.getPixel(40 * 13 + 20, 20), kBlack);  // a staff line
}

TEST(GuitarPalette, CellsArmKindsEightyToNinetyOne) {
    const auto mode = [](int x, int y) {
        return guitarCellAt(x, y) ? guitarCellAt(x, y)->mode : 0;
    };
    EXPECT_EQ(mode(100, 30), 81);
    EXPECT_EQ(mode(100, 100), 86);
    EXPECT_EQ(mode(100, 180), 90);
    EXPECT_EQ(mode(180, 180), 91);
    EXPECT_EQ(mode(250, 180), 0);
    EXPECT_EQ(mode(72, 30), 0);
    EXPECT_EQ(mode(10, 10), 80);
    EXPECT_EQ(mode(359, 143), 89);

    Canvas c;
    drawGuitarPalette(c, 90);
    EXPECT_GT(count(c, 0, 144, 144, 216, kPaletteYellow), 8000);
    EXPECT_EQ(count(c, 144, 0, 420, 300, kPaletteYellow), 0);
    // The finger dot sits in the middle of cell 3.
    EXPECT_EQ(c.getPixel(3 * 72 + 36, 36), kBlack);
    drawGuitarPalette(c, 0);
    EXPECT_EQ(count(c, 0, 0, 420, 300, kPaletteYellow), 0);
}

}  // namespace
}  // namespace noma
