#include "render/PaletteFigures.h"

#include <gtest/gtest.h>

#include "RenderTestSupport.h"
#include "TempFolder.h"
#include "document/SymbolKind.h"
#include "platform/FileIo.h"
#include "render/PageColours.h"
#include "render/UserSymbolStore.h"

namespace noma::render {
namespace {

using test::Box;
using test::rec;

constexpr int X = 100;
constexpr int Y = 150;

Canvas figure(const SymbolRecord& r, int pitch, const UserSymbolStore* store = nullptr,
              Rgb ink = kBlack, Rgb background = kWhite) {
    Canvas c(200, 300, background);
    FigureContext context{10, pitch, nullptr, 2, store};
    drawFigure(c, ScreenMetrics(pitch), r, X, Y, context, ink);
    return c;
}

bool ink(const Canvas& c, int x, int y) {
    return c.getPixel(x, y) == kBlack;
}

TEST(PianoMarks, StampsSitAroundTheAnchorAndScale) {
    EXPECT_EQ(test::boundsOf(figure(rec({kPedal}), 6), kBlack), (Box{X - 5, Y - 8, X + 6, Y + 8}));
    EXPECT_EQ(test::boundsOf(figure(rec({kPedalRelease}), 6), kBlack),
              (Box{X - 6, Y - 6, X + 7, Y + 7}));
    EXPECT_EQ(test::boundsOf(figure(rec({kArpeggio}), 6), kBlack),
              (Box{X - 3, Y - 25, X + 4, Y + 26}));
    // Pitch 9: the pedal's 11 x 16 becomes 16 x 24 from (X - 7, Y - 12).
    EXPECT_EQ(test::boundsOf(figure(rec({kPedal}), 9), kBlack),
              (Box{X - 7, Y - 12, X + 9, Y + 12}));
    // The pedal is an open ring: its inside stays white, its foot is solid.
    const Canvas pedal = figure(rec({kPedal}), 6);
    EXPECT_FALSE(ink(pedal, X, Y));
    EXPECT_TRUE(ink(pedal, X - 5, Y) && ink(pedal, X + 5, Y));
    EXPECT_EQ(test::countIn(pedal, {X - 5, Y + 6, X + 6, Y + 7}, kBlack), 7);
    // The star's centre block and its diagonal.
    const Canvas star = figure(rec({kPedalRelease}), 6);
    EXPECT_EQ(test::countIn(star, {X - 1, Y - 1, X + 2, Y + 2}, kBlack), 9);
    EXPECT_TRUE(ink(star, X - 5, Y - 5) && ink(star, X + 5, Y - 5) && !ink(star, X - 5, Y - 4));
}

TEST(PianoMarks, ArpeggioZigzagsWithAFourteenRowPeriod) {
    const Canvas wave = figure(rec({kArpeggio}), 6);
    const int top = Y - 25;
    for (int r : {0, 14, 28, 42, 50}) {
        EXPECT_TRUE(ink(wave, X - 3 + 3, top + r) && ink(wave, X - 3 + 4, top + r)) << r;
        EXPECT_EQ(test::countIn(wave, {X - 3, top + r, X + 4, top + r + 1}, kBlack), 2) << r;
    }
    EXPECT_TRUE(ink(wave, X - 3, top + 4) && ink(wave, X - 2, top + 4));
    EXPECT_TRUE(ink(wave, X + 2, top + 11) && ink(wave, X + 3, top + 11));
}

TEST(PianoMarks, InvertedVIsTwoPixelsThickAtPitchSix) {
    const Canvas v = figure(rec({kInvertedV}), 6);
    EXPECT_TRUE(ink(v, X - 1, Y - 6) && ink(v, X, Y - 6));
    EXPECT_FALSE(ink(v, X + 1, Y - 6));
    EXPECT_TRUE(ink(v, X - 6, Y + 6));
    // The left foot keeps its first pixel; the right foot stops a pixel short.
    EXPECT_TRUE(ink(v, X - 6, Y + 7) && ink(v, X - 5, Y + 7));
    EXPECT_FALSE(ink(v, X + 4, Y + 7));
}

TEST(FingerNumbers, BarsAndDotsKeepTheirPixelSizeAtAnyPitch) {
    for (int pitch : {6, 10}) {
        // Right hand, pattern 8: one bar on the second position from the bottom.
        const Canvas c = figure(rec({200 + 8}), pitch);
        EXPECT_EQ(test::countIn(c, {X - 3, Y + 7, X + 9, Y + 11}, kBlack), 48) << pitch;
        EXPECT_EQ(test::boundsOf(c, kBlack), (Box{X - 3, Y - 19, X + 9, Y + 20})) << pitch;
        // The other four positions are dots, 9 pixels apart.
        for (int k : {-2, -1, 0, 2}) {
            EXPECT_TRUE(ink(c, X, Y + 9 * k)) << k;
            EXPECT_FALSE(ink(c, X + 3, Y + 9 * k)) << k;
        }
    }
    // Left hand, pattern 17: bars at the top and bottom positions reaching to the left.
    const Canvas left = figure(rec({250 + 17}), 8);
    EXPECT_EQ(test::countIn(left, {X - 9, Y - 20, X + 3, Y - 16}, kBlack), 48);
    EXPECT_EQ(test::countIn(left, {X - 9, Y + 16, X + 3, Y + 20}, kBlack), 48);
    EXPECT_FALSE(ink(left, X + 4, Y - 18));
    EXPECT_FALSE(ink(left, X - 8, Y));
}

TEST(GuitarMarks, DotAndBarres) {
    const Canvas dot = figure(rec({83}), 6);
    EXPECT_EQ(test::boundsOf(dot, kBlack), (Box{X - 5, Y - 5, X + 5, Y + 5}));
    // Kind 84: a capsule two rows (12 pixels at pitch 6) long.
    const Canvas barre = figure(rec({84}), 6);
    EXPECT_EQ(test::boundsOf(barre, kBlack), (Box{X - 5, Y - 5, X + 5, Y + 17}));
    EXPECT_EQ(test::runsDown(barre, X, Y - 10, Y + 30, kBlack), 1);
    // Kind 88 spans ten rows.
    EXPECT_EQ(test::boundsOf(figure(rec({88}), 8), kBlack).y2, Y + 80 + 6);
}

TEST(GuitarMarks, RingCrossFretsAndStrings) {
    const Canvas ring = figure(rec({80}), 6);
    EXPECT_FALSE(ink(ring, X, Y));
    EXPECT_TRUE(ink(ring, X - 6, Y) && ink(ring, X - 5, Y) && !ink(ring, X - 4, Y));
    EXPECT_EQ(test::boundsOf(ring, kBlack), (Box{X - 6, Y - 6, X + 6, Y + 6}));
    const Canvas cross = figure(rec({81}), 6);
    EXPECT_TRUE(ink(cross, X, Y) && ink(cross, X + 1, Y) && !ink(cross, X - 1, Y));
    // Fret grid at pitch 8: a double line at X - 4 and X, lines at X + 24, 48, 72, from 32
    // above to 48 below.
    const Canvas frets = figure(rec({82}), 8);
    for (int x : {X - 4, X, X + 24, X + 48, X + 72}) {
        EXPECT_TRUE(ink(frets, x, Y - 32) && ink(frets, x, Y + 47)) << x;
        EXPECT_FALSE(ink(frets, x, Y + 48)) << x;
    }
    EXPECT_EQ(test::countIn(frets, {X - 10, Y, X + 80, Y + 1}, kBlack), 5);
    // Six strings 12 sixths of the pitch apart up to the stored right end.
    const Canvas strings = figure(rec({kGuitarStrings, 0, 0, 160}), 10);
    EXPECT_EQ(test::runsDown(strings, X + 10, Y - 5, Y + 120, kBlack), 6);
    EXPECT_TRUE(ink(strings, X + 10, Y + 100) && ink(strings, 159, Y + 100) &&
                !ink(strings, 160, Y));
}

TEST(GuitarMarks, SlashesCarryTwoDots) {
    const Canvas one = figure(rec({89}), 6);
    EXPECT_TRUE(ink(one, X - 8, Y - 8) && ink(one, X + 8, Y + 8));
    EXPECT_TRUE(ink(one, X, Y));
    const Canvas two = figure(rec({91}), 6);
    EXPECT_TRUE(ink(two, X - 6, Y) && ink(two, X + 6, Y));
    EXPECT_TRUE(ink(two, X - 14, Y - 8) && ink(two, X + 14, Y + 8));
}

TEST(RecorderCharts, HangingRowZeroAtPitchSix) {
    const Canvas c = figure(rec({300}), 6);
    // Thumb closed, centred near (X - 5, Y - 60).
    EXPECT_TRUE(ink(c, X - 5, Y - 60) && ink(c, X - 7, Y - 60) && ink(c, X - 3, Y - 60));
    // Holes 1..4 closed at Y - 45 .. Y, hole 5 at Y + 15.
    for (int y : {Y - 45, Y - 30, Y - 15, Y, Y + 15}) {
        EXPECT_TRUE(ink(c, X, y)) << y;
        EXPECT_TRUE(ink(c, X - 3, y) && ink(c, X + 3, y)) << y;
    }
    EXPECT_FALSE(ink(c, X + 4, Y + 15));  // hole 5 is the smaller one
    // Double holes 6 and 7 both closed at Y + 30 and Y + 45.
    for (int y : {Y + 30, Y + 45}) {
        EXPECT_TRUE(ink(c, X - 4, y)) << y;
        EXPECT_TRUE(ink(c, X + 5, y + 1)) << y;
    }
}

TEST(RecorderCharts, OpenHolesAreLinesAndStandingChartsRise) {
    // Row 16: thumb open, only hole 2 closed.
    const Canvas c = figure(rec({316}), 6);
    EXPECT_TRUE(ink(c, X - 10, Y - 60) && !ink(c, X - 10, Y - 59));
    EXPECT_TRUE(ink(c, X, Y - 30) && ink(c, X, Y - 27));       // hole 2 filled
    EXPECT_TRUE(ink(c, X - 4, Y - 45) && !ink(c, X, Y - 43));  // hole 1 a line
    // The same chart standing: thumb 55 below the anchor, hole 2 at Y + 25.
    const Canvas s = figure(rec({346}), 6);
    EXPECT_TRUE(ink(s, X - 10, Y + 55) && !ink(s, X - 10, Y + 56));
    EXPECT_TRUE(ink(s, X, Y + 25) && ink(s, X, Y + 28));
    EXPECT_TRUE(ink(s, X - 4, Y + 40) && !ink(s, X, Y + 42));
    // Half-closed thumb (row 18): an outline with a stroke through it.
    const Canvas half = figure(rec({318}), 6);
    EXPECT_FALSE(ink(half, X - 6, Y - 61));
    EXPECT_TRUE(ink(half, X - 4, Y - 61));
    EXPECT_TRUE(ink(half, X - 8, Y - 60));
}

class UserSymbols : public ::testing::Test {
  protected:
    UserSymbols() { ensureDirectory(userSymbolFolder(folder.path())); }
    void save(int number, const UserSymbolBits& bits) {
        ASSERT_TRUE(writeUserSymbolFile(userSymbolPath(folder.path(), number), bits).ok());
    }
    static UserSymbolBits solid(int w, int h, bool border = true) {
        UserSymbolBits b{w, h, std::vector<uint8_t>(static_cast<size_t>(w * h), 0)};
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                if (!border || (x > 0 && y > 0 && x < w - 1 && y < h - 1))
                    b.cells[static_cast<size_t>(y * w + x)] = 1;
        return b;
    }
    test::TempFolder folder;
    UserSymbolStore store;
};

TEST_F(UserSymbols, ThreeByThreeAtPitchSixCoversTwoByTwo) {
    save(1, solid(3, 3));
    store.rebuild(folder.path());
    const Canvas c = figure(rec({kUserSymbolFirst}), 6, &store, kBlack, kBlack);
    // a = b = 1: the box (X - 1, Y - 1)..(X + 1, Y + 1); its white border cell replaces the ink.
    EXPECT_EQ(test::countAll(c, kWhite), 3);
    EXPECT_EQ(c.getPixel(X - 1, Y - 1), kWhite);
    EXPECT_EQ(c.getPixel(X, Y), kBlack);
    EXPECT_EQ(test::boundsOf(c, kWhite), (Box{X - 1, Y - 1, X + 1, Y + 1}));
}

TEST_F(UserSymbols, TwentyOneByElevenAtPitchTen) {
    save(7, solid(21, 11, false));
    store.rebuild(folder.path());
    const Canvas c = figure(rec({kUserSymbolFirst + 6}), 10, &store);
    EXPECT_EQ(test::boundsOf(c, kBlack), (Box{X - 16, Y - 8, X + 16, Y + 8}));
    EXPECT_EQ(test::countAll(c, kBlack), 32 * 16);
    // The preview draws the red picture.
    const Canvas red = figure(rec({kUserSymbolFirst + 6}), 10, &store, kPreviewRed);
    EXPECT_EQ(test::countAll(red, kPreviewRed), 32 * 16);
}

TEST_F(UserSymbols, DeletedOrMissingFilesDrawNothing) {
    save(2, solid(5, 5));
    store.rebuild(folder.path());
    EXPECT_GT(test::countAll(figure(rec({kUserSymbolFirst + 1}), 8, &store), kBlack), 0);
    std::remove(userSymbolPath(folder.path(), 2).c_str());
    EXPECT_EQ(test::countAll(figure(rec({kUserSymbolFirst + 1}), 8, &store), kBlack), 0);
    // A number never saved, and a pass without the store, draw nothing either.
    EXPECT_EQ(test::countAll(figure(rec({kUserSymbolFirst + 40}), 8, &store), kBlack), 0);
    save(3, solid(5, 5));
    store.rebuild(folder.path());
    EXPECT_EQ(test::countAll(figure(rec({kUserSymbolFirst + 2}), 8, nullptr), kBlack), 0);
}

TEST(PaletteKinds, UnusedCodesDrawNothing) {
    for (int kind : {64, 69, 74, 79, 92, 99, 196, 300 + 60, 400}) {
        EXPECT_EQ(test::countAll(figure(rec({kind}), 8), kBlack), 0) << kind;
    }
}

}  // namespace
}  // namespace noma::render
