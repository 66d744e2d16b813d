#include <gtest/gtest.h>

#include "printing/PrintRaster.h"

namespace noma {
namespace {

Rgb grey(int v) {
    return rgb(v, v, v);
}

TEST(PrintRaster, TactileUnitsAndMarginsFollowTheResolution) {
    const PrintRaster at600 = tactileRaster(600, 3);
    EXPECT_EQ(at600.strokeUnit, 8);
    EXPECT_FLOAT_EQ(at600.printUnit, 7.2f);
    EXPECT_EQ(at600.marginX, 200);
    EXPECT_EQ(at600.marginY, 204);

    const PrintRaster at360 = tactileRaster(360, 3);
    EXPECT_EQ(at360.strokeUnit, 4);
    EXPECT_FLOAT_EQ(at360.printUnit, 4.32f);
    EXPECT_EQ(at360.marginX, 120);
    EXPECT_EQ(at360.marginY, 122);
}

TEST(PrintRaster, InkUnitsFollowResolutionAndMagnification) {
    const PrintRaster full = inkRaster(600, 100);
    EXPECT_EQ(full.strokeUnit, 8);
    EXPECT_FLOAT_EQ(full.printUnit, 7.5f);
    EXPECT_EQ(full.marginX, 187);
    EXPECT_EQ(full.marginY, 0);

    const PrintRaster half = inkRaster(300, 50);
    EXPECT_EQ(half.strokeUnit, 2);
    EXPECT_FLOAT_EQ(half.printUnit, 1.875f);
    EXPECT_EQ(half.marginX, 46);
    EXPECT_EQ(half.marginY, 0);

    // Twice the magnification, twice the page on the same printer.
    EXPECT_FLOAT_EQ(inkRaster(600, 200).printUnit, 2 * full.printUnit);
    EXPECT_EQ(inkRaster(600, 200).strokeUnit, 2 * full.strokeUnit);
}

TEST(PrintRaster, StrengthSetsTheThreeGreys) {
    const PrintRaster strongest = tactileRaster(600, 1);
    EXPECT_EQ(strongest.baseGrey, grey(60));
    EXPECT_EQ(strongest.strongGrey, grey(0));
    EXPECT_EQ(strongest.strongestGrey, grey(0));

    const PrintRaster weakest = tactileRaster(600, 6);
    EXPECT_EQ(weakest.baseGrey, grey(210));
    EXPECT_EQ(weakest.strongGrey, grey(150));
    EXPECT_EQ(weakest.strongestGrey, grey(120));

    const int base[] = {60, 90, 120, 150, 180, 210};
    const int strong[] = {0, 30, 60, 90, 120, 150};
    const int dots[] = {0, 0, 30, 60, 90, 120};
    for (int s = 1; s <= 6; ++s) {
        const PrintRaster r = tactileRaster(600, s);
        EXPECT_EQ(r.baseGrey, grey(base[s - 1])) << "strength " << s;
        EXPECT_EQ(r.strongGrey, grey(strong[s - 1])) << "strength " << s;
        EXPECT_EQ(r.strongestGrey, grey(dots[s - 1])) << "strength " << s;
    }
}

TEST(PrintRaster, InkPrintsEverythingBlack) {
    const PrintRaster r = inkRaster(600, 150);
    EXPECT_EQ(r.baseGrey, kBlack);
    EXPECT_EQ(r.strongGrey, kBlack);
    EXPECT_EQ(r.strongestGrey, kBlack);
}

TEST(PrintRaster, GreyTableStepsByThirty) {
    const auto table = greyTable();
    EXPECT_EQ(table[0], grey(0));
    EXPECT_EQ(table[3], grey(90));
    EXPECT_EQ(table[7], grey(210));
}

// A printer too coarse for one pixel per stroke unit would otherwise lose every stroke.
TEST(PrintRaster, CoarsePrintersStillGetOnePixelStrokes) {
    EXPECT_EQ(tactileRaster(60, 3).strokeUnit, 1);
    EXPECT_EQ(inkRaster(72, 50).strokeUnit, 1);
    EXPECT_EQ(inkRaster(100, 100).strokeUnit, 1);

    const OffsetRange one = centredStroke(1);
    EXPECT_EQ(one.below - one.first, 1);
    const OffsetRange eight = centredStroke(8);
    EXPECT_EQ(eight.first, -4);
    EXPECT_EQ(eight.below, 4);
    const OffsetRange five = centredStroke(5);
    EXPECT_EQ(five.first, -2);
    EXPECT_EQ(five.below, 2);
}

}  // namespace
}  // namespace noma
