// Reads the written files back with midicsv, an independent MIDI parser, where installed.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>

#include "MusicTestSupport.h"
#include "TempFolder.h"
#include "music/MidiExport.h"
#include "music/MidiFileWriter.h"
#include "platform/FileIo.h"

namespace noma {
namespace {

using namespace test;

bool haveMidicsv() {
    return std::system("command -v midicsv >/dev/null 2>&1") == 0;
}

std::string midicsv(const std::string& path) {
    std::string out;
    FILE* pipe = ::popen(("midicsv '" + path + "' 2>&1").c_str(), "r");
    if (pipe == nullptr) return out;
    std::array<char, 4096> buffer{};
    size_t n;
    while ((n = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0)
        out.append(buffer.data(), n);
    ::pclose(pipe);
    return out;
}

TEST(MidicsvReadback, ASmallScoreReadsBackAsWritten) {
    if (!haveMidicsv()) GTEST_SKIP() << "midicsv is not installed";
    TempFolder dir;
    auto doc = blankScore();
    put(*doc, 0, {kGClef, 9, 4});
    put(*doc, 0, {kKeySharp, 12, kRowF5});
    put(*doc, 0, {kQuarterNoteUp, 20, kRowG4});
    put(*doc, 0, {kDot, 20 * 6 + 8, kRowG4});
    put(*doc, 0, {kEighthNoteDown, 26, kRowF4});
    put(*doc, 0, {kStaccatoMark, 26, kRowF4 - 3});
    put(*doc, 0, {kQuarterRest, 28, kRowB4});
    put(*doc, 0, {kHalfNote, 32, kRowC5});
    MidiSettings settings = defaultMidiSettings(*doc);
    settings.tempo = 80;
    settings.timbreItem = 10;
    ASSERT_TRUE(writeMidiFile(*doc, settings, dir.file("a.mid")).ok());
    EXPECT_EQ(midicsv(dir.file("a.mid")),
              "0, 0, Header, 1, 2, 48\n"
              "1, 0, Start_track\n"
              "1, 0, Title_t, \"\"\n"
              "1, 0, Copyright_t, \"\"\n"
              "1, 0, Tempo, 750000\n"
              "1, 0, End_track\n"
              "2, 0, Start_track\n"
              "2, 0, Program_c, 0, 73\n"
              "2, 0, Note_on_c, 0, 67, 100\n"
              "2, 72, Note_on_c, 0, 67, 0\n"
              "2, 72, Note_on_c, 0, 66, 100\n"
              "2, 84, Note_on_c, 0, 66, 0\n"
              "2, 144, Note_on_c, 0, 72, 100\n"
              "2, 240, Note_on_c, 0, 72, 0\n"
              "2, 240, End_track\n"
              "0, 0, End_of_file\n");
}

TEST(MidicsvReadback, LongTimesReadBackExactly) {
    if (!haveMidicsv()) GTEST_SKIP() << "midicsv is not installed";
    TempFolder dir;
    ASSERT_TRUE(writeFileAtomically(dir.file("b.mid"),
                                    midiFileBytes({{16384, 60, 20000}, {3000000, 62, 127}}, 60, 40))
                    .ok());
    const std::string csv = midicsv(dir.file("b.mid"));
    EXPECT_NE(csv.find("1, 0, Tempo, 1000000\n"), std::string::npos) << csv;
    EXPECT_NE(csv.find("2, 0, Program_c, 0, 40\n"
                       "2, 16384, Note_on_c, 0, 60, 100\n"
                       "2, 36384, Note_on_c, 0, 60, 0\n"
                       "2, 3036384, Note_on_c, 0, 62, 100\n"
                       "2, 3036511, Note_on_c, 0, 62, 0\n"
                       "2, 3036511, End_track\n"),
              std::string::npos)
        << csv;
}

}  // namespace
}  // namespace noma
