#include <gtest/gtest.h>

#include "RenderTestSupport.h"
#include "TempFolder.h"
#include "cli/CliRunner.h"
#include "platform/PngFile.h"

namespace noma {
namespace {

constexpr Rgb kSilver = rgb(192, 192, 192);

class RenderCli : public ::testing::Test {
  protected:
    test::CliResult run(const std::string& arguments) {
        return test::runCli(arguments, dir.path());
    }
    std::string q(const std::string& name) { return "'" + dir.file(name) + "'"; }
    Canvas png(const std::string& name) {
        auto c = readPngFile(dir.file(name));
        EXPECT_TRUE(c.has_value()) << name;
        return c ? *c : Canvas();
    }
    test::TempFolder dir;
};

TEST_F(RenderCli, NewScoreRendersItsStavesAndClefs) {
    ASSERT_EQ(run("new -o " + q("a.nmg")).status, 0);
    const auto result = run("render " + q("a.nmg") + " -o " + q("a.png"));
    ASSERT_EQ(result.status, 0) << result.err;
    const Canvas page = png("a.png");
    ASSERT_EQ(page.width(), 630);
    ASSERT_EQ(page.height(), 940);
    // Pitch 8, top 12: stave s has its lines at y = 192 + 160 s + 16 j, from x 36 to 587.
    for (int s = 0; s < 4; ++s) {
        for (int j = 0; j < 5; ++j) {
            const int y = 192 + 160 * s + 16 * j;
            EXPECT_EQ(page.getPixel(300, y), kBlack) << y;
            EXPECT_EQ(page.getPixel(587, y), kBlack) << y;
            EXPECT_EQ(page.getPixel(588, y), kWhite) << y;
            EXPECT_EQ(page.getPixel(300, y + 8), kWhite) << y;
        }
        // The treble clef at column 9 (x 54) spans x 40..65 from 46 pixels above the middle
        // line, and nothing of it lies further out.
        const int middle = 224 + 160 * s;
        EXPECT_GT(test::countIn(page, {40, middle - 46, 66, middle + 58}, kBlack), 500) << s;
        EXPECT_GT(test::countIn(page, {40, middle - 46, 66, middle - 45}, kBlack), 0) << s;
        EXPECT_EQ(test::countIn(page, {66, middle - 46, 80, middle - 32}, kBlack), 0) << s;
        EXPECT_EQ(test::countIn(page, {40, middle - 60, 66, middle - 46}, kBlack), 0) << s;
    }
    EXPECT_EQ(test::boundsOf(page, kSilver), (test::Box{33, 50, 597, 866}));
}

TEST_F(RenderCli, ViewOptions) {
    ASSERT_EQ(run("new --type 3 --orientation landscape --pitch 10 -o " + q("blank.nmg")).status,
              0);
    ASSERT_EQ(run("render " + q("blank.nmg") + " -o " + q("rules.png")).status, 0);
    ASSERT_EQ(run("render " + q("blank.nmg") + " --no-rules --grid 2 -o " + q("grid.png")).status,
              0);
    const Canvas rules = png("rules.png"), grid = png("grid.png");
    EXPECT_EQ(rules.width(), 940);
    EXPECT_EQ(rules.getPixel(300, 56), kSilver);
    EXPECT_EQ(grid.getPixel(300, 56), kWhite);
    EXPECT_EQ(grid.getPixel(60, 40), rgb(0, 0, 255));

    ASSERT_EQ(run("new -o " + q("a.nmg")).status, 0);
    ASSERT_EQ(
        run("render " + q("a.nmg") + " --hot --search 41 --display kana -o " + q("hot.png")).status,
        0);
    const Canvas hot = png("hot.png");
    EXPECT_EQ(hot.getPixel(52, 222), rgb(0, 255, 0));         // the first clef's hot position
    EXPECT_EQ(hot.getPixel(54 - 19, 224), rgb(0, 255, 255));  // its search mark
}

TEST_F(RenderCli, ErrorsAndExitCodes) {
    ASSERT_EQ(run("new -o " + q("a.nmg")).status, 0);
    EXPECT_EQ(run("render " + q("a.nmg") + " --page 2 -o " + q("x.png")).status, 2);
    EXPECT_EQ(run("render " + q("a.nmg") + " --grid 7 -o " + q("x.png")).status, 2);
    EXPECT_EQ(run("render " + q("a.nmg") + " --display dots -o " + q("x.png")).status, 2);
    EXPECT_EQ(run("render " + q("a.nmg")).status, 2);
    const auto missing = run("render " + q("none.nmg") + " -o " + q("x.png"));
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.err.find("ファイルを開けませんでした。"), std::string::npos);
    const auto unwritable = run("render " + q("a.nmg") + " -o " + q("no/such/folder.png"));
    EXPECT_EQ(unwritable.status, 1);
    EXPECT_NE(unwritable.err.find("ファイルに保存できませんでした。"), std::string::npos);
    EXPECT_FALSE(readPngFile(dir.file("x.png")).has_value());
}

}  // namespace
}  // namespace noma
