#pragma once

#include <string>
#include <vector>

#include "braille/DisplayMode.h"
#include "music/NoteReader.h"

namespace noma {

class ScoreDocument;

// One stave of a page read aloud.
struct StaveReading {
    int stave = 0;                // on the page, 0-based
    int clefOffset = 0;           // where its clef puts the staff degrees, as the reading found it
    int fifths = 0;               // its opening key: sharps (positive) or flats (negative)
    std::string heading;          // clef, number and key: "ト音記号の段 1、調号なし"
    std::vector<int> barColumns;  // ascending
    // Per span between bars (one more than the bars): its measure number from 1, or 0 for an
    // empty span before the first or after the last bar, which is not a measure.
    std::vector<int> measureNumbers;
    std::vector<std::string> lines;  // one per measure: "第1小節：…"

    // The measure number at `column`, 0 outside every measure.
    int measureAt(int column) const;
};

// Page `page` (1-based) read stave by stave; nothing for a page out of range.
std::vector<StaveReading> readStavesAloud(const ScoreDocument& doc, int page, StaveSelection staves,
                                          DisplayMode braille = kDisplayKana);

// The name of a staff degree (7 per octave from ド of octave 0) as the reading says a note's
// pitch, with the sharp or flat the key `fifths` gives it: "ソ5", "ファ♯4".
std::string degreeName(int degree, int fifths = 0);

// Page `page` (1-based) read aloud as lines of text: for each stave the music reading takes,
// its clef, number and key, then one line per measure with the notes and rests as the MIDI
// reading hears them, the marks it applied and the braille on the stave as the text it spells
// (`braille`: kana or alphabet; cells without a reading as braille pattern characters).
std::vector<std::string> describePage(const ScoreDocument& doc, int page, StaveSelection staves,
                                      DisplayMode braille = kDisplayKana);

}  // namespace noma
