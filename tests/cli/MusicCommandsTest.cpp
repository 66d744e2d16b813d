#include <gtest/gtest.h>

#include <cstdio>

#include "CliRunner.h"
#include "TempFolder.h"
#include "platform/FileIo.h"

namespace noma {
namespace {

// Two portrait pages at pitch 8: a treble stave with a clef, F sharp in the key and three
// notes, and a bass stave below it; the second page holds one quarter note.
constexpr const char* kScore =
    "2 8 0\r\n"
    "2 7 12 2 10 4\r\n"
    "41 9 4 0 0 0 0 0 0 0 \r\n"
    "57 12 0 0 0 0 0 0 0 0 \r\n"
    "6 20 7 0 0 0 0 0 0 0 \r\n"
    "32 24 4 0 0 0 0 0 0 0 \r\n"
    "8 28 4 0 0 0 0 0 0 0 \r\n"
    "42 9 24 0 0 0 0 0 0 0 \r\n"
    "6 20 24 0 0 0 0 0 0 0 \r\n"
    "1 1 12 1 10 4\r\n"
    "6 20 10 0 0 0 0 0 0 0 \r\n";

std::string hex(const std::string& bytes) {
    std::string text;
    char buffer[4];
    for (unsigned char c : bytes) {
        std::snprintf(buffer, sizeof buffer, "%02X", c);
        text += (text.empty() ? "" : " ") + std::string(buffer);
    }
    return text;
}

class MusicCli : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(writeFileAtomically(dir.file("s.nmg"), kScore).ok()); }
    test::CliResult run(const std::string& arguments) {
        return test::runCli(arguments, dir.path());
    }
    std::string q(const std::string& name) { return "'" + dir.file(name) + "'"; }
    std::string midi(const std::string& options) {
        const auto r = run("midi " + q("s.nmg") + " " + options + " -o " + q("out.mid"));
        EXPECT_EQ(r.status, 0) << r.err;
        return hex(readWholeFile(dir.file("out.mid")).value_or(""));
    }
    test::TempFolder dir;
};

constexpr const char* kHeader =
    "4D 54 68 64 00 00 00 06 00 01 00 02 00 30 4D 54 72 6B 00 00 00 13 "
    "00 FF 03 00 00 FF 02 00 00 FF 51 03 ";

TEST_F(MusicCli, MidiWritesTheDialogsFileWithItsDefaults) {
    // F sharp, a quarter rest, a half B; the next page's stave takes the bass clef over.
    EXPECT_EQ(midi(""), std::string(kHeader) +
                            "07 A1 20 00 FF 2F 00 4D 54 72 6B 00 00 00 15 00 C0 00 "
                            "00 90 42 64 30 42 00 30 90 47 64 60 47 00 00 FF 2F 00");
}

TEST_F(MusicCli, MidiOptions) {
    EXPECT_EQ(midi("--tempo 60 --timbre 10 --staves bass --pages 1"),
              std::string(kHeader) +
                  "0F 42 40 00 FF 2F 00 4D 54 72 6B 00 00 00 0E 00 C0 49 "
                  "00 90 32 64 30 32 00 00 FF 2F 00");
    // Both staves: the treble line, then the bass line, then the next page.
    EXPECT_EQ(midi("--staves both --pages=1-2").substr(135),
              "00 00 00 23 00 C0 00 00 90 42 64 30 42 00 30 90 47 64 60 47 00 "
              "00 90 32 64 30 32 00 00 90 28 64 30 28 00 00 FF 2F 00");
    // A range that holds no page is refused rather than written as an empty file.
    const auto backwards = run("midi " + q("s.nmg") + " --pages 2-1 -o " + q("none.mid"));
    EXPECT_EQ(backwards.status, 1);
    EXPECT_NE(backwards.err.find("開始ページが終了ページより後にあるため、変換できません。"),
              std::string::npos);
    EXPECT_FALSE(fileExists(dir.file("none.mid")));
}

TEST_F(MusicCli, MidiUsageErrorsExitTwoAndWriteNothing) {
    for (const char* options :
         {"--tempo 9", "--tempo 301", "--timbre 12", "--timbre -1", "--staves alto", "--pages 0",
          "--pages 3", "--pages 1-3", "--pages x", "--pages 1-", "--wav a.wav"}) {
        const auto r = run("midi " + q("s.nmg") + " " + options + " -o " + q("out.mid"));
        EXPECT_EQ(r.status, 2) << options;
        EXPECT_FALSE(r.err.empty()) << options;
        EXPECT_FALSE(fileExists(dir.file("out.mid"))) << options;
    }
    EXPECT_EQ(run("midi " + q("s.nmg")).status, 2);
}

TEST_F(MusicCli, ExportWritesTheChosenStavesAndRefusesWhatTheContractRefuses) {
    const auto both = run("export " + q("s.nmg") + " --staves both -o " + q("s.musicxml"));
    EXPECT_EQ(both.status, 0) << both.err;
    const std::string xml = readWholeFile(dir.file("s.musicxml")).value_or("");
    EXPECT_NE(xml.find("<part id=\"P2\">"), std::string::npos);
    EXPECT_NE(xml.find("<fifths>1</fifths>"), std::string::npos);  // the F sharp in the key
    for (const char* options :
         {"-o x.mid", "--tempo 100 -o x.musicxml", "--staves alto -o x.musicxml"}) {
        EXPECT_EQ(run("export " + q("s.nmg") + " " + options).status, 2) << options;
    }
    EXPECT_EQ(run("export " + q("s.nmg") + " --pages 2-1 -o " + q("none.musicxml")).status, 1);
    EXPECT_FALSE(fileExists(dir.file("none.musicxml")));
}

TEST_F(MusicCli, BadInputAndUnwritableOutputExitOne) {
    ASSERT_TRUE(writeFileAtomically(dir.file("bad.nmg"), "1 8 0\r\n1 2 12 1 10 4\r\n").ok());
    const auto bad = run("midi " + q("bad.nmg") + " -o " + q("out.mid"));
    EXPECT_EQ(bad.status, 1);
    EXPECT_FALSE(fileExists(dir.file("out.mid")));
    const auto unwritable = run("midi " + q("s.nmg") + " -o " + q("no/out.mid"));
    EXPECT_EQ(unwritable.status, 1);
    EXPECT_NE(unwritable.err.find("ＭＩＤＩファイルを書き込めませんでした。"), std::string::npos);
}

TEST_F(MusicCli, PlayToWavWritesTheAudioWithoutThePlaybackFile) {
    const auto r =
        run("play " + q("s.nmg") + " --tempo 240 --folder " + q("") + " --wav " + q("out.wav"));
    if (r.status == 1 && r.err.find("サウンドフォント") != std::string::npos) {
        GTEST_SKIP() << "no soundfont installed";
    }
    ASSERT_EQ(r.status, 0) << r.err;
    // The shared playback file is another run's or the editor's: rendering leaves it alone.
    EXPECT_FALSE(fileExists(dir.file("NOMAtoMIDI.mid")));
    const std::string wav = readWholeFile(dir.file("out.wav")).value_or("");
    ASSERT_GT(wav.size(), 44u);
    EXPECT_EQ(wav.substr(0, 4), "RIFF");
    // 192 ticks at 240 per minute: one second of music and half a second of release.
    EXPECT_NEAR(double(wav.size() - 44) / (4 * 44100), 1.5, 0.1);
}

TEST_F(MusicCli, PlayReportsTroubleInsteadOfHanging) {
    const auto r = run("play " + q("s.nmg") + " --pages 2 --folder " + q(""));
    if (r.status != 0) {
        EXPECT_EQ(r.status, 1);
        EXPECT_TRUE(r.err.find("音声を出力する装置を開けません。") != std::string::npos ||
                    r.err.find("サウンドフォント") != std::string::npos)
            << r.err;
    }
    EXPECT_TRUE(fileExists(dir.file("NOMAtoMIDI.mid")));
    EXPECT_EQ(run("play " + q("s.nmg") + " --wav ''").status, 2);
}

TEST_F(MusicCli, TransposeMovesNotesAndReplacesTheKey) {
    const auto r =
        run("transpose " + q("s.nmg") + " --key 2 --shift -2 --pages 1 -o " + q("t.nmg"));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(run("records " + q("t.nmg")).out,
              "0: 41 9 4 0 0 0 0 0 0 0\n"
              "1: 6 20 9 0 0 0 0 0 0 0\n"
              "2: 32 24 4 0 0 0 0 0 0 0\n"
              "3: 8 28 6 0 0 0 0 0 0 0\n"
              "4: 42 9 24 0 0 0 0 0 0 0\n"
              "5: 6 20 26 0 0 0 0 0 0 0\n"
              "6: 58 13 4 0 0 0 0 0 0 0\n"
              "7: 58 13 26 0 0 0 0 0 0 0\n");
    EXPECT_EQ(run("records " + q("t.nmg") + " --page 2").out, "0: 6 20 10 0 0 0 0 0 0 0\n");
    EXPECT_EQ(readWholeFile(dir.file("s.nmg")).value(), kScore);
}

TEST_F(MusicCli, TransposeNeedsKeyAndShiftWithinRange) {
    for (const char* options : {"--shift 1", "--key 1", "--key 15 --shift 0", "--key 0 --shift 8",
                                "--key 0 --shift -8", "--key 0 --shift 0 --pages 0-1"}) {
        const auto r = run("transpose " + q("s.nmg") + " " + options + " -o " + q("t.nmg"));
        EXPECT_EQ(r.status, 2) << options;
        EXPECT_FALSE(fileExists(dir.file("t.nmg"))) << options;
    }
}

TEST_F(MusicCli, DescribeReadsThePageAndRefusesPagesOutsideTheScore) {
    const auto both = run("describe " + q("s.nmg"));
    EXPECT_EQ(both.status, 0) << both.err;
    EXPECT_EQ(both.out,
              "ト音記号の段 1、調号 シャープ1つ\n"
              "第1小節：ファ♯4 ４分音符、４分休符、シ4 ２分音符\n"
              "ヘ音記号の段 2、調号なし\n"
              "第1小節：レ3 ４分音符\n");
    EXPECT_EQ(run("describe " + q("s.nmg") + " --page 2 --staves treble").out,
              "ト音記号の段 1、調号なし\n第1小節：ド4 ４分音符\n");
    for (const char* options : {"--page 0", "--page 3", "--staves alto", "--pages 1"}) {
        const auto r = run("describe " + q("s.nmg") + " " + options);
        EXPECT_EQ(r.status, 2) << options;
        EXPECT_TRUE(r.out.empty()) << options;
    }
    EXPECT_EQ(run("describe " + q("missing.nmg")).status, 1);
}

TEST_F(MusicCli, HelpDescribesTheMusicCommands) {
    const auto general = run("--help");
    for (const char* name : {"midi", "play", "transpose", "describe"}) {
        EXPECT_NE(general.out.find(std::string("  ") + name + "\n"), std::string::npos) << name;
        const auto help = run(std::string(name) + " --help");
        EXPECT_EQ(help.status, 0);
        EXPECT_NE(help.out.find(std::string("noma-cli ") + name + " IN.nmg"), std::string::npos);
    }
}

}  // namespace
}  // namespace noma
