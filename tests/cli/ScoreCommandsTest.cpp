#include <gtest/gtest.h>

#include "CliRunner.h"
#include "TempFolder.h"
#include "platform/FileIo.h"

namespace noma {
namespace {

class Cli : public ::testing::Test {
  protected:
    test::CliResult run(const std::string& arguments) {
        return test::runCli(arguments, dir.path());
    }
    std::string file(const std::string& name) { return dir.file(name); }
    std::string q(const std::string& name) { return "'" + dir.file(name) + "'"; }
    std::string records(const std::string& name, int page = 1) {
        return run("records " + q(name) + " --page " + std::to_string(page)).out;
    }
    test::TempFolder dir;
};

TEST_F(Cli, NewWithDefaultsGivesTheTwentyFourStaffRecords) {
    ASSERT_EQ(run("new -o " + q("a.nmg")).status, 0);
    std::string expected;
    for (int stave = 0; stave < 4; ++stave) {
        for (int j = 0; j < 5; ++j) {
            expected += std::to_string(stave * 6 + j) + ": 46 6 " +
                        std::to_string(20 * stave + 2 * j) + " 552 0 0 0 0 0 0\n";
        }
        expected += std::to_string(stave * 6 + 5) + ": 41 9 " + std::to_string(20 * stave + 4) +
                    " 0 0 0 0 0 0 0\n";
    }
    EXPECT_EQ(records("a.nmg"), expected);
    const auto info = run("info " + q("a.nmg"));
    EXPECT_EQ(info.status, 0);
    EXPECT_EQ(info.out,
              "pages 1 pitch 8 orientation 0\n"
              "page 1 type 1 symbols 24 top 12 staves 4 interval 10 capacity 4\n");
    EXPECT_EQ(readWholeFile(file("a.nmg")).value().substr(0, 23), "1 8 0\r\n1 24 12 4 10 4\r\n");
}

TEST_F(Cli, NewWithEveryOption) {
    ASSERT_EQ(run("new --orientation landscape --type 2 --key 3 --pitch 6 --top 3 --interval 6 "
                  "--staves 3 -o " +
                  q("b.nmg"))
                  .status,
              0);
    const auto info = run("info " + q("b.nmg"));
    // Capacity 7 rounds to 6 for the grand staff; a picked 3 becomes 2.
    EXPECT_EQ(info.out,
              "pages 1 pitch 6 orientation 1\n"
              "page 1 type 2 symbols 17 top 3 staves 2 interval 6 capacity 6\n");
    const std::string r = records("b.nmg");
    EXPECT_NE(r.find("0: 46 9 0 810 0"), std::string::npos);
    EXPECT_NE(r.find("7: 57 15 0 0"), std::string::npos);
    EXPECT_NE(r.find("15: 57 16 14 0"), std::string::npos);
}

TEST_F(Cli, TrebleTrebleBassStaveCountCorrection) {
    ASSERT_EQ(run("new --type 4 --pitch 6 --staves 4 -o " + q("c.nmg")).status, 0);
    EXPECT_NE(run("info " + q("c.nmg")).out.find("staves 6 interval 10 capacity 6"),
              std::string::npos);
    ASSERT_EQ(run("new --type 4 --pitch 6 --staves 1 -o " + q("d.nmg")).status, 0);
    EXPECT_NE(run("info " + q("d.nmg")).out.find("staves 3 "), std::string::npos);
}

TEST_F(Cli, NoStaveFitsMeansAnEmptyPage) {
    ASSERT_EQ(run("new --orientation landscape --pitch 10 --top 30 --interval 20 -o " + q("e.nmg"))
                  .status,
              0);
    EXPECT_NE(
        run("info " + q("e.nmg")).out.find("symbols 0 top 30 staves 0 interval 20 capacity 0"),
        std::string::npos);
    EXPECT_EQ(run("new --orientation landscape --pitch 10 --top 30 --interval 20 --staves 1 -o " +
                  q("f.nmg"))
                  .status,
              2);
    EXPECT_FALSE(fileExists(file("f.nmg")));
}

TEST_F(Cli, UsageErrorsExitTwoAndWriteNothing) {
    const char* bad[] = {"new --pitch 11 -o ",       "new --pitch x -o ",
                         "new --type 0 -o ",         "new --key 15 -o ",
                         "new --top 2 -o ",          "new --interval 21 -o ",
                         "new --orientation up -o ", "new --staves 5 -o ",
                         "new --bogus 1 -o ",        "new --pitch 8 --pitch 9 -o "};
    for (const char* args : bad) {
        const auto r = run(std::string(args) + q("x.nmg"));
        EXPECT_EQ(r.status, 2) << args;
        EXPECT_FALSE(r.err.empty()) << args;
        EXPECT_FALSE(fileExists(file("x.nmg"))) << args;
    }
    EXPECT_EQ(run("new").status, 2);
    EXPECT_EQ(run("frobnicate").status, 2);
    EXPECT_EQ(run("").status, 2);
}

TEST_F(Cli, HelpForEveryCommand) {
    const auto general = run("--help");
    EXPECT_EQ(general.status, 0);
    for (const char* c : {"new", "page-add", "page-insert", "page-delete", "info", "records"}) {
        EXPECT_NE(general.out.find(c), std::string::npos) << c;
        const auto help = run(std::string(c) + " --help");
        EXPECT_EQ(help.status, 0) << c;
        EXPECT_NE(help.out.find(std::string("noma-cli ") + c), std::string::npos) << c;
    }
}

TEST_F(Cli, PageAddTakesDefaultsFromTheLastPage) {
    ASSERT_EQ(run("new --type 2 --top 10 --interval 8 -o " + q("a.nmg")).status, 0);
    ASSERT_EQ(run("page-add " + q("a.nmg") + " -o " + q("b.nmg")).status, 0);
    const auto info = run("info " + q("b.nmg")).out;
    EXPECT_NE(info.find("pages 2 pitch 8"), std::string::npos);
    EXPECT_NE(info.find("page 2 type 2 symbols 26 top 10 staves 4 interval 8 capacity 4"),
              std::string::npos);
    // Add-page order: all lines and braces first.
    const std::string r = records("b.nmg", 2);
    EXPECT_NE(r.find("5: 46 6 0 0 192"), std::string::npos);
    EXPECT_NE(r.find("22: 41 9 4 0"), std::string::npos);
    // The input file is left alone.
    EXPECT_NE(run("info " + q("a.nmg")).out.find("pages 1 "), std::string::npos);
}

TEST_F(Cli, PageAddOptionsAndBlankKeyQuirk) {
    ASSERT_EQ(run("new -o " + q("a.nmg")).status, 0);
    ASSERT_EQ(run("page-add " + q("a.nmg") + " --type 3 --key 3 -o " + q("b.nmg")).status, 0);
    const std::string r = records("b.nmg", 2);
    EXPECT_EQ(r.rfind("0: 57 13 2 0 0 0 0 0 0 0\n1: 57 15 5 0 0 0 0 0 0 0\n", 0), 0u);
    EXPECT_NE(run("info " + q("b.nmg")).out.find("page 2 type 3 symbols 8 "), std::string::npos);
}

TEST_F(Cli, PageInsertAndDeleteMovePages) {
    ASSERT_EQ(run("new --top 3 -o " + q("a.nmg")).status, 0);
    ASSERT_EQ(run("page-add " + q("a.nmg") + " --top 20 -o " + q("a.nmg")).status, 0);
    ASSERT_EQ(run("page-insert " + q("a.nmg") + " --at 2 --top 9 -o " + q("b.nmg")).status, 0);
    std::string info = run("info " + q("b.nmg")).out;
    EXPECT_NE(info.find("page 1 type 1 symbols"), std::string::npos);
    EXPECT_NE(info.find(" top 3 "), std::string::npos);
    EXPECT_LT(info.find(" top 9 "), info.find(" top 20 "));

    ASSERT_EQ(run("page-delete " + q("b.nmg") + " --page 2 -o " + q("c.nmg")).status, 0);
    info = run("info " + q("c.nmg")).out;
    EXPECT_NE(info.find("pages 2 "), std::string::npos);
    EXPECT_EQ(info.find(" top 9 "), std::string::npos);
    EXPECT_NE(info.find("page 2 type 1 symbols 18 top 20"), std::string::npos);

    EXPECT_EQ(run("page-insert " + q("a.nmg") + " --at 3 -o " + q("d.nmg")).status, 2);
    EXPECT_EQ(run("page-insert " + q("a.nmg") + " -o " + q("d.nmg")).status, 2);
    EXPECT_EQ(run("page-delete " + q("a.nmg") + " --page 0 -o " + q("d.nmg")).status, 2);
    EXPECT_EQ(run("records " + q("a.nmg") + " --page 3").status, 2);
    EXPECT_FALSE(fileExists(file("d.nmg")));
}

TEST_F(Cli, DeletingTheOnlyPageKeepsItEmpty) {
    ASSERT_EQ(run("new -o " + q("a.nmg")).status, 0);
    ASSERT_EQ(run("page-delete " + q("a.nmg") + " --page 1 -o " + q("b.nmg")).status, 0);
    EXPECT_EQ(run("info " + q("b.nmg")).out,
              "pages 1 pitch 8 orientation 0\npage 1 type 1 symbols 0 top 12 staves 4 interval 10 "
              "capacity 4\n");
}

TEST_F(Cli, HundredPagesRefuseAnother) {
    std::string text = "100 8 0\r\n";
    for (int p = 0; p < 100; ++p) text += "1 0 12 4 10 4\r\n";
    ASSERT_TRUE(writeFileAtomically(file("full.nmg"), text).ok());
    for (const char* command : {"page-add ", "page-insert --at 1 "}) {
        const auto r = run(std::string(command) + q("full.nmg") + " -o " + q("out.nmg"));
        EXPECT_EQ(r.status, 1);
        EXPECT_NE(r.err.find("１００ページを超えるデータは作成できません。"), std::string::npos);
        EXPECT_FALSE(fileExists(file("out.nmg")));
    }
}

TEST_F(Cli, BadInputFilesExitOneWithAMessageAndWriteNothing) {
    ASSERT_TRUE(writeFileAtomically(file("bad.nmg"),
                                    "1 8 0\r\n1 2 12 4 10 4\r\n46 6 0 552 0 0 0 0 0 0 \r\n")
                    .ok());
    ASSERT_TRUE(writeFileAtomically(file("junk.nmg"), "hello").ok());
    for (const std::string input : {"bad.nmg", "junk.nmg", "missing.nmg"}) {
        for (const std::string command :
             {"info ", "records ", "page-add ", "page-delete --page 1 "}) {
            const auto r = run(command + q(input) + " -o " + q("out.nmg"));
            if (command == "info " || command == "records ") {
                // these take no -o: a usage error comes first
                EXPECT_EQ(r.status, 2) << command << input;
                const auto plain = run(command + q(input));
                EXPECT_EQ(plain.status, 1) << command << input;
                EXPECT_NE(plain.err.find("noma-cli: "), std::string::npos);
                EXPECT_TRUE(plain.out.empty());
            } else {
                EXPECT_EQ(r.status, 1) << command << input;
            }
            EXPECT_FALSE(fileExists(file("out.nmg")));
        }
    }
    const auto r = run("info " + q("bad.nmg"));
    EXPECT_NE(r.err.find("ファイルが途中で終わっています。"), std::string::npos);
    EXPECT_NE(r.err.find("(not a valid score file: the file ends too early)"), std::string::npos);
}

TEST_F(Cli, UnwritableOutputExitsOne) {
    const auto r = run("new -o " + q("no/such/dir/a.nmg"));
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("ファイルに保存できませんでした。"), std::string::npos);
}

TEST_F(Cli, FolderOptionIsAccepted) {
    EXPECT_EQ(run("new --folder " + q("") + " -o " + q("a.nmg")).status, 0);
    EXPECT_EQ(run("info --folder " + q("") + " " + q("a.nmg")).status, 0);
}

}  // namespace
}  // namespace noma
