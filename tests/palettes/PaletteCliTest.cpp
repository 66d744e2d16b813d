#include <gtest/gtest.h>

#include <fstream>

#include "TempFolder.h"
#include "cli/CliRunner.h"
#include "document/UserSymbolFile.h"
#include "platform/FileIo.h"
#include "platform/PngFile.h"

namespace noma {
namespace {

class PaletteCli : public ::testing::Test {
  protected:
    PaletteCli() { ensureDirectory(userSymbolFolder(dir.path())); }
    test::CliResult run(const std::string& arguments) {
        return test::runCli(arguments + " --folder " + q(""), dir.path());
    }
    std::string q(const std::string& name) {
        return "'" + (name.empty() ? dir.path() : dir.file(name)) + "'";
    }
    void script(const std::string& name, const std::string& text) {
        std::ofstream(dir.file(name)) << text;
    }
    Canvas png(const std::string& name) {
        auto c = readPngFile(dir.file(name));
        EXPECT_TRUE(c.has_value()) << name;
        return c ? *c : Canvas();
    }
    test::TempFolder dir;
};

// Pitch 8, top 12: row r lies at y = (r + 24) x 8.
TEST_F(PaletteCli, ReplayArmsThePalettesCellsAndPlacesTheirKinds) {
    script("s.txt",
           "mode 70\nclick 100 300\n"
           "mode 216\nclick 200 300\n"
           "mode 302\nclick 300 400\n"
           "mode 90\nmove 60 600\npress left 60 600\nrelease left 60 600\n"
           "move 300 600\npress left 300 600\nrelease left 300 600\n");
    const auto replay =
        run("replay --new --type 3 " + q("s.txt") + " --png " + q("s.png") + " -o " + q("s.nmg"));
    ASSERT_EQ(replay.status, 0) << replay.err;
    const auto records = run("records " + q("s.nmg"));
    ASSERT_EQ(records.status, 0) << records.err;
    EXPECT_EQ(records.out,
              "0: 70 16 13 0 0 0 0 0 0 0\n"
              "1: 216 33 13 0 0 0 0 0 0 0\n"
              "2: 302 50 26 0 0 0 0 0 0 0\n"
              "3: 90 10 51 300 0 0 0 0 0 0\n");
    const Canvas page = png("s.png");
    // The finger number's bar on the bottom position, the strings' six lines.
    EXPECT_EQ(page.getPixel(198 + 5, 296 + 18), kBlack);
    for (int k = 0; k < 6; ++k) EXPECT_EQ(page.getPixel(200, 600 + 16 * k), kBlack) << k;
}

TEST_F(PaletteCli, ReplayRefusesModesNoCellOffers) {
    for (const char* mode : {"229", "215", "105", "64", "360", "200"}) {
        script("bad.txt", std::string("mode ") + mode + "\n");
        const auto r = run("replay --new " + q("bad.txt") + " -o " + q("bad.nmg"));
        EXPECT_EQ(r.status, 1) << mode;
        EXPECT_NE(r.err.find("cannot be armed"), std::string::npos) << mode << r.err;
    }
}

TEST_F(PaletteCli, UserSymbolsAreDrawnFromTheFolderWhileTheirFileExists) {
    // Symbol 6: 21 x 11 black cells.
    UserSymbolBits bits{21, 11, std::vector<uint8_t>(21 * 11, 1)};
    ASSERT_TRUE(writeUserSymbolFile(userSymbolPath(dir.path(), 6), bits).ok());
    script("u.txt", "mode 105\nclick 300 300\n");
    const auto replay = run("replay --new --pitch 10 --type 3 " + q("u.txt") + " -o " + q("u.nmg"));
    ASSERT_EQ(replay.status, 0) << replay.err;
    ASSERT_EQ(run("render " + q("u.nmg") + " -o " + q("u.png")).status, 0);
    Canvas page = png("u.png");
    // 32 x 16 pixels around the anchor (300, 300).
    EXPECT_EQ(page.getPixel(300 - 16, 300 - 8), kBlack);
    EXPECT_EQ(page.getPixel(300 + 15, 300 + 7), kBlack);
    EXPECT_NE(page.getPixel(300 + 16, 300), kBlack);
    EXPECT_NE(page.getPixel(300, 300 - 9), kBlack);

    std::remove(userSymbolPath(dir.path(), 6).c_str());
    ASSERT_EQ(run("render " + q("u.nmg") + " -o " + q("gone.png")).status, 0);
    page = png("gone.png");
    EXPECT_NE(page.getPixel(300, 300), kBlack);
    // The record stays in the score.
    EXPECT_EQ(run("records " + q("u.nmg")).out, "0: 105 50 6 0 0 0 0 0 0 0\n");
}

}  // namespace
}  // namespace noma
