#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

#include "braille/BrailleCell.h"
#include "braille/TextToCells.h"
#include "music/MusicTestSupport.h"
#include "musicxml/ExportMarks.h"
#include "musicxml/ScoreWriter.h"

namespace noma {
namespace {

using namespace test;

// The text of every `<name>` element, in order.
std::vector<std::string> texts(const std::string& xml, const std::string& name) {
    std::vector<std::string> found;
    const std::string open = "<" + name + ">";
    for (size_t at = xml.find(open); at != std::string::npos; at = xml.find(open, at + 1)) {
        const size_t start = at + open.size();
        found.push_back(xml.substr(start, xml.find('<', start) - start));
    }
    return found;
}

// Each note as step, alteration and octave ("F+1 4"), or "rest", with its duration.
std::vector<std::string> notes(const std::string& xml) {
    std::vector<std::string> found;
    for (size_t at = xml.find("<note>"); at != std::string::npos; at = xml.find("<note>", at + 1)) {
        const std::string note = xml.substr(at, xml.find("</note>", at) - at);
        const auto text = [&](const std::string& name) {
            const auto all = texts(note, name);
            return all.empty() ? std::string() : all[0];
        };
        std::string shown = note.find("<rest") != std::string::npos
                                ? "rest"
                                : text("step") +
                                      (text("alter").empty() ? "" : "+" + text("alter")) + " " +
                                      text("octave");
        found.push_back(shown + " " + text("duration"));
    }
    return found;
}

size_t count(const std::string& xml, const std::string& part) {
    size_t n = 0;
    for (size_t at = xml.find(part); at != std::string::npos; at = xml.find(part, at + 1)) ++n;
    return n;
}

TEST(ScoreWriter, NotesAreSpelledTiedAndBarredAsTheMidiExportReadsThem) {
    auto doc = blankScore();
    put(*doc, 0, {kGClef, 9, 4});
    put(*doc, 0, {kKeySharp, 12, kRowF5});
    put(*doc, 0, {kQuarterNoteUp, 20, kRowF4});  // F sharp from the key
    put(*doc, 0, {kNatural, 23, kRowF4});
    put(*doc, 0, {kQuarterNoteUp, 26, kRowF4});
    put(*doc, 0, {kSharp, 29, kRowC5});
    put(*doc, 0, {kQuarterNoteDown, 32, kRowC5});  // tied: one note of two quarters
    put(*doc, 0, {kSlur, 32, kRowC5, 36, kRowC5, 34, kRowC5 - 2});
    put(*doc, 0, {kQuarterNoteDown, 36, kRowC5});
    put(*doc, 0, {kBarLine, 40, 4});
    put(*doc, 0, {kQuarterNoteDown, 44, kRowC5});  // the bar line ended the sharp
    put(*doc, 0, {kHalfNote, 48, kRowB4});
    put(*doc, 0, {kStaccatoMark, 48, kRowB4 - 3});
    put(*doc, 0, {kQuarterRest, 52, 4});
    put(*doc, 0, {kFinalBarLine, 56, 4});

    const std::string xml = exportMusicXml(*doc, defaultMidiSettings(*doc));
    EXPECT_EQ(notes(xml), (std::vector<std::string>{"F+1 4 48", "F 4 48", "C+1 5 48", "C+1 5 48",
                                                    "C 5 48", "B 4 96", "rest 48"}));
    EXPECT_EQ(texts(xml, "fifths"), std::vector<std::string>{"1"});
    EXPECT_EQ(count(xml, "<measure "), 2u);
    EXPECT_EQ(count(xml, "<time>"), 1u);  // every measure is 4/4: written once, shown
    EXPECT_EQ(texts(xml, "beats"), std::vector<std::string>{"4"});
    EXPECT_EQ(count(xml, "<tied type=\"start\"/>"), 1u);
    EXPECT_EQ(count(xml, "<tied type=\"stop\"/>"), 1u);
    EXPECT_EQ(count(xml, "<staccato/>"), 1u);
    EXPECT_EQ(texts(xml, "bar-style"), std::vector<std::string>{"light-heavy"});
}

TEST(ScoreWriter, MeasuresOfDifferentLengthsKeepTheirLengthsWithHiddenTimes) {
    // A pickup before full 2/4 measures gets a shown 2/4; measures of 3, 2 and 3 quarters get
    // each its own, unseen, so that no program moves the bar lines.
    auto pickup = blankScore();
    put(*pickup, 0, {kQuarterNoteUp, 20, kRowC5});
    put(*pickup, 0, {kBarLine, 22, 4});
    for (int c : {24, 26, 30, 32}) put(*pickup, 0, {kQuarterNoteUp, c, kRowC5});
    put(*pickup, 0, {kBarLine, 28, 4});
    const std::string shown = exportMusicXml(*pickup, defaultMidiSettings(*pickup));
    EXPECT_EQ(count(shown, "implicit=\"yes\""), 1u);
    EXPECT_EQ(count(shown, "<time>"), 1u);
    EXPECT_EQ(texts(shown, "beats"), std::vector<std::string>{"2"});

    auto uneven = blankScore();
    int column = 20;
    for (int quarters : {3, 2, 3}) {
        for (int q = 0; q < quarters; ++q, column += 2)
            put(*uneven, 0, {kQuarterNoteUp, column, kRowC5});
        put(*uneven, 0, {kRepeatEnd, column++, 4});
        column += 2;
    }
    const std::string hidden = exportMusicXml(*uneven, defaultMidiSettings(*uneven));
    EXPECT_EQ(count(hidden, "<time print-object=\"no\">"), 3u);
    EXPECT_EQ(count(hidden, "<time>"), 0u);
    EXPECT_EQ(texts(hidden, "beats"), (std::vector<std::string>{"3", "2", "3"}));
    EXPECT_EQ(count(hidden, "<repeat direction=\"backward\" times=\"1\"/>"), 3u);
}

TEST(ScoreWriter, BothStavesMakeATrebleAndABassPart) {
    auto doc = blankScore(1, 2);
    put(*doc, 0, {kGClef, 9, 4});
    put(*doc, 0, {kQuarterNoteUp, 20, kRowC5});
    put(*doc, 0, {kFClef, 9, 20 + 4});
    put(*doc, 0, {kHalfNote, 20, 20 + 4});  // the bass middle line: D3
    MidiSettings settings = defaultMidiSettings(*doc);
    settings.staves = StaveSelection::Both;
    const std::string xml = exportMusicXml(*doc, settings);
    EXPECT_EQ(texts(xml, "part-name"), (std::vector<std::string>{"ト音記号の段", "ヘ音記号の段"}));
    EXPECT_EQ(texts(xml, "sign"), (std::vector<std::string>{"G", "F"}));
    EXPECT_EQ(notes(xml), (std::vector<std::string>{"C 5 48", "D 3 96"}));
}

// Note steps with the slurs, wedges, words and dynamics among them, in the file's order.
std::vector<std::string> marksAndSteps(const std::string& xml) {
    static const std::regex item(
        "<step>(\\w)</step>|<slur type=\"(\\w+)\" number=\"(\\d+)\"/>|"
        "<wedge type=\"(\\w+)\" number=\"(\\d+)\"/>|<words>([^<]*)</words>|"
        "<dynamics>\\s*<(\\w+)/>");
    std::vector<std::string> found;
    for (auto it = std::sregex_iterator(xml.begin(), xml.end(), item); it != std::sregex_iterator();
         ++it) {
        const std::smatch& m = *it;
        if (m[1].matched) found.push_back(m[1]);
        if (m[2].matched) found.push_back("slur " + m[2].str() + " " + m[3].str());
        if (m[4].matched) found.push_back("wedge " + m[4].str() + " " + m[5].str());
        if (m[6].matched) found.push_back("words " + m[6].str());
        if (m[7].matched) found.push_back("dynamics " + m[7].str());
    }
    return found;
}

TEST(ScoreWriter, SlursHairpinsAndBrailleWordsStandAtTheNotesTheyTouch) {
    auto doc = blankScore();
    put(*doc, 0, {kGClef, 9, 4});
    put(*doc, 0, {kQuarterNoteUp, 20, kRowC5});
    put(*doc, 0, {kQuarterNoteUp, 24, kRowB4});
    put(*doc, 0, {kSlur, 24, kRowB4 + 1, 28, kRowB4 + 1, 26, kRowB4 + 3});  // a tie, not a slur
    put(*doc, 0, {kQuarterNoteUp, 28, kRowB4});
    put(*doc, 0, {kQuarterNoteUp, 32, kRowA4});
    put(*doc, 0, {kQuarterNoteUp, 36, kRowG4});
    put(*doc, 0, {kSlurReversed, 20, kRowC5 - 3, 32, kRowA4 - 3, 26, kRowC5 - 6});
    put(*doc, 0, {kSlurReversed, 36, kRowG4 - 3, 44, kRowG4 - 4, 40, kRowG4 - 6});  // ends nowhere
    put(*doc, 0, {kCrescendo, 20, 11, 6 * 33});  // ends nearest the A
    put(*doc, 0, {kDecrescendo, 32, 11, 6 * 37});
    // "やさしく" above the first note, "mf" below the A, as the braille window writes them.
    int x = 6 * 20;
    for (const char* dots : {"34", "156", "1256", "146"}) {
        put(*doc, 0, {kBraille, x, -4 * 8, cellFromDots(dots)});
        x += kCellPitch;
    }
    put(*doc, 0, {kBraille, 6 * 31, 11 * 8, cellFromDots("134")});
    put(*doc, 0, {kBraille, 6 * 31 + kCellPitch, 11 * 8, cellFromDots("124")});

    const std::string xml = exportMusicXml(*doc, defaultMidiSettings(*doc));
    EXPECT_EQ(marksAndSteps(xml), (std::vector<std::string>{
                                      "words やさしく", "wedge crescendo 1", "C", "slur start 1",
                                      "B", "B", "dynamics mf", "wedge stop 1", "wedge diminuendo 1",
                                      "A", "slur stop 1", "wedge stop 1", "G"}));
}

TEST(ScoreWriter, BrailleWordsReadBackAsTheBrailleWindowWroteThem) {
    const auto word = [](const char* text) {
        const std::vector<BrailleCell> cells = convertEnteredText(text);
        return brailleWordText(std::vector<int>(cells.begin(), cells.end()));
    };
    EXPECT_EQ(word("cresc. poco"), "cresc. poco");
    EXPECT_EQ(word("がっこう"), "がっこう");  // a voiced prefix joins its kana
    EXPECT_EQ(word("Tempo 1"), "tempo 1");    // no capital sign; digits after the number sign
    EXPECT_EQ(brailleWordText({cellFromDots("5")}), "");  // a prefix with nothing after it
}

}  // namespace
}  // namespace noma
