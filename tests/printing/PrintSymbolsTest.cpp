// Symbols at printer scale: where their parts land and in which grey.
#include <gtest/gtest.h>

#include "../TempFolder.h"
#include "PrintTestSupport.h"
#include "document/SymbolKind.h"
#include "document/UserSymbolFile.h"
#include "platform/FileIo.h"
#include "render/UserSymbolStore.h"

#include <cstdio>

namespace noma {
namespace {

using test::anchorX;
using test::anchorY;
using test::px;
using test::rec;

Rgb grey(int v) {
    return rgb(v, v, v);
}

TEST(PrintSymbols, BrailleDotsSitAtTheirPlacesInTheDarkestGrey) {
    auto doc = test::blankScore(6);
    doc->append(0, rec({40, 100, 50, 33}));  // dots 1 and 6
    const PrintRaster raster = tactileRaster(600, 3);
    const Canvas page = test::printed(*doc, raster);
    const double unit = raster.printUnit;
    const double X = 100 * unit, Y = (50 + 2 * 12 * 6) * unit;
    // Dot 1 at (X - 4U, Y - 5U) and dot 6 at (X + 3U, Y + 11U) from the margins.
    const int x1 = 200 + px(X - 4 * unit), y1 = 204 + px(Y - 5 * unit);
    const int x6 = px(200 + px(X - 4 * unit) + 7 * unit),
              y6 = px(204 + px(Y - 5 * unit) + 16 * unit);
    EXPECT_EQ(page.getPixel(x1, y1), raster.strongestGrey);
    EXPECT_EQ(page.getPixel(x6, y6), raster.strongestGrey);
    EXPECT_NEAR(test::runAcross(page, x1, y1, raster.strongestGrey) + 2, 4 * unit, 2);
    // The outline is the base grey; the other four dots are not there.
    EXPECT_EQ(page.getPixel(x1, px(y1 - 2 * unit)), raster.baseGrey);
    for (int dot : {2, 3, 4, 5}) {
        const int cx = dot <= 3 ? x1 : x6;
        const int cy = y1 + px(8 * unit * ((dot - 1) % 3));
        EXPECT_EQ(page.getPixel(cx, cy), kWhite) << "dot " << dot;
    }
    EXPECT_EQ(test::countColour(page, raster.strongestGrey) > 0, true);
    const test::Bounds b = test::inkBounds(page);
    EXPECT_NEAR(b.width(), 11 * unit, 2);
    EXPECT_NEAR(b.height(), 20 * unit, 2);
}

TEST(PrintSymbols, BrailleCellsCutTheLinesUnderThem) {
    auto doc = test::blankScore(6);
    doc->append(0, rec({46, 6, 0, 552, 0}));
    doc->append(0, rec({40, 200, 0, 0}));  // a blank cell on the line's row
    const PrintRaster raster = tactileRaster(600, 3);
    const Canvas page = test::printed(*doc, raster);
    const int y = px(anchorY(*doc, raster, 0));
    const double unit = raster.printUnit;
    const double x = 200 + 200 * unit;
    EXPECT_EQ(page.getPixel(px(x), y), kWhite);
    EXPECT_EQ(page.getPixel(px(x - 10 * unit) - 2, y), raster.baseGrey);
    EXPECT_EQ(page.getPixel(px(x + 9 * unit) + 2, y), raster.baseGrey);
}

TEST(PrintSymbols, TripletBracketIsBlackAtEveryStrength) {
    for (int strength : {1, 6}) {
        auto doc = test::blankScore(8);
        doc->append(0, rec({47, 30, 10, 10, 0}));
        const PrintRaster raster = tactileRaster(600, strength);
        const Canvas page = test::printed(*doc, raster);
        const double s = test::sOf(raster, 8);
        const int x0 = px(anchorX(raster, 30)), y0 = px(anchorY(*doc, raster, 10));
        EXPECT_EQ(page.getPixel(x0 + 2, y0 - px(3 * s)), kBlack) << strength;        // left arm
        EXPECT_EQ(page.getPixel(x0 + 300, px(y0 - 6 * s) + 2), kBlack) << strength;  // top
        // The dots between are the base grey.
        const double xm = anchorX(raster, 30) + 3 * 10 * static_cast<double>(raster.printUnit);
        EXPECT_EQ(page.getPixel(px(xm - 3 * s), px(anchorY(*doc, raster, 10) - 12 * s)),
                  raster.baseGrey)
            << strength;
    }
}

TEST(PrintSymbols, AccidentalBodyIsBaseGreyAndItsBarsStrong) {
    auto doc = test::blankScore(8);
    doc->append(0, rec({22, 30, 10}));
    const PrintRaster raster = tactileRaster(600, 1);
    const Canvas page = test::printed(*doc, raster);
    const double s = test::sOf(raster, 8);
    const double x0 = anchorX(raster, 30), y0 = anchorY(*doc, raster, 10);
    EXPECT_EQ(page.getPixel(px(x0), px(y0)), grey(60));
    // Two bars, each two stroke units wide, down the block's edges.
    EXPECT_EQ(page.getPixel(px(x0 - 6 * s) + 1, px(y0 - 8 * s)), grey(0));
    EXPECT_EQ(page.getPixel(px(x0 + 6 * s) - 1, px(y0 + 8 * s)), grey(0));
    EXPECT_EQ(test::runAcross(page, px(x0 - 6 * s) + 1, px(y0 - 8 * s), grey(0)), 16);
    // A flat has the left bar only.
    doc->clearPage(0);
    doc->append(0, rec({23, 30, 10}));
    const Canvas flat = test::printed(*doc, raster);
    EXPECT_EQ(flat.getPixel(px(x0 - 6 * s) + 1, px(y0 - 8 * s)), grey(0));
    EXPECT_EQ(flat.getPixel(px(x0 + 6 * s) - 1, px(y0 + 8 * s)), kWhite);
}

TEST(PrintSymbols, SlursAreStrongAndThickenedDownwards) {
    auto doc = test::blankScore(8);
    doc->append(0, rec({16, 20, 10, 40, 10, 30, 14}));
    const PrintRaster raster = tactileRaster(600, 4);
    const Canvas page = test::printed(*doc, raster);
    EXPECT_EQ(test::countColour(page, raster.baseGrey), 0);
    EXPECT_GT(test::countColour(page, raster.strongGrey), 0);
    // Near the start the arc is 1.5 stroke units deep.
    const int x = px(anchorX(raster, 20)) + 2;
    const auto runs = test::runsDown(page, x, 0, page.height(), raster.strongGrey);
    ASSERT_FALSE(runs.empty());
    EXPECT_GE(runs.front(), 12);

    doc->clearPage(0);
    doc->append(0, rec({16, 20, 10, 40, 10, 30, 10}));  // three points on a line
    EXPECT_EQ(test::countNotWhite(test::printed(*doc, raster)), 0);
}

TEST(PrintSymbols, TrebleClefIsNotCutShortAtLargeScales) {
    auto doc = test::blankScore(10);
    doc->append(0, rec({41, 20, 30}));
    const PrintRaster raster = tactileRaster(600, 3);
    const test::Bounds b = test::inkBounds(test::printed(*doc, raster));
    // 78 rows of 12 printer pixels (the last two rows of the picture are blank), 26 columns
    // of 7.2: the clef's width follows the page scale only.
    EXPECT_EQ(b.height(), 76 * 12);  // 935 rows stretched from 78
    EXPECT_EQ(b.width(), 187);
    EXPECT_EQ(b.y1, px(anchorY(*doc, raster, 30) - 35 * test::sOf(raster, 10)));
}

TEST(PrintSymbols, StemsAreBandsAndFlagsCountTheValue) {
    auto doc = test::blankScore(6);
    doc->append(0, rec({36, 40, 10}));  // 32nd note, stem down
    const PrintRaster raster = tactileRaster(600, 3);
    const Canvas page = test::printed(*doc, raster);
    const double s = test::sOf(raster, 6);
    const double x0 = anchorX(raster, 40), y0 = anchorY(*doc, raster, 10);
    // The stem: 1.6 s wide, centred 3.5 s left of the anchor.
    const int stemRow = px(y0 + 20 * s);
    EXPECT_NEAR(test::runAcross(page, px(x0 - 3.5 * s), stemRow, raster.baseGrey), 1.6 * s, 1);
    // Three flags cross the column right of the stem on their way up.
    const auto flags =
        test::runsDown(page, px(x0 + 2 * s), px(y0 + 10 * s), px(y0 + 45 * s), raster.baseGrey);
    EXPECT_EQ(flags.size(), 3u);
    // The stem-up 32nd note has as many.
    doc->clearPage(0);
    doc->append(0, rec({9, 40, 10}));
    const Canvas up = test::printed(*doc, raster);
    EXPECT_EQ(test::runsDown(up, px(x0 + 10 * s), px(y0 - 45 * s), px(y0 - 10 * s), raster.baseGrey)
                  .size(),
              3u);
}

TEST(PrintSymbols, NoteHeadIsTheEnlargedMask) {
    auto doc = test::blankScore(8);
    doc->append(0, rec({1, 40, 10}));
    const PrintRaster raster = tactileRaster(600, 3);
    const test::Bounds b = test::inkBounds(test::printed(*doc, raster));
    const double s = test::sOf(raster, 8);
    // Ten by twelve cells of s pixels, placed from the truncated anchor.
    EXPECT_EQ(b.width(), px(10 * s));
    EXPECT_EQ(b.height(), px(12 * s));
    EXPECT_EQ(b.x1, px(px(anchorX(raster, 40)) - 5 * s));
    EXPECT_EQ(b.y1, px(px(anchorY(*doc, raster, 10)) - 6 * s));
}

TEST(PrintSymbols, FingerNumberDotsAreStrongAndBarsBase) {
    auto doc = test::blankScore(8);
    doc->append(0, rec({208, 30, 10}));  // right hand, v = 8: the second bar from the bottom
    const PrintRaster raster = tactileRaster(600, 3);
    const Canvas page = test::printed(*doc, raster);
    const double unit = raster.printUnit;
    const double x0 = anchorX(raster, 30), y0 = anchorY(*doc, raster, 10);
    for (int i : {-2, -1, 0, 2})
        EXPECT_EQ(page.getPixel(px(x0), px(y0 + 9 * i * unit)), raster.strongGrey) << i;
    EXPECT_EQ(page.getPixel(px(x0), px(y0 + 9 * unit)), raster.baseGrey);
    EXPECT_EQ(page.getPixel(px(x0 + 8 * unit), px(y0 + 9 * unit)), raster.baseGrey);
    EXPECT_EQ(page.getPixel(px(x0 - 5 * unit), px(y0 + 9 * unit)), kWhite);
    // The left hand's bar reaches the other way.
    doc->clearPage(0);
    doc->append(0, rec({258, 30, 10}));
    const Canvas left = test::printed(*doc, raster);
    EXPECT_EQ(left.getPixel(px(x0 - 8 * unit), px(y0 + 9 * unit)), raster.baseGrey);
    EXPECT_EQ(left.getPixel(px(x0 + 5 * unit), px(y0 + 9 * unit)), kWhite);
}

TEST(PrintSymbols, RecorderOpenHolesAreRaisedDashesOrRings) {
    auto doc = test::blankScore(6);
    doc->append(0, rec({311, 40, 20}));  // row 11: thumb closed, hole 1 closed, the rest open
    const PrintRaster tactile = tactileRaster(600, 3);
    const double s = test::sOf(tactile, 6);
    const Canvas embossed = test::printed(*doc, tactile);
    const double x0 = anchorX(tactile, 40), thumb = anchorY(*doc, tactile, 20) - 60 * s;
    EXPECT_EQ(embossed.getPixel(px(x0 - 4.5 * s), px(thumb)), tactile.baseGrey);  // thumb disc
    EXPECT_EQ(embossed.getPixel(px(x0), px(thumb + 15 * s)), tactile.baseGrey);   // hole 1 disc
    // Hole 2 is open: a strong dash across it, 1.5 stroke units deep, and no disc.
    const int hole2 = px(thumb + 30 * s);
    EXPECT_EQ(embossed.getPixel(px(x0), hole2), tactile.strongGrey);
    EXPECT_EQ(test::runsDown(embossed, px(x0), hole2 - 40, hole2 + 40, tactile.strongGrey),
              (std::vector<int>{12}));
    EXPECT_EQ(embossed.getPixel(px(x0), hole2 - 20), kWhite);

    const PrintRaster ink = inkRaster(600, 100);
    PrintOptions inkOptions;
    inkOptions.mode = PrintMode::Ink;
    const Canvas inked = test::printed(*doc, ink, inkOptions);
    const double ix = anchorX(ink, 40), is = test::sOf(ink, 6),
                 ithumb = anchorY(*doc, ink, 20) - 60 * is;
    // For the eye an open hole is a ring: its centre stays white, its edge is black.
    const int ihole2 = px(ithumb + 30 * is);
    EXPECT_EQ(inked.getPixel(px(ix), ihole2), kWhite);
    EXPECT_GE(test::countColour(inked, kBlack, px(ix - 5 * is) - 4, ihole2, px(ix - 5 * is) + 4,
                                ihole2 + 1),
              4);
    EXPECT_EQ(test::countColour(inked, kBlack, px(ix - 3 * is), ihole2 - 10, px(ix + 3 * is),
                                ihole2 + 10),
              0);
}

TEST(PrintSymbols, UserSymbolsPrintWhileTheirFileExists) {
    test::TempFolder folder;
    ensureDirectory(userSymbolFolder(folder.path()));
    UserSymbolBits bits{3, 3, {1, 1, 1, 0, 0, 0, 1, 0, 1}};
    ASSERT_TRUE(writeUserSymbolFile(userSymbolPath(folder.path(), 5), bits).ok());
    UserSymbolStore store;
    store.rebuild(folder.path());

    auto doc = test::blankScore(6);
    doc->append(0, rec({104, 40, 10}));
    const PrintRaster raster = tactileRaster(600, 3);
    PrintOptions options;
    options.userSymbols = &store;
    const double s = test::sOf(raster, 6);
    test::Bounds b = test::inkBounds(test::printed(*doc, raster, options));
    // Three cells of s, the middle one centred on the anchor (w div 2 = 1 cell left of it).
    EXPECT_EQ(b.width(), px(3 * s));
    EXPECT_EQ(b.x1, px(anchorX(raster, 40) - s));
    EXPECT_EQ(b.height(), px(3 * s));
    // Its white cells leave what is beneath: a line through the middle row shows.
    doc->append(0, rec({46, 30, 10, 120, 0}));
    const Canvas page = test::printed(*doc, raster, options);
    EXPECT_EQ(page.getPixel(px(anchorX(raster, 40)), px(anchorY(*doc, raster, 10))),
              raster.baseGrey);

    std::remove(userSymbolPath(folder.path(), 5).c_str());
    doc->clearPage(0);
    doc->append(0, rec({104, 40, 10}));
    EXPECT_EQ(test::countNotWhite(test::printed(*doc, raster, options)), 0);
}

TEST(PrintSymbols, HairpinsOpenFromTheAnchor) {
    auto doc = test::blankScore(6);
    doc->append(0, rec({15, 20, 10, 6 * 20 + 100}));
    const PrintRaster raster = tactileRaster(600, 3);
    const test::Bounds b = test::inkBounds(test::printed(*doc, raster));
    const double s = test::sOf(raster, 6);
    EXPECT_EQ(b.x1, px(anchorX(raster, 20)));
    EXPECT_NEAR(b.width(), 100 * s + 8, 2);
    EXPECT_NEAR(b.height(), 18 * s + 8, 2);
}

TEST(PrintSymbols, FermataArcNestsAPagePixelDeep) {
    auto doc = test::blankScore(6);
    doc->append(0, rec({12, 40, 10}));
    const PrintRaster raster = tactileRaster(600, 3);
    const Canvas page = test::printed(*doc, raster);
    // Straight above the anchor the arc is 2U = 15 rows deep (d = 0 .. 14).
    const auto runs = test::runsDown(page, px(anchorX(raster, 40)), 0,
                                     px(anchorY(*doc, raster, 10)), raster.baseGrey);
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_NEAR(runs[0], 15, 1);
}

}  // namespace
}  // namespace noma
