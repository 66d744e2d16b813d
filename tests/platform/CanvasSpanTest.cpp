// The fast paths of the raster: span stores, kept ellipse shapes and arcs limited to their rows.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <random>
#include <vector>

#include "platform/Canvas.h"

namespace noma {
namespace {

constexpr Rgb kRed = rgb(255, 0, 0);
constexpr Rgb kBlue = rgb(0, 0, 255);

TEST(CanvasFillPixels, SetsExactlyTheRunAtEveryLengthAndAlignment) {
    // Short runs are made of overlapping 4-pixel stores: none may reach past either end.
    std::vector<uint32_t> row(300);
    for (size_t n = 0; n <= 200; ++n) {
        for (size_t start = 1; start <= 5; ++start) {
            std::fill(row.begin(), row.end(), kWhite);
            Canvas::fillPixels(row.data() + start, n, kRed);
            for (size_t i = 0; i < row.size(); ++i) {
                const bool inside = i >= start && i < start + n;
                ASSERT_EQ(row[i], inside ? kRed : kWhite) << "n " << n << " start " << start;
            }
        }
    }
}

TEST(CanvasFillPixels, LongWhiteAndColouredRunsAreWhole) {
    // Runs past the short-run sizes: the clearing's memset and a plain coloured fill.
    Canvas c(1000, 3, kBlue);
    c.fillSpan(1, 999, 1, kWhite);
    c.fillSpan(0, 1000, 2, kRed);
    for (int x = 0; x < 1000; ++x) {
        ASSERT_EQ(c.getPixel(x, 0), kBlue);
        ASSERT_EQ(c.getPixel(x, 1), x == 0 || x == 999 ? kBlue : kWhite);
        ASSERT_EQ(c.getPixel(x, 2), kRed);
    }
}

// The ellipse rule worked out plainly for one pixel: its centre inside the ellipse at the
// centre line of its row (a row never empty, so thin ones stay joined), outline where a
// neighbour is outside. 0 outside, 1 outline, 2 inside.
int ellipsePixel(int64_t l, int64_t t, int64_t r, int64_t b, int64_t x, int64_t y) {
    auto span = [&](int64_t row, int64_t& lo, int64_t& hi) {
        if (row < t || row >= b) return false;
        const double cx = static_cast<double>(l + r) / 2, cy = static_cast<double>(t + b) / 2;
        const double dy = (static_cast<double>(row) + 0.5 - cy) * (2 / static_cast<double>(b - t));
        const double hx =
            static_cast<double>(r - l) / 2 * std::sqrt(std::max(0.0, (1 - dy) * (1 + dy)));
        lo = static_cast<int64_t>(std::ceil(cx - hx - 0.5));
        hi = static_cast<int64_t>(std::floor(cx + hx - 0.5));
        if (lo > hi) {
            lo = static_cast<int64_t>(std::floor(cx - 0.5));
            hi = static_cast<int64_t>(std::ceil(cx - 0.5));
        }
        lo = std::max(lo, l);
        hi = std::min(hi, r - 1);
        return true;
    };
    auto in = [&](int64_t px, int64_t row) {
        int64_t lo, hi;
        return span(row, lo, hi) && px >= lo && px <= hi;
    };
    if (!in(x, y)) return 0;
    return in(x - 1, y) && in(x + 1, y) && in(x, y - 1) && in(x, y + 1) ? 2 : 1;
}

TEST(CanvasEllipseShapes, KeptShapesMatchThePlainRuleWhereverTheBoxStands) {
    // Shapes are kept by size after the first; at every place, including boxes cut by the
    // image's edges, the pixels must be those of the rule worked out in place.
    std::mt19937 random(11);
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(random); };
    for (int w = 1; w <= 40; ++w) {
        for (int h = 1; h <= 40; ++h) {
            for (int place = 0; place < 3; ++place) {
                const int l = pick(-20, 70), t = pick(-20, 70);
                Canvas c(80, 80);
                c.setPenColour(kRed);
                c.setBrushColour(kBlue);
                c.ellipse({l, t, l + w, t + h});
                for (int y = 0; y < 80; ++y) {
                    for (int x = 0; x < 80; ++x) {
                        const int expected = ellipsePixel(l, t, l + w, t + h, x, y);
                        const Rgb want = expected == 0 ? kWhite : (expected == 1 ? kRed : kBlue);
                        ASSERT_EQ(c.getPixel(x, y), want) << w << "x" << h << " at " << l << ","
                                                          << t << " pixel " << x << "," << y;
                    }
                }
            }
        }
    }
}

TEST(CanvasEllipseShapes, SizesWhoseRoundingDependsOnPlaceAreDrawnInPlace) {
    // For these sizes a span end sits within rounding of a pixel centre: they are worked out
    // where they stand, never moved from a kept shape.
    EXPECT_FALSE(Canvas::ellipseMovesExactly({0, 0, 44, 85}));
    EXPECT_FALSE(Canvas::ellipseMovesExactly({10, 20, 93, 104}));
    EXPECT_FALSE(Canvas::ellipseMovesExactly({0, 0, 111, 112}));
    // Beyond the kept sizes nothing is promised; an empty box draws nothing anywhere.
    EXPECT_FALSE(Canvas::ellipseMovesExactly({0, 0, 1000, 20}));
    EXPECT_TRUE(Canvas::ellipseMovesExactly({5, 5, 5, 90}));
    // Drawn in place, inside the image or cut by its edges, they follow the rule at that place;
    // so do sizes too big to keep, from near and far.
    const struct {
        int l, t, r, b;
    } boxes[] = {{10, 10, 54, 95},   {-40, -80, 4, 5},       {-80, 30, 3, 114},
                 {-20, -30, 91, 82}, {-300, -200, 120, 110}, {-100000, -100000, 100, 100}};
    for (const auto& box : boxes) {
        Canvas c(60, 60);
        c.setPenColour(kRed);
        c.setBrushColour(kBlue);
        c.ellipse({box.l, box.t, box.r, box.b});
        for (int y = 0; y < 60; ++y) {
            for (int x = 0; x < 60; ++x) {
                const int expected = ellipsePixel(box.l, box.t, box.r, box.b, x, y);
                const Rgb want = expected == 0 ? kWhite : (expected == 1 ? kRed : kBlue);
                ASSERT_EQ(c.getPixel(x, y), want) << box.l << "," << box.t << " " << x << "," << y;
            }
        }
    }
}

TEST(CanvasArcRows, AnArcAndItsComplementMakeTheWholeOutline) {
    // The rows an arc visits are limited to where its sector meets the box; a row cut too
    // short would lose pixels that the other half then cannot supply.
    std::mt19937 random(7);
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(random); };
    for (int i = 0; i < 400; ++i) {
        const int x1 = pick(-30, 60), y1 = pick(-30, 60);
        const int x2 = x1 + pick(2, 90), y2 = y1 + pick(2, 90);
        const int xs = pick(-100, 200), ys = pick(-100, 200);
        const int xe = pick(-100, 200), ye = pick(-100, 200);
        Canvas forward(80, 80), back(80, 80), whole(80, 80);
        forward.arc({x1, y1, x2, y2}, {xs, ys}, {xe, ye});
        back.arc({x1, y1, x2, y2}, {xe, ye}, {xs, ys});
        whole.arc({x1, y1, x2, y2}, {xs, ys}, {xs, ys});
        int shared = 0;
        for (int y = 0; y < 80; ++y) {
            for (int x = 0; x < 80; ++x) {
                const bool f = forward.getPixel(x, y) == kBlack;
                const bool b = back.getPixel(x, y) == kBlack;
                const bool w = whole.getPixel(x, y) == kBlack;
                ASSERT_EQ(f || b, w) << i << " at " << x << "," << y;
                shared += f && b;
            }
        }
        // Only pixels on the two boundary rays can belong to both.
        EXPECT_LE(shared, 2 * 90) << i;
    }
}

TEST(CanvasArcRows, HalfTurnsCoverTheirHalfOnly) {
    Canvas upper(50, 50);
    upper.arc({5, 5, 45, 45}, {45, 25}, {5, 25});  // right to left over the top
    for (int y = 27; y < 50; ++y) {
        for (int x = 0; x < 50; ++x) ASSERT_EQ(upper.getPixel(x, y), kWhite) << x << "," << y;
    }
    EXPECT_EQ(upper.getPixel(25, 5), kBlack);
    // Xor mode goes through the same rows: drawing it twice restores the image.
    Canvas twice(50, 50);
    twice.setPenMode(Canvas::PenMode::Xor);
    twice.setPenColour(kRed);
    twice.arc({5, 5, 45, 45}, {45, 25}, {5, 25});
    EXPECT_NE(twice.getPixel(25, 5), kWhite);
    twice.arc({5, 5, 45, 45}, {45, 25}, {5, 25});
    for (int y = 0; y < 50; ++y)
        for (int x = 0; x < 50; ++x) ASSERT_EQ(twice.getPixel(x, y), kWhite);
}

TEST(CanvasEllipseShapes, OneColourAndTwoColoursCoverTheSamePixels) {
    // A dot in one colour is drawn as whole rows; with a different brush the outline and the
    // inside must still add up to exactly those pixels.
    for (int size = 1; size <= 30; ++size) {
        Canvas solid(40, 40), parts(40, 40);
        solid.setPenColour(kRed);
        solid.setBrushColour(kRed);
        solid.ellipse({3, 4, 3 + size, 4 + size + 3});
        parts.setPenColour(kRed);
        parts.setBrushColour(kBlue);
        parts.ellipse({3, 4, 3 + size, 4 + size + 3});
        for (int y = 0; y < 40; ++y) {
            for (int x = 0; x < 40; ++x) {
                ASSERT_EQ(solid.getPixel(x, y) == kRed, parts.getPixel(x, y) != kWhite)
                    << size << " at " << x << "," << y;
            }
        }
    }
}

}  // namespace
}  // namespace noma
