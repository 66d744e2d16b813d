#include <gtest/gtest.h>

#include <string>

#include "MusicXmlTestSupport.h"
#include "musicxml/MxlContainer.h"
#include "musicxml/ScoreReader.h"

namespace noma::musicxml {
namespace {

using test::musicXmlData;

std::vector<const Note*> notesOf(const Measure& m) {
    std::vector<const Note*> notes;
    for (const Event& e : m.events) {
        if (const auto* n = std::get_if<Note>(&e)) notes.push_back(n);
    }
    return notes;
}

// What the layout needs of each note, as one line, so two readings compare as text.
std::string summary(const Score& score) {
    std::string s = score.title + "|" + score.parts.at(0).name + "\n";
    for (const Measure& m : score.parts.at(0).measures) {
        s += m.number + ":";
        for (const Note* n : notesOf(m)) {
            s += ' ';
            s += n->rest ? 'r' : n->step;
            s += std::to_string(n->alter) + std::to_string(n->octave) + "/" + n->type + "." +
                 std::to_string(n->dots) + "d" + std::to_string(n->duration);
            if (n->chord) s += "+chord";
            if (n->grace) s += "+grace";
            if (n->measureRest) s += "+measure";
            if (n->tieStart) s += "+tie";
            if (!n->slurs.empty()) s += "+slur";
            if (!n->tuplets.empty()) s += "+tuplet";
            if (n->actualNotes != 0)
                s += "+" + std::to_string(n->actualNotes) + ":" + std::to_string(n->normalNotes);
            if (n->staccato) s += "+stacc";
            if (n->fermata) s += "+fermata";
            for (const std::string& u : n->unshown) s += "+" + u;
            for (const Lyric& l : n->lyrics) s += "+'" + l.text + "'";
        }
        s += '\n';
    }
    return s;
}

TEST(MusicXmlReading, PartwiseAndTimewiseReadAsTheSameMusic) {
    const Expected<Score> partwise = readScoreFile(musicXmlData("melody.musicxml"));
    const Expected<Score> timewise = readScoreFile(musicXmlData("melody-timewise.musicxml"));
    ASSERT_TRUE(partwise.ok()) << partwise.failure().gloss;
    ASSERT_TRUE(timewise.ok()) << timewise.failure().gloss;
    EXPECT_EQ(
        summary(*partwise),
        "Test Melody|Flute\n"
        "1: G04/quarter.1d3+slur+'ha' A04/eighth.0d1+slur F15/quarter.0d2+stacc r04/quarter.0d2\n"
        "2: C15/half.0d4+tie A04/half.0d4+chord C15/half.0d4+fermata+trill-mark\n"
        "3: E05/quarter.0d1+tuplet+3:2 D05/quarter.0d1+3:2 C15/quarter.0d2+tuplet+3:2 "
        "E05/eighth.0d0+grace D05/quarter.0d2 r04/eighth.0d1 B04/eighth.0d1\n"
        "4: r04/.0d8+measure\n"
        "5: F15/half.0d4 r04/half.0d4\n");
    EXPECT_EQ(summary(*timewise), summary(*partwise));

    const Measure& first = partwise->parts[0].measures[0];
    const auto& attributes = std::get<Attributes>(first.events[0]);
    EXPECT_EQ(attributes.divisions, 2);
    EXPECT_EQ(attributes.fifths, 1);
    EXPECT_EQ(attributes.beats, "4");
    ASSERT_EQ(attributes.clefs.size(), 1u);
    EXPECT_EQ(attributes.clefs[0].sign, "G");
    const auto& dynamics = std::get<Direction>(first.events[1]);
    EXPECT_EQ(dynamics.dynamics, std::vector<std::string>{"mf"});
    EXPECT_FALSE(dynamics.above);
    const auto& bar = std::get<Barline>(partwise->parts[0].measures[1].events.back());
    EXPECT_EQ(bar.repeat, "backward");
    EXPECT_EQ(bar.style, "light-heavy");
}

TEST(MusicXmlReading, CompressedContainerReadsTheRootfileItNames) {
    const Expected<Score> score = readScoreFile(musicXmlData("compressed.mxl"));
    ASSERT_TRUE(score.ok()) << score.failure().gloss;
    const auto& attributes = std::get<Attributes>(score->parts.at(0).measures.at(0).events.at(0));
    EXPECT_EQ(attributes.fifths, 3);
    EXPECT_EQ(score->version, "2.0");
}

void expectRefused(const Expected<Score>& read, const char* message) {
    ASSERT_FALSE(read.ok());
    EXPECT_EQ(read.failure().message, message) << read.failure().gloss;
}

std::string measureWith(const std::string& music) {
    return "<score-partwise version=\"3.1\"><part-list><score-part id=\"P1\"/></part-list>"
           "<part id=\"P1\"><measure number=\"1\">" +
           music + "</measure></part></score-partwise>";
}

TEST(MusicXmlReading, UntrustedInputIsRefusedWithTheReason) {
    expectRefused(readScoreText("Just some text"), kNotXmlMessage);
    expectRefused(readScoreText("<score-partwise><part-list></part-list><part id=\"P1\"><measure>"),
                  kTruncatedMessage);
    expectRefused(readScoreText("<html><body/></html>"), kNotMusicXmlMessage);
    expectRefused(readScoreText("<!DOCTYPE score-partwise [<!ENTITY lol \"lol\">]>"
                                "<score-partwise><part id=\"P1\"><measure>&lol;</measure></part>"
                                "</score-partwise>"),
                  kEntityMessage);
    expectRefused(readScoreText(measureWith("<attributes><divisions>0</divisions></attributes>")),
                  kAbsurdDivisionsMessage);
    expectRefused(
        readScoreText(measureWith("<attributes><divisions>99999999999</divisions></attributes>")),
        kAbsurdDivisionsMessage);
    expectRefused(readScoreText(measureWith("<attributes><divisions>4</divisions></attributes>"
                                            "<note><rest/><duration>1000000</duration></note>")),
                  kAbsurdDurationMessage);
    expectRefused(readScoreText(measureWith("<backup><duration>-4</duration></backup>")),
                  kAbsurdDurationMessage);
    expectRefused(readScoreText("<score-partwise version=\"4.0\"/>"), kNoPartsMessage);
    expectRefused(readScoreFile(musicXmlData("bomb.mxl")), kZipBombMessage);
    expectRefused(readScoreFile(musicXmlData("no-container.mxl")), kBadContainerMessage);

    const Expected<Score> missing = readScoreFile(musicXmlData("missing.musicxml"));
    ASSERT_FALSE(missing.ok());
    EXPECT_EQ(missing.failure().message.rfind("ファイルを読み込めません。", 0), 0u);
}

}  // namespace
}  // namespace noma::musicxml
