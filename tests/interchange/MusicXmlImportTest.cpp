#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <memory>
#include <string>

#include "MusicXmlTestSupport.h"
#include "braille/TextToCells.h"
#include "document/PageGeometry.h"
#include "document/ScoreDocument.h"
#include "document/SymbolCatalogue.h"
#include "document/SymbolKind.h"
#include "interchange/MusicXmlImport.h"
#include "interchange/NotShownText.h"
#include "music/NoteKinds.h"
#include "music/NoteReader.h"
#include "musicxml/ScoreReader.h"

namespace noma::interchange {
namespace {

using test::musicXmlData;

struct Imported {
    std::unique_ptr<ScoreDocument> doc = std::make_unique<ScoreDocument>();
    ImportReport report;
};

Imported importFile(const std::string& name, ImportOptions options = {}) {
    const Expected<musicxml::Score> score = musicxml::readScoreFile(musicXmlData(name));
    EXPECT_TRUE(score.ok()) << name;
    Imported result;
    Expected<ImportReport> report = importScore(*score, options, *result.doc);
    EXPECT_TRUE(report.ok()) << (report.ok() ? "" : report.failure().gloss);
    if (report.ok()) result.report = *report;
    return result;
}

// The reading of the staves as "name octave/value mark" items, rests as "r/value".
std::string reading(const ScoreDocument& doc, StaveSelection staves) {
    static const char* kNames[12] = {"C",  "C#", "D",  "Eb", "E",  "F",
                                     "F#", "G",  "Ab", "A",  "Bb", "B"};
    std::string text;
    for (const MusicEvent& e : readMusicEvents(doc, 1, doc.header.pageCount, staves)) {
        if (!text.empty()) text += ' ';
        if (e.semitone == kRestSemitone) {
            text += "r/" + std::to_string(e.value);
        } else {
            const int semitone = (e.semitone + 12) % 12;
            const int octave = e.octave + (e.semitone < 0 ? -1 : (e.semitone > 11 ? 1 : 0));
            text += kNames[semitone] + std::to_string(octave) + "/" + std::to_string(e.value);
        }
        if (e.markValue != 0) text += "+" + std::to_string(e.markValue);
    }
    return text;
}

TEST(MusicXmlImport, EveryElementOfAMelodyReadsBackAsItsMusic) {
    const Imported imported = importFile("melody.musicxml");
    // Dotted quarter, eighth, staccato (tens 1), a tied half (mark 4) into its half, three
    // triplet quarters (mark 3), a grace eighth (tens 8) before its note, a staccatissimo
    // eighth (tens 2) and the whole-measure rest as two half rests; the key's F sharp, the
    // printed C sharp and its repetition after the bar line all sound, and the key holds on
    // the next stave.
    EXPECT_EQ(reading(*imported.doc, StaveSelection::Treble),
              "G4/4+1 A4/8 F#5/4+10 r/4 C#5/2+4 C#5/2 E5/4+3 D5/4+3 C#5/4+3 E5/8+80 D5/4 r/8 "
              "B4/8+20 r/2 r/2 F#5/2 r/2");
    EXPECT_EQ(notShownText(imported.report.notShown), "not shown: 1 × trill-mark");
    // The title as the braille window writes it, one row of cells over the first stave.
    const std::vector<BrailleCell> title = convertEnteredText("Test Melody");
    ASSERT_FALSE(title.empty());
    for (size_t i = 0; i < title.size(); ++i) {
        const SymbolRecord& r = imported.doc->record(0, static_cast<int>(i));
        EXPECT_EQ(r.kind(), kBraille);
        EXPECT_EQ(r[3], title[i]);
        EXPECT_EQ(r[2], imported.doc->record(0, 0)[2]);
    }
}

TEST(MusicXmlImport, GrandStaffKeepsEachStaffsMusicAndSharesColumns) {
    const Imported imported = importFile("piano.musicxml");
    const ScoreDocument& doc = *imported.doc;
    EXPECT_EQ(doc.settings(0).scoreType, kGrandStaff);
    // The chord sounds its top note; the key's flats, a printed natural, a double sharp
    // respelled as the same pitch; bass accidentals end at the bar line.
    EXPECT_EQ(reading(doc, StaveSelection::Treble), "D5/4 Eb5/4 E5/4 Eb5/2 A4/4");
    EXPECT_EQ(reading(doc, StaveSelection::Bass), "Bb2/2 F#3/4 F3/4 F3/4 F3/4");
    EXPECT_EQ(notShownText(imported.report.notShown),
              "not shown: 1 × enharmonic spelling, 1 × note of a second voice");

    // Notes sounding together stand in one column: the treble's beats 1 and 3 of bar 1 and
    // beats 1 and 3 of bar 2 over the bass's.
    std::map<int, std::string> columns;
    const int bassTop = 2 * doc.settings(0).staveInterval;
    for (int i = 0; i < doc.symbolCount(0); ++i) {
        const SymbolRecord& r = doc.record(0, i);
        if (noteValueOf(r.kind()) == 0) continue;
        columns[r[1]] += r[2] < bassTop - 4 ? "T" : "B";
    }
    std::string pattern;
    for (const auto& [column, staves] : columns) pattern += staves + " ";
    EXPECT_EQ(pattern, "TB T TB TB B TB ");
}

// Figures of one stave that a reader would feel as one: their boxes in pixels.
struct Box {
    int left, right, top, bottom;
};

std::optional<Box> figureBox(const SymbolRecord& r, int pitch) {
    const auto u = [pitch](int k) { return k * pitch / 6; };
    const int x = r.kind() == kDot ? r[1] : 6 * r[1];
    const int y = r[2] * pitch;
    if (r.kind() == kDot) return Box{x - u(2), x + u(2), y - u(2), y + u(3)};
    if (r.kind() == kSharp || r.kind() == kFlat || r.kind() == kNatural) {
        return Box{x - u(6), x + u(6), y - u(10), y + u(10)};
    }
    if (noteValueOf(r.kind()) != 0 || r.kind() == kBareNoteHead) {
        const int half = r.kind() == kWholeNote ? u(12) : (r.kind() == kHalfNote ? u(7) : u(5));
        return Box{x - half, x + half, y - u(6), y + u(6)};
    }
    if (restValueOf(r.kind()) != 0) return Box{x - u(8), x + u(8), y - u(8), y + u(8)};
    return std::nullopt;
}

// Every record on its page and no two figures of the pages on top of each other.
void expectFiguresApart(const ScoreDocument& doc, const std::string& name) {
    const int pitch = doc.header.verticalPitch;
    for (int p = 0; p < doc.header.pageCount; ++p) {
        std::vector<Box> boxes;
        for (int i = 0; i < doc.symbolCount(p); ++i) {
            const SymbolRecord& r = doc.record(p, i);
            const HotPosition at = hotPosition(r, doc.settings(p).topMargin, pitch);
            const int64_t x = at.x, y = at.y;
            EXPECT_TRUE(x >= 0 && x < pageWidth(0) && y >= 0 && y < pageHeight(0))
                << name << " page " << p + 1 << " record " << i;
            if (const auto box = figureBox(r, pitch)) {
                for (const Box& b : boxes) {
                    const bool touch = box->left <= b.right && b.left <= box->right &&
                                       box->top <= b.bottom && b.top <= box->bottom;
                    // Chord heads a step apart share their column by design.
                    const bool chord = box->left + box->right == b.left + b.right;
                    if (touch && !chord) {
                        ADD_FAILURE() << name << " page " << p + 1 << " record " << i;
                    }
                }
                boxes.push_back(*box);
            }
        }
    }
}

TEST(MusicXmlImport, TextBecomesBrailleLinesClearOfTheFiguresAndLeavesTheMusicAlone) {
    const Imported imported = importFile("lyrics.musicxml");
    const ScoreDocument& doc = *imported.doc;
    EXPECT_EQ(reading(doc, StaveSelection::Treble), "C5/4 D5/4 E5/4 F5/4 G4/4 A4/4 B4/4 C5/2+1");
    EXPECT_EQ(notShownText(imported.report.notShown), "not shown: 1 × lyric in kanji");

    const int pitch = doc.header.verticalPitch;
    const int origin = rowOriginY(doc.settings(0).topMargin, pitch);
    std::vector<int> noteColumns;
    std::vector<Box> figures;
    std::map<int, std::vector<std::pair<int, int>>> lines;  // y -> (x, cell)
    for (int i = 0; i < doc.symbolCount(0); ++i) {
        const SymbolRecord& r = doc.record(0, i);
        if (r.kind() == kBraille) {
            lines[r[2]].emplace_back(r[1], r[3]);
            continue;
        }
        if (noteValueOf(r.kind()) != 0) noteColumns.push_back(r[1]);
        if (auto box = figureBox(r, pitch)) {
            if (isStemmedNote(r.kind())) {  // with its stem, seven rows up or down
                if (r.kind() == kQuarterNoteUp)
                    box->top = (r[2] - 7) * pitch;
                else
                    box->bottom = (r[2] + 7) * pitch;
            }
            figures.push_back(*box);
        }
    }
    auto cells = [&](int y) {
        std::vector<BrailleCell> found;
        for (const auto& [x, cell] : lines[y]) found.push_back(static_cast<BrailleCell>(cell));
        return dotNumbers(found);
    };
    // Over the stave the title and then the time signatures and words; under it the verses,
    // each syllable under its note, then the dynamics. The last measure, its syllables pushing
    // the notes apart, is on the second stave, with its syllables on the same lines there.
    const int staveStep = 2 * doc.settings(0).staveInterval * pitch;
    std::vector<int> ys;
    for (const auto& [y, row] : lines) ys.push_back(y);
    ASSERT_EQ(ys.size(), 7u);
    EXPECT_EQ(cells(ys[0]), dotNumbers(convertEnteredText("Uta")));
    EXPECT_EQ(cells(ys[1]), "3456 145 256 145 135 123 14 15 3456 14 256");  // 4/4 dolce 3/4
    EXPECT_EQ(cells(ys[2]), "156 146 15 5 16 136 13");  // さ く ら が は (花) な
    EXPECT_EQ(cells(ys[3]), dotNumbers(convertEnteredText("Hellomydearsolongla")));
    EXPECT_EQ(cells(ys[4]), "134 124 1234");  // mf p
    EXPECT_GT(ys[5], staveStep + 8 * pitch);
    EXPECT_EQ(cells(ys[5]), "345");  // よ
    EXPECT_EQ(ys[6], ys[5] + ys[3] - ys[2]);
    EXPECT_EQ(cells(ys[6]), dotNumbers(convertEnteredText("end")));
    EXPECT_LT(ys[1], 0);
    EXPECT_GT(ys[2], 8 * pitch);
    // Note -> its syllable's first cell (が takes two cells, 花 is not written).
    for (const auto& [note, cell] :
         std::map<size_t, size_t>{{0, 0}, {1, 1}, {3, 3}, {4, 5}, {6, 6}}) {
        EXPECT_EQ(lines[ys[2]].at(cell).first, 6 * noteColumns.at(note)) << note;
    }
    EXPECT_EQ(lines[ys[5]].at(0).first, 6 * noteColumns.at(7));
    // The English verse's syllables, longer, push the notes apart (across the bar too) rather
    // than leave their notes.
    for (size_t note = 0; note < 7; ++note) {
        EXPECT_TRUE(std::any_of(lines[ys[3]].begin(), lines[ys[3]].end(), [&](const auto& cell) {
            return cell.first == 6 * noteColumns[note];
        })) << note;
    }
    // Each cell's white box misses every figure and the stave's lines.
    for (const auto& [y, row] : lines) {
        for (const auto& [x, cell] : row) {
            const Box box{x - 10, x + 9, y - 9, y + 15};
            EXPECT_TRUE(box.bottom < 0 || box.top > 8 * pitch) << y;
            EXPECT_GE(origin + box.top, 50);
            for (const Box& b : figures) {
                EXPECT_FALSE(box.left <= b.right && b.left <= box.right && box.top <= b.bottom &&
                             b.top <= box.bottom)
                    << x << "," << y;
            }
        }
    }
}

TEST(MusicXmlImport, RealScoresStayOnTheirPagesWithoutTouchingFigures) {
    for (const char* name :
         {"lilypond-01a-pitches.xml", "lilypond-23f-tuplets.xml", "melody.musicxml"}) {
        expectFiguresApart(*importFile(name).doc, name);
    }
}

// The written pitches of a part staff's first voice measure by measure, a chord by its top
// note, graces included.
std::vector<std::vector<int>> writtenKeysByMeasure(const musicxml::Score& score, size_t part,
                                                   int staff) {
    static constexpr int kSemitone[7] = {9, 11, 0, 2, 4, 5, 7};  // A..G
    std::vector<std::vector<int>> measures;
    int voice = 0;
    for (const musicxml::Measure& m : score.parts.at(part).measures) {
        std::vector<int>& keys = measures.emplace_back();
        for (const musicxml::Event& e : m.events) {
            const auto* n = std::get_if<musicxml::Note>(&e);
            if (n == nullptr || n->staff != staff) continue;
            if (voice == 0) voice = n->voice;
            if (n->voice != voice || n->rest) continue;
            const int key = 12 * (n->octave + 1) + kSemitone[n->step - 'A'] + n->alter;
            if (n->chord && !keys.empty()) {
                keys.back() = std::max(keys.back(), key);
            } else {
                keys.push_back(key);
            }
        }
    }
    return measures;
}

std::vector<int> writtenKeys(const musicxml::Score& score, int staff) {
    std::vector<int> keys;
    for (const std::vector<int>& m : writtenKeysByMeasure(score, 0, staff))
        keys.insert(keys.end(), m.begin(), m.end());
    return keys;
}

std::vector<int> readKeys(const ScoreDocument& doc, StaveSelection staves) {
    std::vector<int> keys;
    for (const MusicEvent& e : readMusicEvents(doc, 1, doc.header.pageCount, staves)) {
        if (e.semitone != kRestSemitone) keys.push_back(12 * (e.octave + 1) + e.semitone);
    }
    return keys;
}

TEST(MusicXmlImport, RealScoresSoundTheirWrittenPitches) {
    // G2 to C7 with double sharps and flats (the interval widens until the reading sees every
    // note), a grand staff of tuplets, a compressed file in three sharps.
    for (const char* name :
         {"lilypond-01a-pitches.xml", "lilypond-23f-tuplets.xml", "compressed.mxl"}) {
        const Expected<musicxml::Score> score = musicxml::readScoreFile(musicXmlData(name));
        ASSERT_TRUE(score.ok());
        const Imported imported = importFile(name);
        EXPECT_EQ(readKeys(*imported.doc, StaveSelection::Treble), writtenKeys(*score, 1)) << name;
        if (imported.doc->settings(0).scoreType == kGrandStaff) {
            EXPECT_EQ(readKeys(*imported.doc, StaveSelection::Bass), writtenKeys(*score, 2))
                << name;
        }
    }
    EXPECT_EQ(importFile("lilypond-01a-pitches.xml").doc->settings(0).staveInterval, 17);
}

Expected<ImportReport> importText(const std::string& text, ImportOptions options,
                                  ScoreDocument& doc) {
    const Expected<musicxml::Score> score = musicxml::readScoreText(text);
    EXPECT_TRUE(score.ok());
    return importScore(*score, options, doc);
}

TEST(MusicXmlImport, RefusesWhatAPageCannotHoldAndChangesNothing) {
    auto doc = std::make_unique<ScoreDocument>();
    doc->header = {1, 8, 0};
    doc->append(0, SymbolRecord{{kQuarterNoteUp, 20, 4}});

    std::string parts = "<score-partwise><part-list>";
    for (int p = 1; p <= 5; ++p) parts += "<score-part id=\"P" + std::to_string(p) + "\"/>";
    parts += "</part-list>";
    for (int p = 1; p <= 5; ++p)
        parts += "<part id=\"P" + std::to_string(p) + "\"><measure/></part>";
    parts += "</score-partwise>";
    Expected<ImportReport> five = importText(parts, {}, *doc);
    ASSERT_FALSE(five.ok());
    EXPECT_EQ(five.failure().gloss, "the parts need 5 staves, a page holds 4");
    EXPECT_EQ(five.failure().message,
              "１ページに入る段数（4段）より多い5段が必要なため、読み込めません。");
    ImportOptions two;
    two.parts = {1, 3};
    ImportOptions crowded = two;
    crowded.orientation = 1;
    crowded.pitch = 10;
    crowded.topMargin = 30;
    crowded.interval = 20;
    crowded.intervalGiven = true;
    Expected<ImportReport> tight = importText(parts, crowded, *doc);
    ASSERT_FALSE(tight.ok());
    EXPECT_EQ(tight.failure().gloss, "the parts need 2 staves, a page holds 0");

    std::string long_ =
        "<score-partwise><part-list><score-part id=\"P1\"/></part-list><part id=\"P1\">"
        "<measure><attributes><divisions>1</divisions></attributes>"
        "<note><rest measure=\"yes\"/><duration>4</duration></note></measure>";
    for (int m = 0; m < 4000; ++m)
        long_ += "<measure><note><rest measure=\"yes\"/><duration>4</duration></note></measure>";
    long_ += "</part></score-partwise>";
    Expected<ImportReport> pages = importText(long_, {}, *doc);
    ASSERT_FALSE(pages.ok());
    // Both texts say how many pages the music would need.
    int needed = 0;
    ASSERT_EQ(std::sscanf(pages.failure().gloss.c_str(), "the music needs %d pages", &needed), 1);
    EXPECT_GT(needed, 100);
    EXPECT_EQ(pages.failure().message,
              "楽譜が" + std::to_string(needed) +
                  "ページになり、１００ページを超えるため読み込めません。");
    EXPECT_EQ(doc->header.pageCount, 1);
    EXPECT_EQ(doc->symbolCount(0), 1);
}

// Records of `kind` on page 0, in record order.
std::vector<SymbolRecord> recordsOf(const ScoreDocument& doc, int kind) {
    std::vector<SymbolRecord> found;
    for (int i = 0; i < doc.symbolCount(0); ++i) {
        if (doc.record(0, i).kind() == kind) found.push_back(doc.record(0, i));
    }
    return found;
}

// Columns of the stemmed notes and whole notes of the stave whose top line is at `top`.
std::vector<int> noteColumns(const ScoreDocument& doc, int top) {
    std::vector<int> columns;
    const int interval = doc.settings(0).staveInterval;
    for (int i = 0; i < doc.symbolCount(0); ++i) {
        const SymbolRecord& r = doc.record(0, i);
        if (noteValueOf(r.kind()) != 0 && std::abs(r[2] - top - 4) < interval) {
            columns.push_back(r[1]);
        }
    }
    return columns;
}

TEST(MusicXmlImport, VoiceAndPianoMakeTrebleTrebleBassSystems) {
    const Imported imported = importFile("voice-piano.musicxml");
    const ScoreDocument& doc = *imported.doc;
    EXPECT_EQ(doc.settings(0).scoreType, kTrebleTrebleBass);
    EXPECT_EQ(doc.settings(0).staveCount % 3, 0);
    // One system: the voice, then the piano's right hand (chord tops), then its left hand.
    EXPECT_EQ(reading(doc, StaveSelection::Treble),
              "C5/4 D5/4 E5/4 F5/4 G5/2 E5/4 C5/4 G4/2 A4/2 G4/2 E4/2");
    EXPECT_EQ(reading(doc, StaveSelection::Bass), "C3/2 G2/2 C3/1");
    EXPECT_EQ(notShownText(imported.report.notShown), "");
    expectFiguresApart(doc, "voice-piano.musicxml");
}

TEST(MusicXmlImport, HairpinsPedalAndArpeggioStandWhereTheirNotesAre) {
    const Imported imported = importFile("voice-piano.musicxml");
    const ScoreDocument& doc = *imported.doc;
    const int interval = doc.settings(0).staveInterval;
    const int pitch = doc.header.verticalPitch;
    const std::vector<int> voice = noteColumns(doc, 0);
    const std::vector<int> right = noteColumns(doc, 2 * interval);
    const std::vector<int> left = noteColumns(doc, 4 * interval);
    ASSERT_EQ(voice.size(), 7u);
    ASSERT_EQ(right.size(), 4u);
    ASSERT_EQ(left.size(), 3u);

    // Crescendo from the first note to the fourth, decrescendo from bar 2's first note to just
    // before the final bar; both under the voice's stave, above the piano's.
    const std::vector<SymbolRecord> cresc = recordsOf(doc, kCrescendo);
    const std::vector<SymbolRecord> dim = recordsOf(doc, kDecrescendo);
    ASSERT_EQ(cresc.size(), 1u);
    ASSERT_EQ(dim.size(), 1u);
    EXPECT_EQ(cresc[0][1], voice[0]);
    EXPECT_EQ(cresc[0][3], columnToX(voice[3]));
    EXPECT_EQ(dim[0][1], voice[4]);
    const std::vector<SymbolRecord> finals = recordsOf(doc, kFinalBarLine);
    ASSERT_FALSE(finals.empty());
    EXPECT_EQ(dim[0][3], columnToX(finals[0][1] - 1));
    for (const SymbolRecord& r : {cresc[0], dim[0]}) {
        EXPECT_GT(r[2], 8 + 1);
        EXPECT_LT(r[2], 2 * interval - 2);
    }

    // Pedal down and up under the left hand at its notes; bar 2's release before the bar.
    const std::vector<SymbolRecord> down = recordsOf(doc, kPedal);
    const std::vector<SymbolRecord> up = recordsOf(doc, kPedalRelease);
    ASSERT_EQ(down.size(), 2u);
    ASSERT_EQ(up.size(), 2u);
    EXPECT_EQ(down[0][1], left[0]);
    EXPECT_EQ(up[0][1], left[1]);
    EXPECT_EQ(down[1][1], left[2]);
    EXPECT_EQ(up[1][1], finals[0][1] - 1);
    for (const SymbolRecord& r : {down[0], down[1], up[0], up[1]})
        EXPECT_GT(r[2], 4 * interval + 9);

    // The arpeggio in a column of its own left of the first chord, its wave over every head.
    const std::vector<SymbolRecord> arpeggio = recordsOf(doc, kArpeggio);
    ASSERT_EQ(arpeggio.size(), 1u);
    EXPECT_LT(arpeggio[0][1], right[0]);
    EXPECT_GT(arpeggio[0][1], right[0] - 4);
    const int waveTop = arpeggio[0][2] * pitch - 25 * pitch / 6;
    const int chordTop = 2 * interval + 38 - 32;  // G4 .. C4 on the treble stave
    const int chordBottom = 2 * interval + 38 - 28;
    EXPECT_LE(waveTop, chordTop * pitch);
    EXPECT_GE(waveTop + 50, chordBottom * pitch);
}

TEST(MusicXmlImport, ChordTiesAndMarksAreReadOnlyOnTheirOwnNotes) {
    const Imported imported = importFile("piano-marks.musicxml");
    const ScoreDocument& doc = *imported.doc;
    // A staccato over a low stem-down treble note, above the bass's high note in the same
    // column, is read on the treble note alone: the staves stand far enough apart.
    // In bar 2 a chord begun on the bass staff sounds its treble note at the chord's onset.
    EXPECT_EQ(reading(doc, StaveSelection::Treble), "C4/4+10 C5/4+4 C5/4 r/4 D4/4 E4/4 F4/2");
    EXPECT_EQ(reading(doc, StaveSelection::Bass), "C4/4 C3/2 r/4 A3/4 r/2 r/4");
    EXPECT_EQ(notShownText(imported.report.notShown), "");
    // The chord's tie leaves and reaches its chords clear of the heads below the top note.
    const std::vector<int> chords = noteColumns(doc, 0);
    ASSERT_EQ(chords.size(), 6u);
    const std::vector<SymbolRecord> ties = recordsOf(doc, kSlur);
    ASSERT_EQ(ties.size(), 1u);
    EXPECT_EQ(ties[0][1], chords[1] + 2);
    EXPECT_EQ(ties[0][3], chords[2] - 2);
}

// How many measures each system of the document holds: the bars on its first stave.
std::vector<int> measuresPerSystem(const ScoreDocument& doc, int staves) {
    std::vector<int> counts;
    for (int p = 0; p < doc.header.pageCount; ++p) {
        const PageSettings& s = doc.settings(p);
        for (int first = 0; first < s.staveCount; first += staves) {
            int bars = 0;
            for (int i = 0; i < doc.symbolCount(p); ++i) {
                const SymbolRecord& r = doc.record(p, i);
                const bool bar = r.kind() == kBarLine || r.kind() == kFinalBarLine;
                if (bar && r[2] == 2 * s.staveInterval * first + 4) ++bars;
            }
            counts.push_back(bars);
        }
    }
    return counts;
}

TEST(MusicXmlImport, FourStavesMakeBlankPagesWithTheirOwnStavesAndAlignedColumns) {
    const Expected<musicxml::Score> score = musicxml::readScoreFile(musicXmlData("satb.musicxml"));
    ASSERT_TRUE(score.ok());
    const Imported imported = importFile("satb.musicxml");
    const ScoreDocument& doc = *imported.doc;
    ASSERT_GT(doc.header.pageCount, 1);
    // The tenor's octave treble clef becomes the bass clef its range suits, on every system.
    EXPECT_EQ(notShownText(imported.report.notShown), "not shown: 1 × octave G clef");
    expectFiguresApart(doc, "satb.musicxml");

    for (int p = 0; p < doc.header.pageCount; ++p) {
        const PageSettings& s = doc.settings(p);
        EXPECT_EQ(s.scoreType, kBlank);
        ASSERT_EQ(s.staveCount % 4, 0);
        // Lines and clefs where staff construction puts them; S and A treble, T and B bass.
        std::map<int, int> lines;              // row → count
        std::map<int, int> clefs;              // row → kind
        std::map<int, std::vector<int>> bars;  // stave top → bar columns
        for (int i = 0; i < doc.symbolCount(p); ++i) {
            const SymbolRecord& r = doc.record(p, i);
            if (r.kind() == kStraightLine) {
                EXPECT_EQ(r[1], 6);
                EXPECT_EQ(r[3], 552);
                ++lines[r[2]];
            }
            if (r.kind() == kGClef || r.kind() == kFClef) {
                EXPECT_EQ(r[1], 9);
                clefs[r[2]] = r.kind();
            }
            if (r.kind() == kBarLine || r.kind() == kFinalBarLine) bars[r[2] - 4].push_back(r[1]);
        }
        for (int stave = 0; stave < s.staveCount; ++stave) {
            const int top = 2 * s.staveInterval * stave;
            for (int j = 0; j < 5; ++j) EXPECT_EQ(lines[top + 2 * j], 1) << top + 2 * j;
            EXPECT_EQ(clefs[top + 4], stave % 4 < 2 ? kGClef : kFClef);
            // Measures whole on the system: every stave has the bars of its first.
            EXPECT_EQ(bars[top], bars[2 * s.staveInterval * (stave - stave % 4)]);
        }
        // The voices sing together, so every column with a note or rest has one on each stave.
        std::map<int, int> sounding;
        for (int i = 0; i < doc.symbolCount(p); ++i) {
            const SymbolRecord& r = doc.record(p, i);
            if (noteValueOf(r.kind()) != 0 || restValueOf(r.kind()) != 0) ++sounding[r[1]];
        }
        for (const auto& [column, count] : sounding) EXPECT_EQ(count, s.staveCount) << column;
    }

    // Each voice reads back system by system: S then A among the treble staves, T then B.
    const std::vector<int> systems = measuresPerSystem(doc, 4);
    std::vector<int> treble, bass;
    size_t first = 0;
    for (const int count : systems) {
        for (size_t part = 0; part < 4; ++part) {
            const std::vector<std::vector<int>> keys = writtenKeysByMeasure(*score, part, 1);
            for (size_t m = first; m < first + static_cast<size_t>(count); ++m)
                (part < 2 ? treble : bass)
                    .insert((part < 2 ? treble : bass).end(), keys[m].begin(), keys[m].end());
        }
        first += static_cast<size_t>(count);
    }
    EXPECT_EQ(first, 8u);
    EXPECT_EQ(readKeys(doc, StaveSelection::Treble), treble);
    EXPECT_EQ(readKeys(doc, StaveSelection::Bass), bass);
}

}  // namespace
}  // namespace noma::interchange
