#pragma once

#include <string_view>

#include "braille/BrailleCell.h"

namespace noma {

// What the cell just left of a kana cell makes of it.
enum class PrefixCategory {
    None,
    Voiced,                // 5
    SemiVoiced,            // 6
    Contracted,            // 4
    VoicedContracted,      // 45
    SemiVoicedContracted,  // 46
    Special,               // 26
    VoicedSpecial,         // 256
    Prefix456,             // 456
};

PrefixCategory prefixCategoryOf(BrailleCell left);

// Ink text (UTF-8) of a cell read after a prefix of the given category; a category the cell
// does not combine with gives its text alone. Empty when the cell has no kana reading.
std::string_view kanaText(BrailleCell cell, PrefixCategory prefix);

// Full-width lower-case letter of a letter cell; empty for every other cell.
std::string_view alphabetText(BrailleCell cell);

// Full-width digit of a digit cell, read only after the numeral indicator; empty otherwise.
std::string_view digitText(BrailleCell cell);

constexpr BrailleCell kNumeralIndicator = cellFromDots("3456");

}  // namespace noma
