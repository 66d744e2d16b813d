#include "music/SymbolSearch.h"

#include <algorithm>
#include <cstdint>

#include "document/PageGeometry.h"
#include "document/ScoreDocument.h"
#include "document/SymbolCatalogue.h"
#include "document/SymbolKind.h"

namespace noma {

void retargetSearch(SearchState& state, int toolMode) {
    state.searchTarget = toolMode;
}

void toggleSearch(SearchState& state) {
    state.searchActive = state.searchActive == 0 ? 1 : 0;
}

std::string_view searchButtonCaption(const SearchState& state) {
    return state.searchActive == 0 ? kSearchStartCaption : kSearchStopCaption;
}

std::string_view searchTargetName(int target) {
    if ((target >= 0 && target <= 49) || (target >= 57 && target <= 63)) {
        return modeInfo(target).modeName;
    }
    if (target == kPedal || target == kPedalRelease) return "ペダル";
    if (target == kArpeggio || target == kInvertedV) return "ピアノ記号";
    if (target >= kGuitarFirst && target <= kGuitarLast) return "ギター譜";
    if (target >= 100 && target <= 199) return "オリジナル記号";
    if (target >= 200) return "ピアノ記号";
    return "";
}

namespace {

// Positions read from a file can be anywhere; a mark far off the page stays far off it.
int clampedCoordinate(int64_t v) {
    return static_cast<int>(std::clamp<int64_t>(v, -(int64_t{1} << 30), int64_t{1} << 30));
}

}  // namespace

std::vector<SearchMark> searchMarks(const ScoreDocument& doc, int page, const SearchState& state) {
    std::vector<SearchMark> marks;
    if (state.searchActive != 1) return marks;
    const int64_t pitch = doc.header.verticalPitch;
    const int64_t origin = rowOriginY(doc.settings(page).topMargin, doc.header.verticalPitch);
    const int64_t r = 15 * pitch / 6;
    for (int i = 0; i < doc.symbolCount(page); ++i) {
        const SymbolRecord& record = doc.record(page, i);
        if (record.kind() != state.searchTarget) continue;
        const bool braille = record.kind() == kBraille;
        const int64_t x = braille || record.kind() == kDot ? record[1] : int64_t{6} * record[1];
        const int64_t y = braille ? record[2] + origin : record[2] * pitch + origin;
        if (braille) {
            marks.push_back({true, clampedCoordinate(x - r), clampedCoordinate(y - 16),
                             clampedCoordinate(x + 20), clampedCoordinate(y + 23)});
        } else {
            marks.push_back({false, clampedCoordinate(x - r), clampedCoordinate(y - r),
                             clampedCoordinate(x + r), clampedCoordinate(y + r)});
        }
    }
    return marks;
}

}  // namespace noma
