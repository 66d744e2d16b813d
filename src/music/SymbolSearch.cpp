#include "music/SymbolSearch.h"

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
    if ((target >= kEmptyKind && target <= kGraceNote) ||
        (target >= kKeySharp && target <= kMainModeLast)) {
        return modeInfo(target).modeName;
    }
    if (target == kPedal || target == kPedalRelease) return "ペダル";
    if (target == kArpeggio || target == kInvertedV) return "ピアノ記号";
    if (target >= kGuitarFirst && target <= kGuitarLast) return "ギター譜";
    if (isUserMode(target)) return "オリジナル記号";
    if (target >= kPianoFirst) return "ピアノ記号";
    return "";
}

std::vector<SearchMark> searchMarks(const ScoreDocument& doc, int page, const SearchState& state) {
    std::vector<SearchMark> marks;
    if (state.searchActive != 1) return marks;
    const int pitch = doc.header.verticalPitch;
    const int topMargin = doc.settings(page).topMargin;
    for (int i = 0; i < doc.symbolCount(page); ++i) {
        const SymbolRecord& record = doc.record(page, i);
        if (record.kind() != state.searchTarget) continue;
        const HotPosition at = hotPosition(record, topMargin, pitch);
        marks.push_back(searchMarkAt(record.kind(), at.x, at.y, pitch));
    }
    return marks;
}

}  // namespace noma
