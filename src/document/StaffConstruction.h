#pragma once

#include <vector>

#include "document/ScoreDocument.h"

namespace noma {

enum class ConstructionOrder {
    NewScore,  // stave by stave: lines, brace, clef, key signature
    AddPage,   // all lines and braces first, then every stave's clef and key signature
};

// Appends the staves of `page` from its stored settings and `keyIndex`.
// The page's records are expected to be cleared beforehand.
void constructStaves(ScoreDocument& doc, int page, int keyIndex, ConstructionOrder order);

// The records of stave `stave` alone, in the new-score order (lines, brace, clef, key
// signature), with `clefKind` (41 or 42) in place of the score type's clef.
std::vector<SymbolRecord> staveRecords(int orientation, int pitch, const PageSettings& settings,
                                       int stave, int clefKind, int keyIndex);

}  // namespace noma
