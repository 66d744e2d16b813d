#pragma once

#include <string_view>
#include <vector>

#include "document/SymbolCatalogue.h"

namespace noma {

class ScoreDocument;

// The search window's state: which kind is marked on the page and whether marking is on.
// It outlives the window: closing the window leaves the search as it is.
struct SearchState {
    int searchTarget = 0;
    int searchActive = 0;
};

// Show and "対象モード再設定": the target becomes the tool mode armed at that moment.
void retargetSearch(SearchState& state, int toolMode);
// "検索開始" / "検索解除": toggles the marking.
void toggleSearch(SearchState& state);
// The start/stop button's caption for the state.
std::string_view searchButtonCaption(const SearchState& state);

// The target's name in the window's read-only mode box.
std::string_view searchTargetName(int target);

// The marks of the page's records of the target kind, in record order; none while the
// search is off.
std::vector<SearchMark> searchMarks(const ScoreDocument& doc, int page, const SearchState& state);

inline constexpr const char* kSearchCaption = " 検索";
inline constexpr const char* kSearchStartCaption = "検索開始";
inline constexpr const char* kSearchStopCaption = "検索解除";
inline constexpr const char* kSearchRetargetCaption = "対象モード再設定";
inline constexpr int kSearchWindowX = 1040;
inline constexpr int kSearchWindowY = 714;
inline constexpr unsigned kSearchMarkColour = 0x00FFFF;  // aqua

}  // namespace noma
