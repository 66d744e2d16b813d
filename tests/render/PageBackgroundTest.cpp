// What the page shows under its figures, and the ink marks the white-out relies on.
#include "render/PageBackground.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "RenderTestSupport.h"
#include "document/PageGeometry.h"
#include "document/SymbolKind.h"
#include "render/PageColours.h"

namespace noma::render {
namespace {

using test::rec;

struct Background {
    Canvas canvas;
    InkBlocks ink;
};

Background drawBackground(const std::vector<SymbolRecord>& records, int pitch, int topMargin,
                          int scoreType, bool landscape, const ViewState& state) {
    const int width = pageWidth(landscape ? 1 : 0), height = pageHeight(landscape ? 1 : 0);
    std::vector<Point> anchors;
    for (const SymbolRecord& r : records) anchors.push_back(recordAnchor(r, topMargin, pitch));
    const PassPage page{records.data(), anchors.data(), static_cast<int>(records.size()),
                        topMargin,      pitch,          scoreType,
                        landscape,      width,          height};
    Background b{Canvas(width, height, kWhite), {}};
    b.ink.reset(width, height);
    drawPageBackground(b.canvas, page, state, b.ink);
    return b;
}

// Every pixel the background drew lies in a marked block; so many are drawn.
int expectAllInkMarked(const Background& b, const char* what) {
    int drawn = 0;
    for (int y = 0; y < b.canvas.height(); ++y) {
        for (int x = 0; x < b.canvas.width(); ++x) {
            if (b.canvas.getPixel(x, y) == kWhite) continue;
            ++drawn;
            EXPECT_TRUE(b.ink.mayHoldInk(y, x, x + 1)) << what << " pixel " << x << "," << y;
            if (!b.ink.mayHoldInk(y, x, x + 1)) return drawn;
        }
    }
    return drawn;
}

TEST(PageBackground, EverythingDrawnIsMarkedForTheWhiteOut) {
    std::mt19937 rng(7);
    std::uniform_int_distribution<int> column(-20, 170), row(-40, 110), offset(-400, 400);
    for (int trial = 0; trial < 40; ++trial) {
        const bool landscape = trial % 2 == 1;
        const int pitch = kMinPitch + trial % (kMaxPitch - kMinPitch + 1);
        const int topMargin = kMinTopMargin + trial % 10;
        std::vector<SymbolRecord> records;
        for (int i = 0; i < 60; ++i) {
            // Lines across, down and askew, some from far off; marks to search for.
            records.push_back(
                rec({kStraightLine, column(rng), row(rng), offset(rng), offset(rng)}));
            if (i % 10 == 0) records.back()[3] = 1 << 30;
            records.push_back(rec({i % 2 == 0 ? kSharp : kBraille, 6 * column(rng), row(rng)}));
        }
        ViewState state;
        state.rulesVisible = true;
        state.searchActive = trial % 3 == 0 ? 0 : 1;
        state.searchTarget = trial % 3 == 1 ? kSharp : kBraille;
        state.gridInterval = trial % 4;
        const int drawn = expectAllInkMarked(
            drawBackground(records, pitch, topMargin, trial % 4 == 0 ? kBlank : kTrebleSingle,
                           landscape, state),
            "page");
        EXPECT_GT(drawn, 2000) << trial;
    }
}

TEST(PageBackground, FrameRulesGridAndLinesInTheirColours) {
    ViewState state;
    state.gridInterval = 3;
    const std::vector<SymbolRecord> records = {rec({kStraightLine, 20, 11, 60, 0})};
    const Background b = drawBackground(records, 8, 12, kBlank, false, state);
    EXPECT_EQ(b.canvas.getPixel(33, 50), kSilver);    // frame corner
    EXPECT_EQ(b.canvas.getPixel(300, 72), kSilver);   // a ruled line
    EXPECT_EQ(b.canvas.getPixel(36, 96), kGridBlue);  // a grid point
    const int y = (11 + 24) * 8;                      // between two ruled lines
    EXPECT_EQ(b.canvas.getPixel(120, y), kBlack);     // the line record, up to its end
    EXPECT_EQ(b.canvas.getPixel(179, y), kBlack);
    EXPECT_EQ(b.canvas.getPixel(180, y), kWhite);
    EXPECT_EQ(b.canvas.penColour(), kBlack);
    EXPECT_EQ(b.canvas.brushColour(), kBlack);
    // Without a blank page or the rules shown there are no ruled lines.
    state.rulesVisible = false;
    EXPECT_EQ(drawBackground(records, 8, 12, kBlank, false, state).canvas.getPixel(300, 72),
              kWhite);
}

}  // namespace
}  // namespace noma::render
