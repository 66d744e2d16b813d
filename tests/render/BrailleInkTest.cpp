#include <gtest/gtest.h>

#include <vector>

#include "RenderTestSupport.h"
#include "document/SymbolKind.h"
#include "render/PageRenderer.h"

namespace noma {
namespace {

using test::Box;
using test::countIn;

// A blank portrait page at pitch 8, top margin 12, with braille cells on one line.
class BrailleInkTest : public ::testing::Test {
  protected:
    BrailleInkTest() {
        doc.header = {1, 8, 0};
        doc.settings(0) = {3, 0, 12, 0, 10, 0};
        doc.interactionState = kIdle;
    }
    void cell(int x, int value) { doc.append(0, SymbolRecord{{kBraille, x, kY - 192, value}}); }
    void render(int displayMode) {
        render::ViewState state;
        state.displayMode = displayMode;
        render::renderPage(doc, 0, state, view, back, staves);
    }
    static constexpr int kY = 300;  // page y of the cells' reference points
    ScoreDocument doc;
    Canvas view;
    Canvas back;
    render::StaveTable staves;
};

TEST_F(BrailleInkTest, BrailleDisplayDrawsDotsAtTheirPlaces) {
    cell(100, 1 | 32);  // dots 1 and 6
    render(2);
    EXPECT_EQ(view.getPixel(100 - 4, kY - 5), kBlack);
    EXPECT_EQ(view.getPixel(100 + 3, kY + 11), kBlack);
    EXPECT_EQ(view.getPixel(100 + 3, kY - 5), kWhite);
}

TEST_F(BrailleInkTest, KanaWithAPrefixIsWrittenOverBothCells) {
    cell(100, 8);      // 4: contracted-sound prefix
    cell(119, 1 | 4);  // 13: な, after the prefix にゃ
    render(0);
    // The two-character text begins 24 pixels left of the second cell, over the prefix's dots.
    const int ink = countIn(view, {119 - 24, kY - 5, 119 + 14, kY + 10}, kBlack);
    EXPECT_GT(ink, 20);
    EXPECT_EQ(view.getPixel(119 - 4, kY + 11), kWhite);  // no dot 3 of the second cell
    // Both images carry the translation.
    EXPECT_EQ(countIn(back, {60, kY - 20, 160, kY + 20}, kBlack),
              countIn(view, {60, kY - 20, 160, kY + 20}, kBlack));
}

TEST_F(BrailleInkTest, VoicedPrefixStaysVisibleBesideItsKana) {
    cell(100, 16);      // 5: voiced prefix
    cell(119, 1 | 32);  // 16: が after the prefix
    cell(200, 16);      // the same pair 20 pixels apart: no prefix, か
    cell(220, 1 | 32);
    render(0);
    // The prefix is drawn as dots, 2 pixels left of the braille display's place.
    EXPECT_EQ(view.getPixel(100 - 6 + 7, kY + 3), kBlack);
    EXPECT_GT(countIn(view, {119 - 5, kY - 5, 119 + 9, kY + 10}, kBlack), 5);
    EXPECT_EQ(view.getPixel(200 - 6 + 7, kY + 3), kBlack);
    EXPECT_GT(countIn(view, {220 - 5, kY - 5, 220 + 9, kY + 10}, kBlack), 5);
    // The first pair reads が, the second か: different glyphs.
    Canvas voiced(14, 15), plain(14, 15);
    voiced.copyRect({0, 0, 14, 15}, view, {119 - 5, kY - 5, 119 + 9, kY + 10});
    plain.copyRect({0, 0, 14, 15}, view, {220 - 5, kY - 5, 220 + 9, kY + 10});
    EXPECT_NE(std::vector<uint32_t>(voiced.data(), voiced.data() + 14 * 15),
              std::vector<uint32_t>(plain.data(), plain.data() + 14 * 15));
}

TEST_F(BrailleInkTest, NumeralRunsAndTheAlphabet) {
    cell(100, 60);  // 3456
    cell(119, 1);   // １ (a)
    cell(138, 3);   // ２ (b)
    cell(157, 33);  // 16: か in kana, no letter in the alphabet
    render(1);
    EXPECT_EQ(view.getPixel(100 - 6 + 7, kY + 11), kBlack);  // the indicator as dots
    EXPECT_GT(countIn(view, {119 - 5, kY - 5, 119 + 9, kY + 10}, kBlack), 5);
    // 16 has no letter: dots 1 and 6, 2 pixels left.
    EXPECT_EQ(view.getPixel(157 - 6, kY - 5), kBlack);
    EXPECT_EQ(view.getPixel(157 - 6 + 7, kY + 11), kBlack);
    render(0);
    EXPECT_EQ(view.getPixel(157 - 6, kY - 5), kWhite);  // か is text, not dots
    EXPECT_GT(countIn(view, {157 - 5, kY - 5, 157 + 9, kY + 10}, kBlack), 5);
}

}  // namespace
}  // namespace noma
