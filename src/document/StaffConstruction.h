#pragma once

namespace noma {

class ScoreDocument;

enum class ConstructionOrder {
    NewScore,  // stave by stave: lines, brace, clef, key signature
    AddPage,   // all lines and braces first, then every stave's clef and key signature
};

// Appends the staves of `page` from its stored settings and `keyIndex`.
// The page's records are expected to be cleared beforehand.
void constructStaves(ScoreDocument& doc, int page, int keyIndex, ConstructionOrder order);

}  // namespace noma
