#pragma once

#include <string>
#include <vector>

#include "document/ScoreDocument.h"
#include "interchange/StaffMusic.h"

namespace noma::interchange {

struct LayoutSettings {
    int orientation = 0;
    int pitch = 8;
    int topMargin = 12;
    int interval = 10;
    int scoreType = 1;  // of every page: 1, 2, 4, or 3 (blank) for other systems
    // Per system, in order: pixels under its last stave's top line that its braille lines
    // need when it is a page's last system.
    std::vector<int> roomBelow{};
};

// One page as the import writes it: its type, staves and records in placement order.
struct LaidOutPage {
    int scoreType = 1;
    int staveCount = 0;
    std::vector<SymbolRecord> records;
};

// Where a system stands: its page, its first stave there and the column of every onset of its
// measures (all its staves share them).
struct SystemPlace {
    size_t page = 0;
    int firstStave = 0;
    size_t firstMeasure = 0;
    std::vector<std::vector<std::pair<int64_t, int>>> columns;  // per measure: (onset, column)
};

struct Layout {
    std::vector<LaidOutPage> pages;
    std::vector<SystemPlace> systems;
    std::vector<std::string> measuresCrowded;  // set with figures closer than a column apart
    std::vector<std::string> measuresTooWide;  // wider than a stave even so
    int notesBeyondStave = 0;                  // notes outside the rows the reading sees
};

// The stave interval that lets every note of the music lie within the rows its stave is read
// from, never below `least`; may exceed 20, which the caller then holds to 20.
int intervalForNotes(const std::vector<MeasureMusic>& music, int least);

// Lays the measures out on systems of `stavesPerSystem` staves on pages of `settings.scoreType`:
// staves, clefs and key signatures as staff construction makes them (lines and clefs on blank
// pages too), then the music, spaced by duration and justified,
// each measure whole on one system, pages added as staves and records fill.
Layout layOutMusic(const std::vector<MeasureMusic>& music, int stavesPerSystem,
                   const LayoutSettings& settings, NotShown& notShown);

}  // namespace noma::interchange
