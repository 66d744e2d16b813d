#include <gtest/gtest.h>

#include "MusicTestSupport.h"
#include "music/SymbolSearch.h"

namespace noma {
namespace {

using namespace test;

TEST(SymbolSearch, BrailleCellsGetABoxAtPitch8) {
    auto doc = blankScore();
    put(*doc, 0, {kBraille, 100, 50, 7});
    put(*doc, 0, {kQuarterNoteUp, 20, 5});
    put(*doc, 0, {kBraille, 130, -4, 0});
    const SearchState state{kBraille, 1};
    // Row origin at 2 x 12 x 8 = 192; the box reaches 20 left and right, 16 up and 23 down.
    EXPECT_EQ(searchMarks(*doc, 0, state),
              (std::vector<SearchMark>{{true, 80, 226, 120, 265}, {true, 110, 172, 150, 211}}));
}

TEST(SymbolSearch, DiscsAroundTheHotPositionScaleWithThePitch) {
    auto doc = blankScore();
    put(*doc, 0, {kStaccatoMark, 20, 5});
    put(*doc, 0, {kDot, 125, 5});
    put(*doc, 0, {kStaccatoMark, 30, -3});
    doc->settings(0).topMargin = 3;
    const int radius[] = {15, 17, 20, 22, 25};
    for (int pitch = 6; pitch <= 10; ++pitch) {
        doc->header.verticalPitch = pitch;
        const int r = radius[pitch - 6];
        const int y = (5 + 6) * pitch;
        const int y2 = (-3 + 6) * pitch;
        EXPECT_EQ(searchMarks(*doc, 0, {kStaccatoMark, 1}),
                  (std::vector<SearchMark>{{false, 120 - r, y - r, 120 + r, y + r},
                                           {false, 180 - r, y2 - r, 180 + r, y2 + r}}))
            << pitch;
        // A dot's x is stored in pixels.
        EXPECT_EQ(searchMarks(*doc, 0, {kDot, 1}),
                  (std::vector<SearchMark>{{false, 125 - r, y - r, 125 + r, y + r}}))
            << pitch;
    }
}

TEST(SymbolSearch, NothingIsMarkedWhileOffForOtherKindsOrBeyondTheRecordsInUse) {
    auto doc = blankScore();
    put(*doc, 0, {kStaccatoMark, 20, 5});
    put(*doc, 0, {kStaccatoMark, 30, 5});
    EXPECT_TRUE(searchMarks(*doc, 0, {kStaccatoMark, 0}).empty());
    EXPECT_TRUE(searchMarks(*doc, 0, {kAccent, 1}).empty());
    doc->settings(0).symbolCount = 1;
    EXPECT_EQ(searchMarks(*doc, 0, {kStaccatoMark, 1}).size(), 1u);
}

TEST(SymbolSearch, TargetChangesOnlyWhenRetargeted) {
    SearchState state;
    EXPECT_EQ(searchButtonCaption(state), "検索開始");
    int toolMode = kStaccatoMark;
    retargetSearch(state, toolMode);
    toolMode = kAccent;  // arming another tool leaves the search alone
    EXPECT_EQ(state.searchTarget, kStaccatoMark);
    toggleSearch(state);
    EXPECT_EQ(state.searchActive, 1);
    EXPECT_EQ(searchButtonCaption(state), "検索解除");
    retargetSearch(state, toolMode);
    EXPECT_EQ(state.searchTarget, kAccent);
    EXPECT_EQ(state.searchActive, 1);
    toggleSearch(state);
    EXPECT_EQ(state.searchActive, 0);
    EXPECT_EQ(searchButtonCaption(state), "検索開始");
}

TEST(SymbolSearch, TargetNames) {
    EXPECT_EQ(searchTargetName(6), "４分音符");
    EXPECT_EQ(searchTargetName(40), "点字");
    EXPECT_EQ(searchTargetName(49), "装飾音符");
    EXPECT_EQ(searchTargetName(63), "フェルマータ");
    for (int empty : {-1, 0, 50, 56, 57, 58, 64, 69, 74, 79, 92, 99}) {
        EXPECT_EQ(searchTargetName(empty), "") << empty;
    }
    EXPECT_EQ(searchTargetName(70), "ペダル");
    EXPECT_EQ(searchTargetName(71), "ペダル");
    EXPECT_EQ(searchTargetName(72), "ピアノ記号");
    EXPECT_EQ(searchTargetName(73), "ピアノ記号");
    EXPECT_EQ(searchTargetName(80), "ギター譜");
    EXPECT_EQ(searchTargetName(91), "ギター譜");
    EXPECT_EQ(searchTargetName(100), "オリジナル記号");
    EXPECT_EQ(searchTargetName(199), "オリジナル記号");
    EXPECT_EQ(searchTargetName(200), "ピアノ記号");
    EXPECT_EQ(searchTargetName(330), "ピアノ記号");
}

}  // namespace
}  // namespace noma
