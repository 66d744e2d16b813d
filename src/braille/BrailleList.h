#pragma once

#include <string>
#include <vector>

#include "braille/BrailleCell.h"

namespace noma {

// One row of the braille symbol list window.
struct BrailleListRow {
    std::string keys;     // what to type in direct entry; alternatives separated by a space
    std::string braille;  // the cells in six-position form, "( -2--56 )", separated by spaces
    std::string name;
    std::vector<BrailleCell> cells;
};

struct BrailleListPage {
    std::string title;
    std::vector<BrailleListRow> rows;
};

// The four tab pages of the list. The cells are what the conversion gives for the keys, so
// the list can never disagree with what typing them writes.
const std::vector<BrailleListPage>& brailleListPages();

}  // namespace noma
