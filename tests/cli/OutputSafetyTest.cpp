// What every command does with outputs and inputs that are not plain files, with failing
// writes and with results it could only partly make.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <filesystem>
#include <string>

#include "CliRunner.h"
#include "TempFolder.h"
#include "platform/FileIo.h"

namespace noma {
namespace {

namespace fs = std::filesystem;

class OutputSafety : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_EQ(run("new -o " + q("s.nmg")).status, 0); }
    test::CliResult run(const std::string& arguments) {
        return test::runCli(arguments, dir.path());
    }
    std::string q(const std::string& name) const { return "'" + dir.file(name) + "'"; }
    // Names in the folder other than those the test made: temporary files left behind.
    int leftovers() const {
        int n = 0;
        for (const auto& entry : fs::directory_iterator(dir.path()))
            n += entry.path().filename().string().rfind(".noma-", 0) == 0;
        return n;
    }
    test::TempFolder dir;
};

TEST_F(OutputSafety, SpecialFilesAndReadOnlyFilesAreNeverReplaced) {
    ASSERT_EQ(::mkfifo(dir.file("p.png").c_str(), 0644), 0);
    fs::create_symlink(dir.file("p.png"), dir.file("link.pdf"));
    ASSERT_TRUE(writeFileAtomically(dir.file("ro.mid"), "kept").ok());
    fs::permissions(dir.file("ro.mid"), fs::perms(0444));
    fs::create_directory(dir.file("folder.nmg"));
    for (const std::string& command :
         {"render " + q("s.nmg") + " -o " + q("p.png"),
          "print " + q("s.nmg") + " --mode ink --dpi 20 -o " + q("link.pdf"),
          "midi " + q("s.nmg") + " -o " + q("ro.mid"), "new -o " + q("folder.nmg")}) {
        const auto r = run(command);
        EXPECT_EQ(r.status, 1) << command;
        EXPECT_NE(r.err.find("noma-cli: ("), std::string::npos) << command;
    }
    EXPECT_TRUE(fs::is_fifo(dir.file("p.png")));
    EXPECT_TRUE(fs::is_symlink(dir.file("link.pdf")));
    EXPECT_EQ(readWholeFile(dir.file("ro.mid")).value(), "kept");
    EXPECT_EQ(leftovers(), 0);
}

TEST_F(OutputSafety, EveryOutputKeepsTheModeAndTheLinkOfWhatItReplaces) {
    for (const std::string name : {"real.pdf", "real.wav"}) {
        ASSERT_TRUE(writeFileAtomically(dir.file(name), "old").ok());
        fs::permissions(dir.file(name), fs::perms(0600));
        fs::create_symlink(name, dir.file("link-" + name));
    }
    ASSERT_EQ(
        run("print " + q("s.nmg") + " --mode tactile --dpi 20 -o " + q("link-real.pdf")).status, 0);
    const auto wav = run("play " + q("s.nmg") + " --wav " + q("link-real.wav"));
    for (const std::string name : {"real.pdf", "real.wav"}) {
        if (name == "real.wav" && wav.err.find("サウンドフォント") != std::string::npos) continue;
        EXPECT_TRUE(fs::is_symlink(dir.file("link-" + name))) << name;
        EXPECT_EQ(fs::status(dir.file(name)).permissions(), fs::perms(0600)) << name;
        EXPECT_NE(readWholeFile(dir.file(name)).value(), "old") << name;
    }
}

TEST_F(OutputSafety, AFileSizeLimitIsAReportedFailureThatLeavesNoTemporaryFile) {
    // The limit is set in a subshell so that only noma-cli runs under it.
    const std::string command = "(ulimit -f 1; '" + std::string(NOMA_CLI_PATH) + "' render " +
                                q("s.nmg") + " -o " + q("big.png") + ") 2>" + q("err.txt");
    const int status = std::system(command.c_str());
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1) << status;
    EXPECT_NE(
        readWholeFile(dir.file("err.txt")).value_or("").find("ファイルに保存できませんでした。"),
        std::string::npos);
    EXPECT_FALSE(fileExists(dir.file("big.png")));
    EXPECT_EQ(leftovers(), 0);
}

TEST_F(OutputSafety, AnOutputIsNeverAnInputUnlessItIsTheScoreBeingEdited) {
    const std::string before = readWholeFile(dir.file("s.nmg")).value();
    fs::create_hard_link(dir.file("s.nmg"), dir.file("same.png"));
    fs::create_hard_link(dir.file("s.nmg"), dir.file("same.mid"));
    EXPECT_EQ(run("render " + q("s.nmg") + " -o " + q("same.png")).status, 1);
    EXPECT_EQ(run("midi " + q("s.nmg") + " -o " + q("same.mid")).status, 1);
    // The extension is checked as print checks it.
    EXPECT_EQ(run("render " + q("s.nmg") + " -o " + q("s.nmg")).status, 2);
    ASSERT_TRUE(writeFileAtomically(dir.file("script.txt"), "mode 6\nclick 120 160\n").ok());
    EXPECT_EQ(run("replay " + q("s.nmg") + " " + q("script.txt") + " --png " + q("same.png") +
                  " -o " + q("s.nmg"))
                  .status,
              1);
    EXPECT_EQ(readWholeFile(dir.file("s.nmg")).value(), before);

    // A replay that cannot write its picture writes no score either.
    const auto noPicture = run("replay " + q("s.nmg") + " " + q("script.txt") + " --png " +
                               q("gone/out.png") + " -o " + q("out.nmg"));
    EXPECT_EQ(noPicture.status, 1);
    EXPECT_FALSE(fileExists(dir.file("out.nmg")));
    // Editing a score in place is what -o on the input asks for.
    EXPECT_EQ(run("page-add " + q("s.nmg") + " -o " + q("s.nmg")).status, 0);
    EXPECT_NE(readWholeFile(dir.file("s.nmg")).value(), before);
}

TEST_F(OutputSafety, LostStandardOutputIsAFailure) {
    EXPECT_EQ(run("info " + q("s.nmg") + " >/dev/full").status, 1);
    EXPECT_EQ(run("records " + q("s.nmg") + " >&-").status, 1);
    EXPECT_EQ(run("braille --text a >/dev/full").status, 1);
    EXPECT_EQ(run("--version").out, "noma-cli 2.20\n");
}

TEST_F(OutputSafety, InputsMustBeRegularFilesAndFailuresSayWhy) {
    ASSERT_EQ(::mkfifo(dir.file("fifo.nmg").c_str(), 0644), 0);
    const auto fifo = run("info " + q("fifo.nmg"));
    EXPECT_EQ(fifo.status, 1);
    EXPECT_NE(fifo.err.find("通常のファイルではありません。"), std::string::npos) << fifo.err;
    EXPECT_NE(run("info /dev/zero").err.find("not a regular file"), std::string::npos);
    EXPECT_NE(run("info " + q("none.nmg")).err.find("ファイルまたはフォルダが見つかりません。"),
              std::string::npos);
    // A settings file that is a FIFO is passed over like a malformed one.
    ASSERT_EQ(::mkfifo(dir.file("NOMA_218_Shokika.ini").c_str(), 0644), 0);
    ASSERT_TRUE(writeFileAtomically(dir.file("script.txt"), "mode 6\nclick 120 160\n").ok());
    EXPECT_EQ(
        run("replay --new " + q("script.txt") + " --folder " + q("") + " -o " + q("r.nmg")).status,
        0);
    EXPECT_EQ(run("info --folder '' " + q("s.nmg")).status, 2);
    // "--" ends the options, so a file may start with a dash.
    fs::copy_file(dir.file("s.nmg"), dir.file("-x.nmg"));
    const std::string inFolder = "cd " + q("") + " && '" + NOMA_CLI_PATH + "' info ";
    EXPECT_EQ(std::system((inFolder + "-- -x.nmg >/dev/null").c_str()), 0);
    EXPECT_NE(std::system((inFolder + "-x.nmg >/dev/null 2>&1").c_str()), 0);
}

TEST_F(OutputSafety, PartialResultsAreRefusedAndNamed) {
    // A page too full for its new key signatures is not saved half done.
    std::string full = "1 8 0\r\n1 1000 12 1 10 4\r\n41 9 4 0 0 0 0 0 0 0 \r\n";
    for (int i = 1; i < 1000; ++i) full += "6 20 7 0 0 0 0 0 0 0 \r\n";
    ASSERT_TRUE(writeFileAtomically(dir.file("full.nmg"), full).ok());
    const auto crowded = run("transpose " + q("full.nmg") + " --key 1 --shift 0 -o " + q("t2.nmg"));
    EXPECT_EQ(crowded.status, 1);
    EXPECT_FALSE(fileExists(dir.file("t2.nmg")));
    ASSERT_EQ(run("page-add " + q("s.nmg") + " -o " + q("two.nmg")).status, 0);
    const auto reversed =
        run("transpose " + q("two.nmg") + " --key 1 --shift 0 --pages 2-1 -o " + q("t3.nmg"));
    EXPECT_EQ(reversed.status, 1);
    EXPECT_NE(reversed.err.find("移調できません"), std::string::npos);
    EXPECT_EQ(run("play " + q("two.nmg") + " --pages 2-1 --wav " + q("w.wav")).status, 1);
    EXPECT_FALSE(fileExists(dir.file("w.wav")));
}

TEST_F(OutputSafety, ClipboardCornersFarOffThePageAreHeldAtItsEdge) {
    ASSERT_TRUE(writeFileAtomically(dir.file("script.txt"),
                                    "command clip-copy\nclick 1073 1222\nclick -65536 -65536\n")
                    .ok());
    const auto r = run("replay " + q("s.nmg") + " " + q("script.txt") + " --folder " + q("") +
                       " -o " + q("r.nmg"));
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("message: "), std::string::npos);
    // The picture is the page from its corner, never larger.
    const std::string data = readWholeFile(dir.file("NomaDataClipboard.txt")).value_or("");
    EXPECT_EQ(data.substr(0, data.find(' ', data.find(' ', data.find(' ') + 1) + 1)), "0 0 104");
}

TEST_F(OutputSafety, ScriptLinesWithControlBytesAreShownWhole) {
    ASSERT_TRUE(writeFileAtomically(dir.file("bad.txt"), std::string("mo\0de 6\n", 8)).ok());
    const auto r = run("replay --new " + q("bad.txt") + " -o " + q("r.nmg"));
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("unknown line 'mo\\x00de'"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("(bad script"), std::string::npos);
}

TEST_F(OutputSafety, ThumbnailsArePicturesOfTheThumbnailWindow) {
    ASSERT_EQ(run("page-add " + q("s.nmg") + " -o " + q("s.nmg")).status, 0);
    ASSERT_EQ(run("thumbnails " + q("s.nmg") + " -o " + q("t.png")).status, 0);
    const std::string png = readWholeFile(dir.file("t.png")).value();
    // Width and height from the PNG header: five portrait cells of 130 by one row of 210.
    const auto be32 = [&](size_t at) {
        return (uint8_t(png[at]) << 24) | (uint8_t(png[at + 1]) << 16) |
               (uint8_t(png[at + 2]) << 8) | uint8_t(png[at + 3]);
    };
    EXPECT_EQ(be32(16), 650);
    EXPECT_EQ(be32(20), 210);
    EXPECT_NE(run("replay --help").out.find("braille-type TEXT"), std::string::npos);
}

}  // namespace
}  // namespace noma
