#include <gtest/gtest.h>

#include "CliRunner.h"
#include "TempFolder.h"
#include "platform/FileIo.h"
#include "platform/PngFile.h"

namespace noma {
namespace {

// A blank page at pitch 8, top 12 (row origin 192): a quarter note at (120, 224), a staccato
// at (180, 160), a dot at x 150 and an empty braille cell at (300, 242); page 2 has a quarter
// note at (120, 240).
constexpr const char* kScore =
    "2 8 0\r\n"
    "3 4 12 0 10 0\r\n"
    "6 20 4 0 0 0 0 0 0 0 \r\n"
    "27 30 -4 0 0 0 0 0 0 0 \r\n"
    "11 150 8 0 0 0 0 0 0 0 \r\n"
    "40 300 50 0 0 0 0 0 0 0 \r\n"
    "3 1 12 0 10 0\r\n"
    "6 20 6 0 0 0 0 0 0 0 \r\n";

constexpr Rgb kAqua = rgb(0, 255, 255);

class RenderSearch : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(writeFileAtomically(dir.file("s.nmg"), kScore).ok()); }
    // Renders with the options; the picture, or an empty canvas when the command failed.
    Canvas render(const std::string& options) {
        const std::string out = dir.file("out.png");
        const auto r = test::runCli(
            "render '" + dir.file("s.nmg") + "' " + options + " -o '" + out + "'", dir.path());
        EXPECT_EQ(r.status, 0) << r.err;
        return readPngFile(out).value_or(Canvas(1, 1));
    }
    static int aqua(const Canvas& c, int left, int top, int right, int bottom) {
        int n = 0;
        for (int y = top; y < bottom; ++y)
            for (int x = left; x < right; ++x) n += c.getPixel(x, y) == kAqua;
        return n;
    }
    static int aqua(const Canvas& c) { return aqua(c, 0, 0, c.width(), c.height()); }
    test::TempFolder dir;
};

TEST_F(RenderSearch, DiscsSitOnTheHotPositionOfEveryRecordOfTheKind) {
    const Canvas quarter = render("--search 6");
    // Radius u(15) = 20 at pitch 8: the disc is inscribed in (100, 204)-(140, 244).
    EXPECT_EQ(quarter.getPixel(100, 222), kAqua);
    EXPECT_EQ(quarter.getPixel(99, 222), kWhite);
    EXPECT_EQ(quarter.getPixel(139, 222), kAqua);
    EXPECT_EQ(quarter.getPixel(140, 222), kWhite);
    EXPECT_EQ(quarter.getPixel(119, 204), kAqua);
    EXPECT_EQ(quarter.getPixel(119, 203), kWhite);
    EXPECT_EQ(quarter.getPixel(116, 243), kAqua);
    EXPECT_EQ(quarter.getPixel(116, 244), kWhite);
    EXPECT_EQ(aqua(quarter), aqua(quarter, 100, 204, 140, 244));
    // The note itself is drawn over its mark.
    EXPECT_EQ(quarter.getPixel(120, 224), kBlack);

    // A dot's x is in pixels.
    const Canvas dot = render("--search 11");
    EXPECT_EQ(dot.getPixel(130, 254), kAqua);
    EXPECT_EQ(dot.getPixel(129, 254), kWhite);
    EXPECT_EQ(dot.getPixel(169, 254), kAqua);
    EXPECT_EQ(aqua(dot), aqua(dot, 130, 236, 170, 276));

    const Canvas staccato = render("--search 27");
    EXPECT_GT(aqua(staccato, 160, 140, 200, 180), 1000);
    EXPECT_EQ(aqua(staccato), aqua(staccato, 160, 140, 200, 180));
}

TEST_F(RenderSearch, BrailleCellsGetABoxUnderTheirWhiteOut) {
    const Canvas cell = render("--search 40");
    // 40 x 39 from (280, 226) to (320, 265), right and bottom exclusive.
    for (const auto& [x, y] : {std::pair{280, 226}, {319, 226}, {280, 264}, {319, 264}}) {
        EXPECT_EQ(cell.getPixel(x, y), kAqua) << x << "," << y;
    }
    for (const auto& [x, y] : {std::pair{279, 240}, {320, 240}, {300, 225}, {300, 265}}) {
        EXPECT_EQ(cell.getPixel(x, y), kWhite) << x << "," << y;
    }
    EXPECT_EQ(aqua(cell), aqua(cell, 280, 226, 320, 265));
    EXPECT_LT(aqua(cell), 40 * 39);  // the cell's own white-out clears its middle
}

TEST_F(RenderSearch, NoMarksWithoutTheOptionOrForAnAbsentKind) {
    EXPECT_EQ(aqua(render("")), 0);
    EXPECT_EQ(aqua(render("--search 12")), 0);
    EXPECT_EQ(aqua(render("--search 0")), 0);
    const Canvas second = render("--page 2 --search 6");
    EXPECT_GT(aqua(second, 100, 220, 140, 260), 800);
    EXPECT_EQ(aqua(second), aqua(second, 100, 220, 140, 260));
}

TEST_F(RenderSearch, TargetsOutsideTheToolModesAreUsageErrors) {
    for (const char* bad : {"--search 360", "--search -1", "--search x", "--search"}) {
        const auto r = test::runCli(
            "render '" + dir.file("s.nmg") + "' " + bad + " -o '" + dir.file("bad.png") + "'",
            dir.path());
        EXPECT_EQ(r.status, 2) << bad;
        EXPECT_FALSE(fileExists(dir.file("bad.png"))) << bad;
    }
}

}  // namespace
}  // namespace noma
