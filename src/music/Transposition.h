#pragma once

#include <optional>
#include <string_view>

#include "platform/Status.h"

namespace noma {

class ScoreDocument;

constexpr int kMaxShift = 7;
constexpr int kShiftItemCount = 2 * kMaxShift + 1;

// What the transposition dialog's execute hands over.
struct TranspositionSettings {
    int keyIndex = 0;   // the new key, 0..14
    int shift = 0;      // staff steps, -7..7; positive moves symbols up (to smaller rows)
    int firstPage = 1;  // 1-based, inclusive
    int lastPage = 1;
};

// The shift box: item 0 is +7, item 7 is 0, item 14 is -7.
constexpr int shiftOfItem(int item) {
    return kMaxShift - item;
}
std::string_view shiftItemText(int item);

// Rewrites pages first..last (nothing when first > last) for the new key: removes every
// key-signature symbol, moves the pitch-bearing symbols by the shift and appends the new
// key signature beside every clef left of column 30. A page never grows beyond 1000
// records; when some signatures had to be left out, the message to show says which pages.
// The caller marks the document changed and redraws.
Status transposePages(ScoreDocument& doc, const TranspositionSettings& settings);

inline constexpr const char* kTranspositionCaption = "　移調";
inline constexpr const char* kTranspositionKeyLabel = "新しい調：";
inline constexpr const char* kTranspositionShiftLabel = "音符の上げ下げ量 ：";
inline constexpr int kDefaultShiftItem = 7;
// The dialog refuses a range that would change nothing instead of silently doing nothing.
inline constexpr const char* kTranspositionEmptyRangeMessage =
    "開始ページが終了ページより後にあるため、移調できません。";

}  // namespace noma
