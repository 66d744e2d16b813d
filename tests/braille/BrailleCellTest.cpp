#include <gtest/gtest.h>

#include "braille/BrailleCell.h"

namespace noma {
namespace {

TEST(BrailleCell, DotNIsBitNMinusOne) {
    EXPECT_EQ(cellFromDots("1"), 1);
    EXPECT_EQ(cellFromDots("6"), 32);
    EXPECT_EQ(cellFromDots("256"), 50);
    EXPECT_EQ(cellFromDots("652"), 50);
    EXPECT_EQ(cellFromDots("123456"), 63);
    EXPECT_EQ(cellFromDots("0"), 0);
}

TEST(BrailleCell, WrittenAsDotNumbersAndSixPositions) {
    EXPECT_EQ(dotNumbers(50), "256");
    EXPECT_EQ(dotNumbers(kBlankCell), "0");
    EXPECT_EQ(dotNumbers(std::vector<BrailleCell>{60, 1, 0, 3}), "3456 1 0 12");
    EXPECT_EQ(dotNumbers(std::vector<BrailleCell>{}), "");
    EXPECT_EQ(sixPositionText(50), "( -2--56 )");
    EXPECT_EQ(sixPositionText(0), "( ------ )");
    EXPECT_EQ(sixPositionText(63), "( 123456 )");
    EXPECT_EQ(dotNumbers(cellsFromDots("4 16 0 256")), "4 16 0 256");
}

TEST(BrailleCell, DotsSevenPixelsApartAcrossAndEightDown) {
    const Point dot1 = displayDot1(100, 200);
    EXPECT_EQ(dot1, (Point{96, 195}));
    EXPECT_EQ(dotCentre(3, dot1), (Point{96, 211}));
    EXPECT_EQ(dotCentre(4, dot1), (Point{103, 195}));
    EXPECT_EQ(dotCentre(6, dot1), (Point{103, 211}));
    const auto dots = raisedDotCentres(cellFromDots("25"), dot1);
    ASSERT_EQ(dots.size(), 2u);
    EXPECT_EQ(dots[0], (Point{96, 203}));
    EXPECT_EQ(dots[1], (Point{103, 203}));
}

}  // namespace
}  // namespace noma
