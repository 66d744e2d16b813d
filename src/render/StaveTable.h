#pragma once

#include <array>

#include "document/ScoreDocument.h"

namespace noma::render {

// A page can hold 1000 records, so up to 200 staves can be detected.
constexpr int kMaxDetectedStaves = (kMaxRecords + 1) / 5;

// The staves found on a page from its staff lines (kind-46 horizontal lines starting in
// columns 6..9): the rows of their top lines and the ledger-line zones between them.
// Rebuilt by every rendering pass; also drives ledger lines in print.
struct StaveTable {
    // Row of the top line of stave s, top to bottom, for s < topCount.
    std::array<int, kMaxDetectedStaves> staveTop{};
    // Rows of ledger-line zone above stave s (and below stave s - 1), for s <= topCount.
    std::array<int, kMaxDetectedStaves + 1> staveGap{};
    // Staves with a top entry: (lines + 1) / 5, so four lines left of a stave still count.
    int topCount = 0;
    // Staves that get ledger lines: lines / 5.
    int staveCount = 0;

    void build(const ScoreDocument& doc, int page);
};

}  // namespace noma::render
