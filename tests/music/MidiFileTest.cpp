#include <gtest/gtest.h>

#include "MusicTestSupport.h"
#include "TempFolder.h"
#include "music/MidiExport.h"
#include "music/MidiFileWriter.h"
#include "platform/FileIo.h"

namespace noma {
namespace {

using test::hex;
using test::noteEvents;
using test::put;

MidiSettings everyPage(const ScoreDocument& doc) {
    return defaultMidiSettings(doc);
}

TEST(MidiFile, ScoreWithoutNotesGivesTheWholeFileWithAnEmptyNoteTrack) {
    auto doc = test::blankScore();
    put(*doc, 0, {kGClef, 9, 4});
    put(*doc, 0, {kStraightLine, 6, 0, 552, 0});
    EXPECT_EQ(hex(exportMidi(*doc, everyPage(*doc))),
              "4D 54 68 64 00 00 00 06 00 01 00 02 00 30 "
              "4D 54 72 6B 00 00 00 13 00 FF 03 00 00 FF 02 00 00 FF 51 03 07 A1 20 00 FF 2F 00 "
              "4D 54 72 6B 00 00 00 07 00 C0 00 00 FF 2F 00");
}

TEST(MidiFile, OneQuarterNoteOnTheMiddleLine) {
    auto doc = test::blankScore();
    put(*doc, 0, {kGClef, 9, 4});
    put(*doc, 0, {kQuarterNoteUp, 20, test::kRowB4});
    const std::string file = exportMidi(*doc, everyPage(*doc));
    EXPECT_EQ(hex(file.substr(41)),
              "4D 54 72 6B 00 00 00 0E 00 C0 00 00 90 47 64 30 47 00 00 FF 2F 00");
}

TEST(MidiFile, TempoIsMicrosecondsPerQuarterHeldToTheBoxLimits) {
    auto doc = test::blankScore();
    const auto tempoBytes = [&](int tempo) {
        MidiSettings settings = everyPage(*doc);
        settings.tempo = tempo;
        return hex(exportMidi(*doc, settings).substr(34, 3));
    };
    EXPECT_EQ(tempoBytes(120), "07 A1 20");  // 500000
    EXPECT_EQ(tempoBytes(10), "5B 8D 80");   // 6000000
    EXPECT_EQ(tempoBytes(300), "03 0D 40");  // 200000
    EXPECT_EQ(tempoBytes(77), "0B E3 D4");   // 779220, truncated
    EXPECT_EQ(tempoBytes(0), "5B 8D 80");
    EXPECT_EQ(tempoBytes(1000), "03 0D 40");
}

TEST(MidiFile, TimbreItemsSelectTheirProgramAndNoSelectionIsThePiano) {
    auto doc = test::blankScore();
    const auto program = [&](int item) {
        MidiSettings settings = everyPage(*doc);
        settings.timbreItem = item;
        return static_cast<unsigned char>(exportMidi(*doc, settings).at(51));
    };
    const int expected[kTimbreCount] = {0, 12, 20, 25, 40, 42, 52, 54, 56, 68, 73, 79};
    for (int item = 0; item < kTimbreCount; ++item)
        EXPECT_EQ(program(item), expected[item]) << item;
    EXPECT_EQ(program(-1), 0);
    EXPECT_EQ(program(12), 0);
    EXPECT_EQ(timbres()[3].name, "アコースティックギター(steel)");
    EXPECT_EQ(timbres()[6].name, "声「あー」");
}

TEST(MidiFile, VariableLengthNumbersOfAnySize) {
    const auto vlq = [](int64_t v) {
        std::string bytes;
        appendVariableLength(bytes, v);
        return hex(bytes);
    };
    EXPECT_EQ(vlq(0), "00");
    EXPECT_EQ(vlq(127), "7F");
    // Up to 16383 the classic two-byte form: value / 128 + 128, value mod 128.
    EXPECT_EQ(vlq(128), "81 00");
    EXPECT_EQ(vlq(200), "81 48");
    EXPECT_EQ(vlq(16383), "FF 7F");
    // Beyond, standard quantities instead of a corrupt pair.
    EXPECT_EQ(vlq(16384), "81 80 00");
    EXPECT_EQ(vlq(2097151), "FF FF 7F");
    EXPECT_EQ(vlq(2097152), "81 80 80 00");
    EXPECT_EQ(vlq(-5), "00");
}

TEST(MidiFile, LongSilencesAndNotesKeepTheirExactLength) {
    const std::string file = midiFileBytes({{20000, 60, 300}, {0, 62, 16384}}, 120, 0);
    EXPECT_EQ(noteEvents(file), "81 9C 20 90 3C 64 82 2C 3C 00 00 90 3E 64 81 80 00 3E 00");
    EXPECT_EQ(hex(file.substr(45, 4)), "00 00 00 1A");  // 19 event bytes + 7
}

TEST(MidiFile, NoCapOnTheNumberOfNotes) {
    // 9 pages of 4 staves with 100 quarter notes each: 3600 notes.
    auto doc = test::blankScore(9, 4);
    for (int p = 0; p < 9; ++p) {
        for (int s = 0; s < 4; ++s) {
            for (int c = 0; c < 100; ++c) put(*doc, p, {kQuarterNoteUp, c, 20 * s + test::kRowG4});
        }
    }
    const std::string file = exportMidi(*doc, everyPage(*doc));
    ASSERT_EQ(file.size(), 14u + 27u + 8u + 3u + 3600u * 7u + 4u);
    EXPECT_EQ(hex(file.substr(file.size() - 11)), "00 90 43 64 30 43 00 00 FF 2F 00");
}

TEST(MidiFile, WrittenAtomicallyAndFailuresReported) {
    test::TempFolder dir;
    auto doc = test::blankScore();
    put(*doc, 0, {kQuarterNoteUp, 20, test::kRowC4});
    const std::string path = dir.file("song.mid");
    ASSERT_TRUE(writeMidiFile(*doc, everyPage(*doc), path).ok());
    EXPECT_EQ(readWholeFile(path).value(), exportMidi(*doc, everyPage(*doc)));

    const Status written = writeMidiFile(*doc, everyPage(*doc), dir.file("missing/song.mid"));
    ASSERT_FALSE(written.ok());
    EXPECT_EQ(written.failure().message, "ＭＩＤＩファイルを書き込めませんでした。");
    EXPECT_FALSE(fileExists(dir.file("missing/song.mid")));
}

TEST(MidiFile, SaveNamesGetTheMidExtension) {
    EXPECT_EQ(withMidExtension("/a/b/song.nmg"), "/a/b/song.mid");
    EXPECT_EQ(withMidExtension("/a/b/song"), "/a/b/song.mid");
    EXPECT_EQ(withMidExtension("/a/b.c/song"), "/a/b.c/song.mid");
    EXPECT_EQ(withMidExtension("/a/.hidden"), "/a/.hidden.mid");
    EXPECT_EQ(withMidExtension("song.MID"), "song.mid");
    EXPECT_EQ(playbackMidiPath("/opt/noma"), "/opt/noma/NOMAtoMIDI.mid");
}

}  // namespace
}  // namespace noma
