// The white-out fill that skips rows still white, against the plain rectangle fill.
#include "render/InkBlocks.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "RenderTestSupport.h"
#include "SameCanvas.h"
#include "render/PageColours.h"

namespace noma::render {
namespace {

using test::sameCanvas;

// A white image with coloured boxes, each marked, as the page's first stages leave it.
struct InkedImage {
    Canvas canvas;
    InkBlocks ink;
};

InkedImage inkedImage(int width, int height, std::mt19937& rng) {
    InkedImage image{Canvas(width, height, kWhite), {}};
    image.ink.reset(width, height);
    std::uniform_int_distribution<int> x(-40, width + 40), y(-40, height + 40), size(0, 30);
    const Rgb colours[] = {kBlack, kSilver, kAqua, kGridBlue};
    for (int i = 0; i < 25; ++i) {
        const int x1 = x(rng), y1 = y(rng);
        // Mostly thin: lines and dots, as the page has.
        const int x2 = x1 + (i % 3 == 0 ? size(rng) : 1), y2 = y1 + (i % 3 == 1 ? size(rng) : 1);
        image.canvas.setBrushColour(colours[i % 4]);
        image.canvas.fillRect({x1, y1, x2, y2});
        image.ink.mark(x1, y1, x2 - 1, y2 - 1);
    }
    return image;
}

TEST(InkBlocks, FillWhiteGivesTheSamePixelsAsAWhiteRectangle) {
    std::mt19937 rng(20240611);
    // Widths on and off the block grid, one as wide as is tracked and one wider.
    const int sizes[][2] = {{630, 940}, {940, 630}, {100, 130}, {1024, 70}, {1025, 70}, {17, 3}};
    for (const auto& size : sizes) {
        const int w = size[0], h = size[1];
        std::uniform_int_distribution<int> x(-50, w + 50), y(-50, h + 50);
        for (int trial = 0; trial < 20; ++trial) {
            InkedImage fast = inkedImage(w, h, rng);
            Canvas plain = fast.canvas;
            fast.canvas.setBrushColour(kAqua);
            plain.setBrushColour(kWhite);
            for (int r = 0; r < 30; ++r) {
                // Any corners: swapped, empty, partly or wholly off the image, far off.
                int x1 = x(rng), y1 = y(rng), x2 = x(rng), y2 = y(rng);
                if (r == 0) x1 = -(1 << 30), y2 = 1 << 30;
                if (r == 1) x2 = x1;
                fast.ink.fillWhite(fast.canvas, x1, y1, x2, y2);
                plain.fillRect({x1, y1, x2, y2});
                ASSERT_TRUE(sameCanvas(fast.canvas, plain))
                    << w << "x" << h << " trial " << trial << " box " << x1 << "," << y1 << " "
                    << x2 << "," << y2;
            }
            EXPECT_EQ(fast.canvas.brushColour(), kAqua);
        }
    }
}

TEST(InkBlocks, FillWhiteSkipsRowsWithNothingMarked) {
    Canvas c(200, 200, kWhite);
    InkBlocks ink;
    ink.reset(200, 200);
    // A line marked across the box, and a dot left unmarked: only the marked row is filled.
    c.setBrushColour(kBlack);
    c.fillRect({0, 100, 200, 101});
    ink.mark(0, 100, 199, 100);
    c.setPixel(50, 60, kBlack);
    ink.fillWhite(c, 40, 50, 70, 150);
    EXPECT_EQ(test::countIn(c, {40, 100, 70, 101}, kBlack), 0);
    EXPECT_EQ(c.getPixel(39, 100), kBlack);
    EXPECT_EQ(c.getPixel(70, 100), kBlack);
    EXPECT_EQ(c.getPixel(50, 60), kBlack);
    // An image of another size than the one tracked is filled whole.
    Canvas other(100, 100, kBlack);
    ink.fillWhite(other, 10, 10, 20, 20);
    EXPECT_EQ(test::countIn(other, {10, 10, 20, 20}, kWhite), 100);
}

TEST(InkBlocks, MarksCoverTheirBlocksAndRowsOnly) {
    InkBlocks ink;
    ink.reset(1000, 200);
    ink.mark(40, 70, 17, 63);  // corners in any order
    // Blocks 1 and 2 (x 16..47), rows 63..70, across the 64-row word boundary.
    EXPECT_TRUE(ink.mayHoldInk(63, 16, 17));
    EXPECT_TRUE(ink.mayHoldInk(70, 47, 48));
    EXPECT_TRUE(ink.mayHoldInk(64, 0, 1000));
    EXPECT_FALSE(ink.mayHoldInk(62, 0, 1000));
    EXPECT_FALSE(ink.mayHoldInk(71, 0, 1000));
    EXPECT_FALSE(ink.mayHoldInk(65, 0, 16));
    EXPECT_FALSE(ink.mayHoldInk(65, 48, 1000));
    EXPECT_FALSE(ink.mayHoldInk(65, 30, 30));  // an empty range

    // Off the image, and far off, is ignored; what reaches onto it counts.
    ink.mark(-(int64_t{1} << 40), 150, -1, 150);
    EXPECT_FALSE(ink.mayHoldInk(150, 0, 1000));
    ink.mark(990, -(int64_t{1} << 40), int64_t{1} << 40, 5);
    EXPECT_TRUE(ink.mayHoldInk(0, 999, 1000));
    EXPECT_TRUE(ink.mayHoldInk(5, 992, 993));
    EXPECT_FALSE(ink.mayHoldInk(6, 0, 1000));
    EXPECT_FALSE(ink.mayHoldInk(-1, 0, 1000));
    EXPECT_FALSE(ink.mayHoldInk(200, 0, 1000));

    // Too wide to track: everything on the image may hold ink.
    ink.reset(1025, 10);
    EXPECT_TRUE(ink.mayHoldInk(3, 1024, 1025));
    EXPECT_FALSE(ink.mayHoldInk(10, 0, 10));
}

}  // namespace
}  // namespace noma::render
