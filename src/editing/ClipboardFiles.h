#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "editing/EditState.h"
#include "platform/Canvas.h"
#include "platform/Status.h"

namespace noma {

inline constexpr const char* kClipboardDataFile = "NomaDataClipboard.txt";
inline constexpr const char* kClipboardPictureFile = "NomaJpgClipboard.jpg";
// Largest distance of a clipboard region corner from the page origin, in columns or rows.
inline constexpr int kMaxRegionCorner = 100000;

// "L T R B count" and one "%d " line per record, CR LF line ends.
std::string formatClipboardData(const RegionSelection& selection);

struct ClipboardRead {
    enum class Status { Ok, Truncated, Malformed };
    Status status = Status::Ok;
    std::string problem;  // for Malformed
};

// Reads clipboard data into the selection (entries' indices are -1). More than 500 records keep
// the first 500 (Truncated). A malformed text leaves the selection untouched.
ClipboardRead parseClipboardData(std::string_view text, RegionSelection& selection);

// Writes the picture of the region from `page` (the visible image) and then the data file into
// the program folder.
Status writeClipboard(const std::string& folder, const RegionSelection& selection,
                      const Canvas& page, int pitch);

// Reads both clipboard files for a paste: the selection and the picture drawn at (0, 0) of
// `buffer`. On any failure nothing is changed.
Status readClipboard(const std::string& folder, RegionSelection& selection, Canvas& buffer,
                     bool& truncated);

inline constexpr const char* kClipboardEmptyMessage = "クリップボードにデータがありません。";

}  // namespace noma
