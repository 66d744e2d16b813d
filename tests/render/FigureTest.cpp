#include "render/SymbolFigures.h"

#include <gtest/gtest.h>

#include "RenderTestSupport.h"
#include "document/SymbolKind.h"
#include "render/PageColours.h"
#include "render/Templates.h"

namespace noma::render {
namespace {

// The record's white-out rectangles filled in white, as the page pass fills them.
void drawWhiteOut(Canvas& canvas, const FigureMetrics& m, const SymbolRecord& record, double x,
                  double y) {
    FigureRect rects[2];
    const int n = whiteOutRects(m, record.kind(), x, y, rects);
    if (n == 0) return;
    canvas.setPenColour(kWhite);
    canvas.setBrushColour(kWhite);
    for (int i = 0; i < n; ++i) {
        canvas.fillRect({toDevice(rects[i].x1), toDevice(rects[i].y1), toDevice(rects[i].x2),
                         toDevice(rects[i].y2)});
    }
}

using test::Box;
using test::rec;

constexpr int X = 100;
constexpr int Y = 150;

// One figure on a white 200 x 300 image with its anchor at (x, y), top margin 10.
Canvas figureAt(const SymbolRecord& r, int pitch, int x, int y, int displayMode = 2,
                Rgb ink = kBlack) {
    Canvas c(200, 300);
    const FigureContext context{10, pitch, nullptr, displayMode};
    drawFigure(c, ScreenMetrics(pitch), r, x, y, context, ink);
    return c;
}

Canvas figure(const SymbolRecord& r, int pitch, int displayMode = 2, Rgb ink = kBlack) {
    return figureAt(r, pitch, X, Y, displayMode, ink);
}

Canvas figure(int kind, int pitch) {
    return figure(rec({kind}), pitch);
}

bool ink(const Canvas& c, int x, int y) {
    return c.getPixel(x, y) == kBlack;
}

TEST(FigureUnits, PitchSixthsTruncate) {
    const ScreenMetrics six(6), ten(10);
    for (int k : {1, 3, 15, 42}) EXPECT_EQ(six.u(k), k);
    EXPECT_EQ(ten.u(15), 25);
    EXPECT_EQ(ten.u(3), 5);
    EXPECT_EQ(ten.u(1), 1);
    EXPECT_EQ(ten.u(42), 70);
    EXPECT_EQ(ScreenMetrics(8).u(5), 6);
    EXPECT_EQ(ten.strokes(-1, 0, StrokeBasis::Pitch).first, -1);
    EXPECT_EQ(ScreenMetrics(9).strokes(-1, 0, StrokeBasis::Pitch).last, 0);
    EXPECT_EQ(ScreenMetrics(9).strokes(-2, 1, StrokeBasis::Pixel).first, -2);
}

TEST(NoteFigures, HeadIsTheScaledStamp) {
    const Canvas six = figure(kBareNoteHead, 6);
    EXPECT_EQ(test::boundsOf(six, kBlack), (Box{X - 5, Y - 6, X + 5, Y + 6}));
    EXPECT_TRUE(ink(six, X + 1, Y - 6) && !ink(six, X, Y - 6));
    EXPECT_TRUE(ink(six, X - 5, Y) && !ink(six, X + 4, Y));
    // Pitch 10: 16 x 20 from (X - 8, Y - 10); the top row's two pixels widen to three.
    const Canvas ten = figure(kBareNoteHead, 10);
    EXPECT_EQ(test::boundsOf(ten, kBlack), (Box{X - 8, Y - 10, X + 8, Y + 10}));
    for (int x = X - 8; x < X + 8; ++x)
        EXPECT_EQ(ink(ten, x, Y - 10), x >= X + 2 && x <= X + 4) << x;
}

TEST(NoteFigures, StemsRunFromThreeToFortyTwoSixths) {
    const Canvas up = figure(kQuarterNoteUp, 6);
    EXPECT_TRUE(ink(up, X + 4, Y - 4) && ink(up, X + 4, Y - 41));
    EXPECT_FALSE(ink(up, X + 4, Y - 42));
    EXPECT_EQ(test::boundsOf(up, kBlack), (Box{X - 5, Y - 41, X + 5, Y + 6}));
    const Canvas down = figure(kQuarterNoteDown, 10);
    EXPECT_TRUE(ink(down, X - 6, Y + 69));
    EXPECT_FALSE(ink(down, X - 6, Y + 70));
    EXPECT_EQ(test::boundsOf(down, kBlack).y2, Y + 70);
}

TEST(NoteFigures, FlagCountsAndBars) {
    struct Case {
        int kind;
        int flags;
    };
    for (int pitch : {6, 10}) {
        const ScreenMetrics m(pitch);
        const int u5 = static_cast<int>(m.u(5)), u4 = static_cast<int>(m.u(4));
        const int u10 = static_cast<int>(m.u(10)), u44 = static_cast<int>(m.u(44));
        for (Case c : {Case{kQuarterNoteUp, 0}, Case{kEighthNoteUp, 1}, Case{kSixteenthNoteUp, 2},
                       Case{kThirtySecondNoteUp, 3}, Case{kSixtyFourthNoteUp, 4},
                       Case{kHundredTwentyEighthNoteUp, 5}}) {
            EXPECT_EQ(test::runsDown(figure(c.kind, pitch), X + u10, Y - u44, Y, kBlack), c.flags)
                << c.kind << " at pitch " << pitch;
        }
        for (Case c : {Case{kQuarterNoteDown, 0}, Case{kEighthNoteDown, 1},
                       Case{kSixteenthNoteDown, 2}, Case{kThirtySecondNoteDown, 3},
                       Case{kSixtyFourthNoteDown, 4}, Case{kHundredTwentyEighthNoteDown, 5}}) {
            EXPECT_EQ(test::runsDown(figure(c.kind, pitch), X + u5, Y + u4, Y + u44, kBlack),
                      c.flags)
                << c.kind << " at pitch " << pitch;
        }
    }
    // A flag starts at the stem's top: the pixel the stem leaves out.
    EXPECT_TRUE(ink(figure(kEighthNoteUp, 6), X + 4, Y - 42));
    // The 128th note's bars are solid blocks from 4 to 14 sixths right of the anchor.
    const Canvas bars = figure(kHundredTwentyEighthNoteUp, 6);
    for (int x = X + 4; x < X + 14; ++x) EXPECT_TRUE(ink(bars, x, Y - 42) && ink(bars, x, Y - 10));
    EXPECT_FALSE(ink(bars, X + 14, Y - 42));
}

TEST(NoteFigures, HatchedHeadsAreStripedNotSolid) {
    const Canvas half = figure(kHalfNote, 6);
    // Hatching rows every 3 pixels, slanting left as they go down.
    for (int x = X - 5; x < X + 9; ++x) EXPECT_TRUE(ink(half, x, Y - 6)) << x;
    EXPECT_FALSE(ink(half, X + 9, Y - 6));
    EXPECT_TRUE(ink(half, X - 7, Y) && ink(half, X + 6, Y));
    EXPECT_FALSE(ink(half, X - 8, Y) || ink(half, X + 7, Y));
    EXPECT_TRUE(ink(half, X - 9, Y + 6) && !ink(half, X + 5, Y + 6));
    // Between hatching rows only the slanted strokes, 3 pixels apart.
    EXPECT_TRUE(ink(half, X - 5, Y - 5) && !ink(half, X - 4, Y - 5) && ink(half, X - 2, Y - 5));
    const Canvas whole = figure(kWholeNote, 6);
    EXPECT_TRUE(ink(whole, X - 12, Y) && ink(whole, X + 11, Y) && !ink(whole, X + 13, Y));
    EXPECT_TRUE(ink(whole, X - 10, Y - 5) && !ink(whole, X - 9, Y - 5) && ink(whole, X - 7, Y - 5));
    // Nine slanted strokes across the wider head.
    int strokes = 0;
    for (int x = X - 14; x < X + 16; ++x)
        strokes += ink(whole, x, Y - 5) && !ink(whole, x - 1, Y - 5);
    EXPECT_EQ(strokes, 9);
}

TEST(NoteFigures, ClefsAreTwentySixWideAndScaleOnlyInHeight) {
    const Canvas treble = figure(kGClef, 10);
    // 26 x 130 stamp at (X - 14, Y - 58); its last two template rows are blank.
    EXPECT_EQ(test::boundsOf(treble, kBlack), (Box{X - 14, Y - 58, X + 12, Y - 58 + 127}));
    const Canvas trebleSix = figure(kGClef, 6);
    EXPECT_EQ(test::boundsOf(trebleSix, kBlack), (Box{X - 14, Y - 35, X + 12, Y + 41}));
    EXPECT_EQ(scaledTemplate(TemplateId::TrebleClef, 26, 130).height(), 130);
    const Canvas bass = figure(kFClef, 10);
    EXPECT_EQ(test::boundsOf(bass, kBlack).x1, X - 14);
    EXPECT_EQ(test::boundsOf(bass, kBlack).y1, Y - 38);
    // The bass clef's dots, right of the curve.
    EXPECT_TRUE(ink(bass, X + 10, Y - 38 + 8) && ink(bass, X + 10, Y - 38 + 26));
    const Canvas wedge = figure(kStaccatissimoMark, 6);
    EXPECT_EQ(test::boundsOf(wedge, kBlack), (Box{X - 3, Y - 8, X + 4, Y + 8}));
    EXPECT_TRUE(ink(wedge, X, Y + 7) && !ink(wedge, X - 1, Y + 7));
}

TEST(RestFigures, ThickZigzagStrokes) {
    const Canvas quarter = figure(kQuarterRest, 6);
    // Four pixels wide: offsets -2 .. 1 of the stroke through the anchor.
    for (int x = X - 3; x <= X + 2; ++x)
        EXPECT_EQ(ink(quarter, x, Y), x >= X - 2 && x <= X + 1) << x;
    EXPECT_EQ(test::boundsOf(quarter, kBlack), (Box{X - 10, Y - 7, X + 9, Y + 9}));
    const Canvas half = figure(kHalfRest, 6);
    EXPECT_TRUE(ink(half, X - 4, Y) && ink(half, X + 3, Y));
    EXPECT_EQ(test::boundsOf(half, kBlack).x1, X - 13 - 4);
    // Each rest has its own strokes: the 16th adds a stroke back from the anchor.
    const Canvas eighth = figure(kEighthRest, 6), sixteenth = figure(kSixteenthRest, 6);
    EXPECT_FALSE(ink(eighth, X - 5, Y - 4));
    EXPECT_TRUE(ink(sixteenth, X - 5, Y - 4));
    EXPECT_TRUE(ink(eighth, X + 4, Y - 12));
    const Canvas r32 = figure(kThirtySecondRest, 6), r64 = figure(kSixtyFourthRest, 6),
                 r128 = figure(kHundredTwentyEighthRest, 6);
    EXPECT_TRUE(ink(r32, X - 12, Y + 4) && ink(r32, X + 4, Y - 12));
    EXPECT_FALSE(ink(r64, X - 12, Y + 4) || ink(r64, X + 4, Y - 12));
    EXPECT_TRUE(ink(r64, X - 5, Y - 4));
    EXPECT_TRUE(ink(r128, X - 12, Y + 4) && !ink(r128, X - 5, Y - 4));
}

TEST(MarkFigures, DotsAndArticulations) {
    const Canvas dot = figure(rec({kDot, X, 0}), 6);
    EXPECT_EQ(test::boundsOf(dot, kBlack), (Box{X - 2, Y - 2, X + 2, Y + 3}));
    EXPECT_EQ(test::boundsOf(figure(kTenuto, 6), kBlack), (Box{X - 7, Y - 2, X + 7, Y + 1}));
    const Canvas accent = figure(kAccent, 6);
    EXPECT_TRUE(ink(accent, X + 6, Y) && ink(accent, X + 6, Y - 1));
    EXPECT_TRUE(ink(accent, X - 7, Y - 5) && ink(accent, X - 7, Y - 6) &&
                !ink(accent, X - 7, Y - 7));
    const Canvas staccato = figure(kStaccatoMark, 6);
    EXPECT_FALSE(ink(staccato, X, Y + 3));  // the tip row is a zero-length line
    EXPECT_TRUE(ink(staccato, X - 1, Y + 2) && ink(staccato, X, Y + 2) &&
                !ink(staccato, X + 1, Y + 2));
    EXPECT_TRUE(ink(staccato, X - 5, Y - 2) && !ink(staccato, X + 5, Y - 2));
    const Canvas breath = figure(kBreath, 6);
    EXPECT_TRUE(ink(breath, X, Y + 6) && ink(breath, X - 1, Y + 6) && !ink(breath, X + 1, Y + 6));
    const Canvas grace = figure(kGraceNote, 6);
    EXPECT_TRUE(ink(grace, X + 7, Y) && !ink(grace, X + 8, Y));
    EXPECT_TRUE(ink(grace, X, Y - 14) && ink(grace, X + 1, Y + 7) && !ink(grace, X, Y + 8));
}

TEST(MarkFigures, FermataArcsAboveAndBelowTheirDots) {
    for (int pitch : {6, 10}) {
        const ScreenMetrics m(pitch);
        const int u3 = static_cast<int>(m.u(3)), u6 = static_cast<int>(m.u(6)),
                  u9 = static_cast<int>(m.u(9));
        const int u12 = static_cast<int>(m.u(12));
        const Canvas above = figure(kFermata, pitch);
        EXPECT_TRUE(ink(above, X, Y - u3) && ink(above, X, Y - u3 + 1))
            << pitch;  // two nested arcs
        EXPECT_FALSE(ink(above, X, Y - u3 + 2)) << pitch;
        EXPECT_TRUE(ink(above, X, Y + u6)) << pitch;  // the dot
        EXPECT_TRUE(ink(above, X - u12, Y + u9 - 1) && ink(above, X + u12 - 1, Y + u9 - 1))
            << pitch;
        EXPECT_EQ(test::boundsOf(above, kBlack).y2, Y + u9) << pitch;  // the upper half only
        const Canvas below = figure(kFermataBelow, pitch);
        EXPECT_TRUE(ink(below, X, Y - u6)) << pitch;
        EXPECT_TRUE(ink(below, X, Y + u3 - 1) && ink(below, X, Y + u3)) << pitch;
        EXPECT_EQ(test::boundsOf(below, kBlack).y1, Y - u9) << pitch;
    }
}

TEST(MarkFigures, SlursFollowTheCircleThroughTheirPoints) {
    // Top margin 10 at pitch 6: row r is at y = (r + 20) x 6. Ends (96, 150) and (156, 150),
    // bulge point (126, 162): the circle has centre (126, 118.5) and radius 43.5.
    const SymbolRecord down = rec({kSlur, 16, 5, 26, 5, 21, 7});
    SymbolRecord up = down;
    up[0] = kSlurReversed;
    const Canvas lower = figureAt(down, 6, 96, 150), upper = figureAt(up, 6, 96, 150);
    const Box below = test::boundsOf(lower, kBlack);
    EXPECT_EQ(below.y2, 162);
    EXPECT_GE(below.y1, 148);
    EXPECT_GE(below.x1, 95);
    EXPECT_LE(below.x2, 158);
    EXPECT_TRUE(ink(lower, 126, 161));
    // Drawn from the second end to the first, the arc goes the long way round, over the top.
    EXPECT_TRUE(ink(upper, 126, 75));
    EXPECT_FALSE(ink(upper, 126, 161));
    EXPECT_EQ(test::boundsOf(upper, kBlack).y1, 75);
    // Three points on one line draw nothing.
    EXPECT_EQ(test::countAll(figureAt(rec({kSlur, 16, 5, 26, 5, 21, 5}), 6, 96, 150), kBlack), 0);
    EXPECT_EQ(test::countAll(figureAt(rec({kSlur, 16, 5, 20, 7, 24, 9}), 6, 96, 150), kBlack), 0);
}

TEST(MarkFigures, Hairpins) {
    const Canvas cresc = figure(rec({kCrescendo, 0, 0, X + 40}), 6);  // field 3: the end's x pixel
    EXPECT_TRUE(ink(cresc, X, Y));
    EXPECT_TRUE(ink(cresc, X + 39, Y - 9) && ink(cresc, X + 39, Y + 9));
    EXPECT_FALSE(ink(cresc, X + 40, Y - 9) || ink(cresc, X + 40, Y + 9));
    const Canvas decresc = figure(rec({kDecrescendo, 0, 0, X + 40}), 6);
    EXPECT_TRUE(ink(decresc, X, Y - 9) && ink(decresc, X, Y + 9));
    EXPECT_FALSE(ink(decresc, X, Y) || ink(decresc, X + 40, Y));
    EXPECT_TRUE(ink(decresc, X + 39, Y) || ink(decresc, X + 39, Y - 1));
}

TEST(MarkFigures, BarLinesAndRepeats) {
    const Canvas bar = figure(kBarLine, 6);
    EXPECT_EQ(test::boundsOf(bar, kBlack), (Box{X, Y - 24, X + 1, Y + 24}));
    const Canvas fin = figure(kFinalBarLine, 6);
    EXPECT_EQ(test::countIn(fin, {X - 9, Y, X + 1, Y + 1}, kBlack), 5);
    EXPECT_TRUE(ink(fin, X - 1, Y) && ink(fin, X - 4, Y) && ink(fin, X - 8, Y));
    EXPECT_FALSE(ink(fin, X, Y) || ink(fin, X - 5, Y) || ink(fin, X - 7, Y));
    const Canvas dbl = figure(kDoubleBarLine, 6);
    EXPECT_TRUE(ink(dbl, X, Y) && ink(dbl, X + 3, Y) && ink(dbl, X + 7, Y));
    EXPECT_FALSE(ink(dbl, X + 4, Y) || ink(dbl, X + 8, Y) || ink(dbl, X - 1, Y));
    const Canvas start = figure(kRepeatStart, 6), end = figure(kRepeatEnd, 6);
    EXPECT_TRUE(ink(start, X + 12, Y - 7) && ink(start, X + 12, Y + 7) && !ink(start, X + 12, Y));
    EXPECT_TRUE(ink(end, X - 12, Y - 7) && ink(end, X - 12, Y + 7) && ink(end, X - 8, Y));
    EXPECT_EQ(test::boundsOf(end, kBlack).x2, X);
}

TEST(MarkFigures, AccidentalsAndKeySignatures) {
    const Canvas sharp = figure(kSharp, 6);
    for (int x : {X - 6, X - 5, X + 5, X + 6}) {
        EXPECT_TRUE(ink(sharp, x, Y - 10) && ink(sharp, x, Y + 9)) << x;
        EXPECT_FALSE(ink(sharp, x, Y + 10)) << x;
    }
    EXPECT_TRUE(ink(sharp, X - 4, Y + 2) && !ink(sharp, X - 4, Y + 3) &&
                !ink(sharp, X + 4, Y - 10));
    const Canvas flat = figure(kFlat, 6);
    EXPECT_TRUE(ink(flat, X - 6, Y - 10) && !ink(flat, X + 6, Y - 10) && ink(flat, X + 5, Y));
    const Canvas natural = figure(kNatural, 6);
    EXPECT_TRUE(ink(natural, X - 6, Y - 10) && !ink(natural, X - 6, Y + 5));
    EXPECT_TRUE(ink(natural, X + 5, Y + 10) && ink(natural, X + 4, Y + 10) &&
                !ink(natural, X + 5, Y - 5));
    // Key-signature accidentals look exactly like the placed ones, white-out included.
    for (auto [key, plain] : {std::pair{kKeySharp, kSharp}, std::pair{kKeyFlat, kFlat}}) {
        for (int pitch : {6, 9}) {
            Canvas a = figure(key, pitch), b = figure(plain, pitch);
            const ScreenMetrics m(pitch);
            drawWhiteOut(a, m, rec({key}), X, Y + 40);
            drawWhiteOut(b, m, rec({plain}), X, Y + 40);
            EXPECT_EQ(test::countAll(a, kWhite), test::countAll(b, kWhite));
            for (int y = 0; y < 300; ++y)
                for (int x = 0; x < 200; ++x) ASSERT_EQ(a.getPixel(x, y), b.getPixel(x, y));
        }
    }
}

TEST(MarkFigures, EndingsTripletsBeamsAndSlashes) {
    const Canvas first = figure(kFirstEnding, 6), second = figure(kSecondEnding, 6),
                 third = figure(kThirdEnding, 6);
    EXPECT_TRUE(ink(first, X - 12, Y + 9) && ink(first, X + 14, Y - 10) &&
                !ink(first, X + 15, Y - 10));
    EXPECT_TRUE(ink(first, X - 5, Y - 3));
    EXPECT_FALSE(ink(first, X - 5, Y + 4) || ink(first, X + 2, Y - 3));
    EXPECT_TRUE(ink(second, X - 5, Y + 4) && !ink(second, X + 2, Y - 3));
    EXPECT_TRUE(ink(third, X + 2, Y - 3) && !ink(third, X - 5, Y + 4));

    // Six columns across, two rows down at pitch 6.
    const Canvas over = figure(rec({kTripletAbove, 0, 0, 6, 2}), 6);
    EXPECT_TRUE(ink(over, X, Y) && ink(over, X, Y - 5) && ink(over, X + 36, Y + 11));
    EXPECT_FALSE(ink(over, X + 36, Y + 12));
    EXPECT_TRUE(ink(over, X + 15, Y + 6 - 12) &&
                ink(over, X + 24, Y + 6 - 12));  // dots at the middle
    const Canvas under = figure(rec({kTripletBelow, 0, 0, 6, 2}), 6);
    EXPECT_TRUE(ink(under, X, Y + 5) && ink(under, X + 15, Y + 6 + 12) &&
                !ink(under, X + 15, Y + 6 - 12));
    const Canvas beam = figure(rec({kBeam, 0, 0, 6, -2}), 6);
    EXPECT_TRUE(ink(beam, X, Y - 6) && ink(beam, X, Y + 5) && ink(beam, X + 36, Y - 12 - 6));
    EXPECT_TRUE(ink(beam, X + 18, Y - 6));
    const Canvas slash = figure(rec({kObliqueLine, 0, 0, -3, 1}), 6);
    EXPECT_EQ(test::boundsOf(slash, kBlack), (Box{X - 17, Y, X + 1, Y + 7}));
}

TEST(MarkFigures, BrailleCellWhiteBoxAndDots) {
    Canvas c(200, 300, kBlack);
    const SymbolRecord cell = rec({kBraille, X, Y, 33});  // dots 1 and 6
    drawFigure(c, ScreenMetrics(8), cell, X, Y, {10, 8, nullptr, 2}, kBlack);
    // The white box (x - 10, y - 9) .. (x + 9, y + 15) cuts what is beneath.
    EXPECT_EQ(c.getPixel(X - 10, Y - 9), kWhite);
    EXPECT_EQ(c.getPixel(X + 8, Y + 14), kWhite);
    EXPECT_EQ(c.getPixel(X + 9, Y), kBlack);
    EXPECT_EQ(c.getPixel(X - 11, Y), kBlack);
    EXPECT_EQ(c.getPixel(X - 4, Y - 5), kBlack);   // dot 1
    EXPECT_EQ(c.getPixel(X + 3, Y + 11), kBlack);  // dot 6
    EXPECT_EQ(c.getPixel(X + 3, Y - 5), kWhite);   // dot 4 not raised
    EXPECT_EQ(c.getPixel(X - 4, Y + 3), kWhite);   // dot 2 not raised
    // A dot is the 4 x 4 rounded ellipse; the pitch does not scale it.
    Canvas all(200, 300);
    drawFigure(all, ScreenMetrics(10), rec({kBraille, X, Y, 63}), X, Y, {10, 10, nullptr, 2},
               kBlack);
    EXPECT_EQ(test::countAll(all, kBlack), 6 * 12);
    EXPECT_EQ(test::boundsOf(all, kBlack), (Box{X - 6, Y - 7, X + 5, Y + 13}));
    // Kana or alphabet display: the box only, the text comes from the translation.
    Canvas kana(200, 300, kBlack);
    drawFigure(kana, ScreenMetrics(8), cell, X, Y, {10, 8, nullptr, 0}, kBlack);
    EXPECT_EQ(test::countIn(kana, {X - 10, Y - 9, X + 9, Y + 15}, kWhite), 19 * 24);
}

TEST(Figures, InertKindsAndLinesDrawNothing) {
    std::vector<int> kinds = {kEmptyKind, kRemovedKind, kStraightLine, 100, 1000};
    for (int k = 50; k <= 56; ++k) kinds.push_back(k);
    for (int k = 64; k <= 69; ++k) kinds.push_back(k);
    for (int k = 74; k <= 79; ++k) kinds.push_back(k);
    for (int k = 92; k <= 99; ++k) kinds.push_back(k);
    for (int kind : kinds) {
        Canvas c = figure(rec({kind, 10, 4, 20, 20, 30, 30}), 8);
        drawWhiteOut(c, ScreenMetrics(8), rec({kind, 10, 4, 20, 20}), X, Y);
        EXPECT_EQ(test::countAll(c, kWhite), 200 * 300) << kind;
    }
}

TEST(Figures, PreviewInkIsRedWithTheSameShape) {
    for (int kind : {kEighthNoteUp, kGClef, kQuarterRest, kSharp, kFermata, kTripletAbove}) {
        const SymbolRecord r = rec({kind, 0, 0, 5, 1});
        const Canvas black = figure(r, 7), red = figure(r, 7, 2, kPreviewRed);
        EXPECT_GT(test::countAll(black, kBlack), 10) << kind;
        for (int y = 0; y < 300; ++y)
            for (int x = 0; x < 200; ++x)
                ASSERT_EQ(black.getPixel(x, y) == kBlack, red.getPixel(x, y) == kPreviewRed)
                    << kind;
    }
}

TEST(WhiteOut, RectanglesPerKind) {
    auto whiteBox = [](int kind, int pitch) {
        Canvas c(200, 300, kBlack);
        drawWhiteOut(c, ScreenMetrics(pitch), rec({kind, X + 1}), X, Y);
        return test::boundsOf(c, kWhite);
    };
    EXPECT_EQ(whiteBox(kQuarterRest, 6), (Box{X - 9, Y - 9, X + 9, Y + 9}));
    EXPECT_EQ(whiteBox(kThirtySecondRest, 10), (Box{X - 23, Y - 23, X + 15, Y + 15}));
    EXPECT_EQ(whiteBox(kHundredTwentyEighthRest, 6), (Box{X - 14, Y - 8, X + 9, Y + 9}));
    EXPECT_EQ(whiteBox(kHalfRest, 6), (Box{X - 8, Y - 1, X + 9, Y + 1}));
    EXPECT_EQ(whiteBox(kWholeNote, 10), (Box{X - 20, Y - 1, X + 20, Y + 1}));
    EXPECT_EQ(whiteBox(kQuarterNoteUp, 6), (Box{X, Y - 44, X + 10, Y - 4}));
    EXPECT_EQ(whiteBox(kSixtyFourthNoteUp, 10), (Box{X, Y - 73, X + 31, Y - 6}));
    // Stem down: below the head, Y + u(4) <= y < Y + u(44).
    EXPECT_EQ(whiteBox(kQuarterNoteDown, 6), (Box{X - 8, Y + 4, X + 5, Y + 44}));
    EXPECT_EQ(whiteBox(kQuarterNoteDown, 10), (Box{X - 13, Y + 6, X + 8, Y + 73}));
    EXPECT_EQ(whiteBox(kHundredTwentyEighthNoteDown, 6), (Box{X - 8, Y + 4, X + 7, Y + 44}));
    EXPECT_EQ(whiteBox(kDot, 6), (Box{X - 7, Y - 8, X + 7, Y + 8}));
    // Accidentals cut the lines above and below the block, not through it.
    Canvas sharp(200, 300, kBlack);
    drawWhiteOut(sharp, ScreenMetrics(6), rec({kSharp}), X, Y);
    EXPECT_EQ(test::countAll(sharp, kWhite), 2 * 12 * 3);
    EXPECT_EQ(sharp.getPixel(X, Y - 6), kWhite);
    EXPECT_EQ(sharp.getPixel(X, Y), kBlack);
    EXPECT_EQ(sharp.getPixel(X, Y + 7), kWhite);
    EXPECT_EQ(whiteBox(kBareNoteHead, 6), Box{});
    EXPECT_EQ(whiteBox(kGClef, 6), Box{});
}

}  // namespace
}  // namespace noma::render
