#pragma once

#include <string>
#include <vector>

#include "braille/BrailleCell.h"
#include "interchange/StaffMusic.h"
#include "interchange/TactileLayout.h"
#include "musicxml/Score.h"

namespace noma::interchange {

// Text of the score written as braille cells beside the staves, as the braille writing window
// writes them: time signatures and words on a line above a stave, lyrics (a line per verse)
// and dynamics on lines below it, each line as close as the figures over or under its own
// cells allow. Braille cells are never read as music, so only the figures' shapes matter.

// Pixels from one line of cells to the next: a cell's white box and a little air.
constexpr int kBrailleLineHeight = 28;

// The frame the page view draws: what is written stays inside it.
int frameTop(int orientation);
int frameBottom(int orientation);

// The cells of a text as the window writes it; empty when some character has no cell.
std::vector<BrailleCell> textCells(const std::string& utf8);

// The cells of a time signature such as "3/4".
std::vector<BrailleCell> timeCells(const std::string& time);

// Pixels from a note's column to where the next syllable on the same line may start (its
// cells and a blank cell); 0 when the note has no lyric that is written.
int lyricReach(const musicxml::Note& top);

// The braille cells a measure adds to its page.
int brailleCellCount(const MeasureMusic& m);

struct BrailleRoom {
    int interval = 0;            // the stave interval that keeps the lines clear of the next stave
    std::vector<int> roomBelow;  // per system: pixels under its last stave's top line
};

// What the braille lines of the music need, measured on a layout of it; `roomBelow` is empty
// when the music has no such lines.
BrailleRoom roomForBraille(const Layout& layout, const std::vector<MeasureMusic>& music,
                           const LayoutSettings& settings);

// Writes the lines onto the layout's pages; what has no room is counted as not shown.
void addBrailleLines(Layout& layout, const std::vector<MeasureMusic>& music,
                     const LayoutSettings& settings, NotShown& notShown);

}  // namespace noma::interchange
