#include "braille/InkTranslation.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <optional>
#include <string_view>
#include <tuple>

#include "braille/InkTables.h"
#include "document/PageGeometry.h"
#include "document/ScoreDocument.h"
#include "document/SymbolCatalogue.h"
#include "document/SymbolKind.h"
#include "platform/Utf8.h"

namespace noma {

namespace {

// A one-character reading sits over its cell; a two-character one starts over the prefix.
constexpr int kTextLeft = 5;
constexpr int kPairTextLeft = 24;
constexpr int kTextAbove = 5;
// Untranslated cells are drawn 2 pixels left of the braille display's dots.
constexpr int kDotsLeft = 6;
constexpr int kDotsAbove = 5;

struct PlacedCell {
    int y = 0;
    int x = 0;
    int index = 0;  // record order breaks ties between cells at one point
    int value = 0;  // field 3; anything outside 0..63 has no reading

    auto key() const { return std::tie(y, x, index); }
};

// The page's cells sorted into reading order, which is also how they are looked up by point.
class CellIndex {
  public:
    CellIndex(const ScoreDocument& doc, int page) {
        const int originY = rowOriginY(doc.settings(page).topMargin, doc.header.verticalPitch);
        for (int i = 0; i < doc.symbolCount(page); ++i) {
            const SymbolRecord& r = doc.record(page, i);
            if (r.kind() != kBraille) continue;
            const BrailleView cell = brailleOf(r);
            // A cell whose page y does not fit an int lies far off the page and is never read.
            const int64_t y = int64_t{cell.y} + originY;
            if (y < INT_MIN || y > INT_MAX) continue;
            cells_.push_back({static_cast<int>(y), cell.x, i, cell.dots});
        }
        std::sort(cells_.begin(), cells_.end(),
                  [](const PlacedCell& a, const PlacedCell& b) { return a.key() < b.key(); });
    }

    const std::vector<PlacedCell>& cells() const { return cells_; }

    // The first cell in record order whose reference point is (x, y).
    std::optional<int> valueAt(int x, int y) const {
        const auto found =
            std::lower_bound(cells_.begin(), cells_.end(), std::make_tuple(y, x, INT_MIN),
                             [](const PlacedCell& c, const auto& key) { return c.key() < key; });
        if (found == cells_.end() || found->y != y || found->x != x) return std::nullopt;
        return found->value;
    }

  private:
    std::vector<PlacedCell> cells_;
};

bool isCell(int value) {
    return value >= 0 && value <= kMaxCellValue;
}

std::string_view readingOf(const CellIndex& index, const PlacedCell& c, DisplayMode mode) {
    if (!isCell(c.value)) return {};
    const auto cell = static_cast<BrailleCell>(c.value);
    if (mode == kDisplayAlphabet) return alphabetText(cell);
    const auto left = index.valueAt(c.x - kCellPitch, c.y);
    const PrefixCategory prefix = left && isCell(*left)
                                      ? prefixCategoryOf(static_cast<BrailleCell>(*left))
                                      : PrefixCategory::None;
    return kanaText(cell, prefix);
}

InkItem textItem(int cellX, int cellY, std::string_view text) {
    const int left = codePointCount(text) == 2 ? kPairTextLeft : kTextLeft;
    InkItem item;
    item.kind = InkItem::Kind::Text;
    item.cellX = cellX;
    item.cellY = cellY;
    item.x = cellX - left;
    item.y = cellY - kTextAbove;
    item.text = std::string(text);
    return item;
}

InkItem dotsItem(const PlacedCell& c) {
    InkItem item;
    item.kind = InkItem::Kind::Dots;
    item.cellX = c.x;
    item.cellY = c.y;
    item.x = c.x - kDotsLeft;
    item.y = c.y - kDotsAbove;
    item.cell = static_cast<BrailleCell>(c.value & kMaxCellValue);
    return item;
}

}  // namespace

std::vector<InkItem> translateBraillePage(const ScoreDocument& doc, int page, DisplayMode mode) {
    std::vector<InkItem> items;
    if (mode == kDisplayBraille) return items;
    const int width = pageWidth(doc.header.orientation);
    const int height = pageHeight(doc.header.orientation);
    const CellIndex index(doc, page);

    // After a numeral run the reading goes on just right of its last digit, so the digits
    // (and anything else at or before them on the line) are not read a second time.
    int skipY = INT_MIN;
    int skipBeforeX = INT_MIN;
    for (const PlacedCell& c : index.cells()) {
        if (c.x < 0 || c.x >= width || c.y < 0 || c.y >= height) continue;
        if (c.y == skipY && c.x < skipBeforeX) continue;
        const std::string_view reading = readingOf(index, c, mode);
        if (!reading.empty()) {
            items.push_back(textItem(c.x, c.y, reading));
            continue;
        }
        if ((c.value & kMaxCellValue) != kBlankCell) items.push_back(dotsItem(c));
        if (c.value != kNumeralIndicator) continue;
        int x = c.x;
        while (true) {
            const auto next = index.valueAt(x + kCellPitch, c.y);
            if (!next || !isCell(*next)) break;
            const std::string_view digit = digitText(static_cast<BrailleCell>(*next));
            if (digit.empty()) break;
            x += kCellPitch;
            items.push_back(textItem(x, c.y, digit));
        }
        skipY = c.y;
        skipBeforeX = x + 1;
    }
    return items;
}

}  // namespace noma
