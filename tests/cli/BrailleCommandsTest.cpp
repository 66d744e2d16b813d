#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "CliRunner.h"
#include "TempFolder.h"

namespace noma {
namespace {

class BrailleCli : public ::testing::Test {
  protected:
    test::CliResult run(const std::string& arguments) {
        return test::runCli(arguments, dir.path());
    }
    test::TempFolder dir;
};

TEST_F(BrailleCli, TextGivesTheCellsOnOneLine) {
    const auto r = run("braille --text 'ab 12.'");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "1 12 0 3456 1 12 2\n");
    EXPECT_EQ(run("braille --text '@256@'").out, "256\n");
    EXPECT_EQ(run("braille --text=ｷﾞｬ").out, "45 16\n");
}

TEST_F(BrailleCli, YenSignTypedEitherWay) {
    EXPECT_EQ(run("braille --text '¥｢'").out, "56 36\n");
    EXPECT_EQ(run("braille --text '\\｢'").out, "56 36\n");
}

TEST_F(BrailleCli, InputMethodTextIsReadInItsHalfWidthForm) {
    EXPECT_EQ(run("braille --text 'ぱ'").out, "6 136\n");
    EXPECT_EQ(run("braille --text 'ぱ' --kana-only").out, "ﾊﾟ\n");
    // Characters no cell can write are named, not silently left out; nor is another encoding
    // read as bytes.
    const auto kanji = run("braille --text '音a楽音' --kana-only");
    EXPECT_EQ(kanji.status, 1);
    EXPECT_EQ(kanji.out, "");
    EXPECT_NE(kanji.err.find("点字にできない文字があります：音楽"), std::string::npos) << kanji.err;
    const auto shiftJis = run("braille --text \"$(printf '\\211\\271')\"");
    EXPECT_EQ(shiftJis.status, 1);
    EXPECT_NE(shiftJis.err.find("not UTF-8"), std::string::npos) << shiftJis.err;
}

TEST_F(BrailleCli, StandardInputWhenNoTextIsGiven) {
    const auto r = run("braille < /dev/null");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "\n");
    std::ofstream(dir.file("in.txt")) << "1-2\n";
    EXPECT_EQ(run("braille < '" + dir.file("in.txt") + "'").out, "3456 1 35 3456 12\n");
}

TEST_F(BrailleCli, RomajiConvertsToKanaFirst) {
    EXPECT_EQ(run("braille --romaji kyo").out, "4 246\n");
    EXPECT_EQ(run("braille --romaji kyo --kana-only").out, "ｷｮ\n");
    EXPECT_EQ(run("braille --romaji hon --kana-only").out, "ﾎﾝ\n");
    EXPECT_EQ(run("braille --romaji gakkou").out, "5 16 2 246 14\n");
}

TEST_F(BrailleCli, UsageErrors) {
    EXPECT_EQ(run("braille --text a --romaji a").status, 2);
    EXPECT_EQ(run("braille --text").status, 2);
    EXPECT_EQ(run("braille --bogus").status, 2);
    EXPECT_EQ(run("braille file.txt").status, 2);
    const auto help = run("braille --help");
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("--romaji"), std::string::npos);
}

}  // namespace
}  // namespace noma
