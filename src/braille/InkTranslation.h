#pragma once

#include <string>
#include <vector>

#include "braille/BrailleCell.h"
#include "braille/DisplayMode.h"

namespace noma {

class ScoreDocument;

// Point size of translated text on the page images.
constexpr int kInkTextPoints = 10;

// One thing the translation puts on a page, in page pixels. The drawing layer draws the
// items in order: text in black on an opaque white box, dots as filled black 4 x 4 ellipses.
struct InkItem {
    enum class Kind { Text, Dots };
    Kind kind = Kind::Text;
    int cellX = 0;  // reference point of the cell the item stands for
    int cellY = 0;
    int x = 0;  // Text: top-left corner of the text; Dots: centre of dot 1
    int y = 0;
    std::string text;               // Text: UTF-8
    BrailleCell cell = kBlankCell;  // Dots: the cell

    // Dots: centres of the raised dots.
    std::vector<Point> dots() const { return raisedDotCentres(cell, {x, y}); }
    bool operator==(const InkItem&) const = default;
};

// The braille of page `page` translated to kana or letters, cells in reading order (top
// line first, each line left to right); nothing for the braille display. A kana cell is read
// with the prefix cell 19 pixels to its left; a numeral indicator takes the digit cells that
// follow it, 19 pixels apart, as full-width digits. Cells without a reading become dots 2
// pixels left of where the braille display puts them; blank cells give nothing.
std::vector<InkItem> translateBraillePage(const ScoreDocument& doc, int page, DisplayMode mode);

}  // namespace noma
