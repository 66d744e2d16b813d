#include "platform/Canvas.h"

#include <gtest/gtest.h>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <string>

namespace noma {
namespace {

constexpr Rgb kRed = rgb(255, 0, 0);
constexpr Rgb kBlue = rgb(0, 0, 255);

// The image as rows of '#' (colour `ink`), '.' (white) and '?' (anything else).
std::string picture(const Canvas& c, Rgb ink = kBlack) {
    std::string out;
    for (int y = 0; y < c.height(); ++y) {
        for (int x = 0; x < c.width(); ++x) {
            const Rgb p = c.getPixel(x, y);
            out += p == ink ? '#' : (p == kWhite ? '.' : '?');
        }
        out += '\n';
    }
    return out;
}

int count(const Canvas& c, Rgb colour) {
    int n = 0;
    for (int i = 0; i < c.width() * c.height(); ++i) n += c.data()[i] == colour;
    return n;
}

void line(Canvas& c, int x1, int y1, int x2, int y2) {
    c.moveTo({x1, y1});
    c.lineTo({x2, y2});
}

TEST(CanvasPixels, LayoutIsRgb32RowMajor) {
    Canvas c(3, 2, kWhite);
    c.setPixel(2, 1, rgb(1, 2, 3));
    EXPECT_EQ(c.strideBytes(), 12);
    EXPECT_EQ(c.data()[5], 0xFF010203u);
    EXPECT_EQ(c.getPixel(2, 1), rgb(1, 2, 3));
    // Outside: no write, and a value no real pixel has.
    c.setPixel(3, 0, kBlack);
    c.setPixel(-1, 1, kBlack);
    EXPECT_EQ(count(c, kBlack), 0);
    EXPECT_EQ(c.getPixel(-1, 0), kNoPixel);
    EXPECT_EQ(c.getPixel(0, 2), kNoPixel);
}

TEST(CanvasLine, StopsShortOfItsEndPixelInEveryDirection) {
    Canvas c(7, 7);
    line(c, 1, 3, 5, 3);
    EXPECT_EQ(picture(c), ".......\n.......\n.......\n.####..\n.......\n.......\n.......\n");
    c.clear(kWhite);
    line(c, 5, 3, 1, 3);  // leftwards: (1, 3) excluded, (5, 3) drawn
    EXPECT_EQ(picture(c), ".......\n.......\n.......\n..####.\n.......\n.......\n.......\n");
    c.clear(kWhite);
    line(c, 2, 5, 2, 1);
    EXPECT_EQ(picture(c), ".......\n.......\n..#....\n..#....\n..#....\n..#....\n.......\n");
    c.clear(kWhite);
    line(c, 0, 0, 4, 4);
    EXPECT_EQ(picture(c), "#......\n.#.....\n..#....\n...#...\n.......\n.......\n.......\n");
    EXPECT_EQ(c.current(), (Point{4, 4}));
    c.clear(kWhite);
    line(c, 3, 3, 3, 3);
    EXPECT_EQ(count(c, kBlack), 0);
}

TEST(CanvasLine, PolylineDrawsEveryCornerOnce) {
    Canvas c(6, 6);
    c.setPenMode(Canvas::PenMode::Xor);
    c.setPenColour(kWhite);  // XOR with white turns white to black
    c.moveTo({1, 1});
    c.lineTo({4, 1});
    c.lineTo({4, 4});
    c.lineTo({1, 4});
    c.lineTo({1, 1});
    // A corner drawn twice would be toggled back to white.
    EXPECT_EQ(picture(c), "......\n.####.\n.#..#.\n.#..#.\n.####.\n......\n");
}

TEST(CanvasLine, SlantedLineHasOnePixelPerStepNearTheIdealLine) {
    Canvas c(40, 40);
    line(c, 2, 30, 33, 19);  // 31 steps right, 11 up
    EXPECT_EQ(count(c, kBlack), 31);
    EXPECT_EQ(c.getPixel(2, 30), kBlack);
    EXPECT_NE(c.getPixel(33, 19), kBlack);
    for (int x = 2; x < 33; ++x) {
        int inColumn = 0;
        for (int y = 0; y < 40; ++y) {
            if (c.getPixel(x, y) != kBlack) continue;
            ++inColumn;
            const double ideal = 30.0 - 11.0 * (x - 2) / 31.0;
            EXPECT_LE(std::abs(y - ideal), 0.5) << x;
        }
        EXPECT_EQ(inColumn, 1) << x;
    }
}

TEST(CanvasLine, ClippedLinesKeepTheirPixels) {
    // The same lines drawn on a large image and on a small window into it must agree on the
    // window, whichever sides the ends lie beyond.
    std::srand(7);
    for (int n = 0; n < 300; ++n) {
        const int x1 = std::rand() % 300 - 100, y1 = std::rand() % 300 - 100;
        const int x2 = std::rand() % 300 - 100, y2 = std::rand() % 300 - 100;
        Canvas big(300, 300);
        Canvas window(60, 40);
        line(big, x1 + 100, y1 + 100, x2 + 100, y2 + 100);
        line(window, x1, y1, x2, y2);
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 60; ++x)
                ASSERT_EQ(window.getPixel(x, y), big.getPixel(x + 100, y + 100))
                    << x1 << "," << y1 << " -> " << x2 << "," << y2 << " at " << x << "," << y;
    }
}

TEST(CanvasLine, FarCoordinatesAreDrawnQuicklyAndSafely) {
    Canvas c(50, 50);
    line(c, INT_MIN, 25, INT_MAX, 25);
    EXPECT_EQ(count(c, kBlack), 50);
    c.clear(kWhite);
    line(c, -2000000000, -2000000000, 2000000000, 2000000000);
    EXPECT_EQ(c.getPixel(10, 10), kBlack);
    EXPECT_EQ(count(c, kBlack), 50);
}

TEST(CanvasFill, CoversTheHalfOpenBoxWhateverTheCornerOrder) {
    Canvas a(8, 8), b(8, 8);
    a.setBrushColour(kBlue);
    b.setBrushColour(kBlue);
    a.fillRect({2, 3, 5, 7});
    b.fillRect({5, 7, 2, 3});
    EXPECT_EQ(count(a, kBlue), 12);
    EXPECT_EQ(picture(a, kBlue), picture(b, kBlue));
    EXPECT_EQ(a.getPixel(2, 3), kBlue);
    EXPECT_EQ(a.getPixel(5, 6), kWhite);
    EXPECT_EQ(a.getPixel(4, 7), kWhite);
    // Partly off the image: only the part on it, and nothing wraps to another row.
    Canvas c(8, 8);
    c.setBrushColour(kBlue);
    c.fillRect({-3, -3, 2, 2});
    c.fillRect({6, 6, 100, 100});
    EXPECT_EQ(count(c, kBlue), 8);
    // An empty box paints nothing.
    c.fillRect({4, 1, 4, 6});
    EXPECT_EQ(count(c, kBlue), 8);
}

TEST(CanvasRectangle, PenOutlineBrushInsideRightAndBottomExclusive) {
    Canvas c(8, 7);
    c.setPenColour(kBlack);
    c.setBrushColour(kBlue);
    c.rectangle({6, 5, 1, 1});  // swapped corners
    EXPECT_EQ(picture(c), "........\n.#####..\n.#???#..\n.#???#..\n.#####..\n........\n........\n");
    EXPECT_EQ(c.getPixel(2, 2), kBlue);
}

TEST(CanvasEllipse, IsInscribedInTheBox) {
    Canvas c(6, 6);
    c.setBrushColour(kBlack);
    c.ellipse({1, 1, 5, 5});
    EXPECT_EQ(picture(c), "......\n..##..\n.####.\n.####.\n..##..\n......\n");

    Canvas big(40, 30);
    big.setPenColour(kRed);
    big.setBrushColour(kBlue);
    big.ellipse({5, 4, 35, 24});
    int minX = 99, maxX = -1, minY = 99, maxY = -1;
    for (int y = 0; y < 30; ++y) {
        for (int x = 0; x < 40; ++x) {
            if (big.getPixel(x, y) == kWhite) continue;
            minX = std::min(minX, x), maxX = std::max(maxX, x);
            minY = std::min(minY, y), maxY = std::max(maxY, y);
        }
    }
    EXPECT_EQ(minX, 5);
    EXPECT_EQ(maxX, 34);
    EXPECT_EQ(minY, 4);
    EXPECT_EQ(maxY, 23);
    // Corners of the box are outside; the outline is the pen, the middle the brush.
    EXPECT_EQ(big.getPixel(5, 4), kWhite);
    EXPECT_EQ(big.getPixel(34, 23), kWhite);
    EXPECT_EQ(big.getPixel(5, 14), kRed);
    EXPECT_EQ(big.getPixel(20, 4), kRed);
    EXPECT_EQ(big.getPixel(20, 14), kBlue);
    // Symmetric about both axes of the box.
    for (int y = 4; y < 24; ++y)
        for (int x = 5; x < 35; ++x) ASSERT_EQ(big.getPixel(x, y), big.getPixel(39 - x, 27 - y));
}

TEST(CanvasEllipse, ThinEllipsesStayConnected) {
    Canvas c(5, 12);
    c.ellipse({1, 0, 3, 12});
    for (int y = 0; y < 12; ++y)
        EXPECT_TRUE(c.getPixel(1, y) == kBlack || c.getPixel(2, y) == kBlack) << y;
}

TEST(CanvasArc, RunsCounterClockwiseOnScreen) {
    auto arcOf = [](int xs, int ys, int xe, int ye) {
        Canvas c(60, 60);
        c.arc({10, 10, 50, 50}, {xs, ys}, {xe, ye});
        return c;
    };
    // From the right to the left going counter-clockwise passes the top.
    const Canvas upper = arcOf(50, 30, 10, 30);
    EXPECT_EQ(upper.getPixel(30, 10), kBlack);
    EXPECT_EQ(upper.getPixel(30, 49), kWhite);
    EXPECT_EQ(upper.getPixel(10, 29), kBlack);
    EXPECT_EQ(upper.getPixel(49, 29), kBlack);
    EXPECT_EQ(upper.getPixel(10, 30), kWhite);
    // The other way round is the lower half.
    const Canvas lower = arcOf(10, 30, 50, 30);
    EXPECT_EQ(lower.getPixel(30, 10), kWhite);
    EXPECT_EQ(lower.getPixel(30, 49), kBlack);
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 60; ++x)
            ASSERT_FALSE(upper.getPixel(x, y) == kBlack && lower.getPixel(x, y) == kBlack);
    // From the top to the right counter-clockwise is three quarters: all but the upper right.
    const Canvas threeQuarters = arcOf(30, 0, 59, 30);
    EXPECT_EQ(threeQuarters.getPixel(10, 30), kBlack);
    EXPECT_EQ(threeQuarters.getPixel(30, 49), kBlack);
    int upperRight = 0;
    for (int y = 10; y < 29; ++y)
        for (int x = 31; x < 50; ++x) upperRight += threeQuarters.getPixel(x, y) == kBlack;
    EXPECT_EQ(upperRight, 0);
    // Equal points: the whole outline, which is the ellipse's outline with nothing inside.
    const Canvas full = arcOf(5, 5, 5, 5);
    Canvas outline(60, 60);
    outline.setBrushColour(kWhite);
    outline.ellipse({10, 10, 50, 50});
    EXPECT_EQ(picture(full), picture(outline));
}

TEST(CanvasClipping, ShapesOffTheImageDrawOnlyTheirVisiblePart) {
    Canvas c(20, 20);
    c.setBrushColour(kBlue);
    c.ellipse({-10, -10, 10, 10});
    EXPECT_EQ(c.getPixel(0, 0), kBlue);
    EXPECT_EQ(c.getPixel(9, 0), kBlack);
    c.ellipse({1000, 1000, 3000, 3000});
    c.arc({-1000000000, -1000000000, 1000000000, 1000000000}, {0, 0}, {0, 0});
    c.rectangle({-5, 15, 25, 40});
    EXPECT_EQ(c.getPixel(0, 15), kBlack);
    EXPECT_EQ(c.getPixel(19, 16), kBlue);
    c.textOut({-30, -5}, "あいう");
    c.textOut({15, 15}, "あいうえお");
    EXPECT_EQ(c.width(), 20);
    EXPECT_EQ(c.height(), 20);
}

TEST(CanvasXor, DrawingTwiceRestoresTheImage) {
    Canvas c(30, 30);
    c.setBrushColour(kBlue);
    c.fillRect({5, 5, 20, 20});
    const std::string before = picture(c, kBlue);
    c.setPenMode(Canvas::PenMode::Xor);
    c.setPenColour(kRed);
    c.setBrushColour(kBlack);  // XOR with black leaves the inside as it is
    c.rectangle({2, 3, 25, 22});
    EXPECT_EQ(c.getPixel(2, 10), rgb(0, 255, 255));  // white ^ red
    EXPECT_EQ(c.getPixel(5, 3), rgb(0, 255, 255));
    EXPECT_EQ(c.getPixel(10, 10), kBlue);
    line(c, 0, 29, 29, 0);
    EXPECT_EQ(c.getPixel(10, 19), rgb(255, 0, 255));  // blue ^ red
    line(c, 0, 29, 29, 0);
    c.rectangle({2, 3, 25, 22});
    EXPECT_EQ(picture(c, kBlue), before);
    EXPECT_EQ(count(c, kWhite) + count(c, kBlue), 900);
}

TEST(CanvasCopy, StretchesWithNearestNeighbours) {
    Canvas src(2, 2);
    src.setPixel(0, 0, kBlack);
    src.setPixel(1, 1, kRed);
    Canvas dst(6, 6);
    dst.copyRect({1, 1, 5, 5}, src, {0, 0, 2, 2});
    EXPECT_EQ(picture(dst, kBlack), "......\n.##...\n.##...\n...??.\n...??.\n......\n");
    EXPECT_EQ(dst.getPixel(4, 4), kRed);
    // Swapped corners copy the same way; a 4 -> 2 shrink takes every second pixel.
    Canvas stripes(4, 1);
    stripes.setPixel(1, 0, kBlack);
    stripes.setPixel(3, 0, kBlack);
    Canvas half(2, 1);
    half.copyRect({2, 1, 0, 0}, stripes, {4, 1, 0, 0});
    EXPECT_EQ(picture(half), "..\n");
    half.copyRect({0, 0, 2, 1}, stripes, {1, 0, 4, 1});  // 3 -> 2: source columns 1 and 2
    EXPECT_EQ(picture(half), "#.\n");
}

TEST(CanvasCopy, KeepDarkShrinkKeepsThinBlackLines) {
    Canvas src(8, 8);
    src.setPenColour(kBlack);
    line(src, 3, 0, 3, 8);
    Canvas nearest(2, 2), keepDark(2, 2);
    nearest.copyRect({0, 0, 2, 2}, src, {0, 0, 8, 8});
    keepDark.copyRect({0, 0, 2, 2}, src, {0, 0, 8, 8}, Canvas::Stretch::KeepDark);
    EXPECT_EQ(count(nearest, kBlack), 0);
    EXPECT_EQ(picture(keepDark), "#.\n#.\n");
}

TEST(CanvasCopy, OverlappingCopyWithinOneImageAndSourceOutside) {
    Canvas c(6, 1);
    for (int x = 0; x < 6; ++x) c.setPixel(x, 0, rgb(x, x, x));
    c.copyRect({1, 0, 6, 1}, c, {0, 0, 5, 1});
    for (int x = 1; x < 6; ++x) EXPECT_EQ(c.getPixel(x, 0), rgb(x - 1, x - 1, x - 1));
    // Source pixels beyond the source image leave the destination as it was.
    Canvas small(2, 2, kBlack);
    Canvas d(4, 4);
    d.copyRect({0, 0, 4, 4}, small, {0, 0, 4, 4});
    EXPECT_EQ(picture(d), "##..\n##..\n....\n....\n");
}

TEST(CanvasText, DrawsDarkInkInsideItsOpaqueBox) {
    Canvas c(120, 40, kBlue);
    c.setFont(10, 96);
    c.setBrushColour(kWhite);
    c.setFontColour(kBlack);
    const TextExtent box = c.textExtent("かな");
    ASSERT_GT(box.width, 16);
    ASSERT_GE(box.height, 12);
    c.textOut({10, 5}, "かな");
    int ink = 0;
    for (int y = 0; y < 40; ++y) {
        for (int x = 0; x < 120; ++x) {
            const bool inside = x >= 10 && x < 10 + box.width && y >= 5 && y < 5 + box.height;
            const Rgb p = c.getPixel(x, y);
            if (!inside) {
                ASSERT_EQ(p, kBlue) << x << "," << y;
            } else {
                ASSERT_TRUE(p == kBlack || p == kWhite);
                ink += p == kBlack;
            }
        }
    }
    EXPECT_GT(ink, 20);
    EXPECT_GT(box.width * box.height - ink, ink);  // text, not a block
}

TEST(CanvasText, TransparentTextOnlySetsItsInkAndScalesWithSizeAndDpi) {
    Canvas c(200, 60, kBlue);
    c.setTextOpaque(false);
    c.setFontColour(kRed);
    c.setFont(12, 96);
    c.textOut({2, 2}, "ａ１");
    EXPECT_GT(count(c, kRed), 10);
    EXPECT_EQ(count(c, kRed) + count(c, kBlue), 200 * 60);
    const TextExtent small = c.textExtent("ａ１");
    c.setFont(24, 96);
    const TextExtent large = c.textExtent("ａ１");
    c.setFont(12, 192);
    const TextExtent dense = c.textExtent("ａ１");
    EXPECT_NEAR(large.width, 2 * small.width, 2);
    EXPECT_EQ(dense.width, large.width);
    EXPECT_EQ(c.textExtent("").width, 0);
}

}  // namespace
}  // namespace noma
