#include "editing/ClipboardFiles.h"

#include <algorithm>

#include "document/PageGeometry.h"
#include "platform/FileIo.h"
#include "platform/JpegFile.h"
#include "platform/TokenReader.h"

namespace noma {

std::string formatClipboardData(const RegionSelection& s) {
    std::string out = std::to_string(s.left) + " " + std::to_string(s.top) + " " +
                      std::to_string(s.right) + " " + std::to_string(s.bottom) + " " +
                      std::to_string(s.count()) + "\r\n";
    for (const auto& e : s.entries) {
        for (int f = 0; f < kFieldCount; ++f) out += std::to_string(e.record[f]) + " ";
        out += "\r\n";
    }
    return out;
}

ClipboardRead parseClipboardData(std::string_view text, RegionSelection& selection) {
    TokenReader reader(text);
    int32_t head[5];
    for (auto& v : head) {
        if (reader.nextInt(v) != TokenReader::IntStatus::Ok) {
            return {ClipboardRead::Status::Malformed, "the first line is not five integers"};
        }
    }
    if (head[4] < 0) return {ClipboardRead::Status::Malformed, "negative record count"};
    // A copied region lies on a page, a few hundred columns or rows at most. Corners far beyond
    // that, or in the wrong order, come from no copy and would overflow the pixel arithmetic of
    // the paste preview.
    for (int i = 0; i < 4; ++i) {
        if (head[i] < -kMaxRegionCorner || head[i] > kMaxRegionCorner) {
            return {ClipboardRead::Status::Malformed, "a region corner is far off the page"};
        }
    }
    if (head[0] > head[2] || head[1] > head[3]) {
        return {ClipboardRead::Status::Malformed, "the region's corners are in the wrong order"};
    }
    RegionSelection read;
    read.left = head[0];
    read.top = head[1];
    read.right = head[2];
    read.bottom = head[3];
    const int wanted = head[4];
    const int kept = wanted < kMaxSelection ? wanted : kMaxSelection;
    for (int i = 0; i < kept; ++i) {
        RegionSelection::Entry e;
        e.index = -1;
        for (int f = 0; f < kFieldCount; ++f) {
            if (reader.nextInt(e.record[f]) != TokenReader::IntStatus::Ok) {
                return {ClipboardRead::Status::Malformed,
                        "record " + std::to_string(i + 1) + " is incomplete"};
            }
        }
        read.entries.push_back(e);
    }
    selection = std::move(read);
    return {wanted > kMaxSelection ? ClipboardRead::Status::Truncated : ClipboardRead::Status::Ok,
            {}};
}

Status writeClipboard(const std::string& folder, const RegionSelection& s, const Canvas& page,
                      int pitch) {
    // A region one column or one row thin still leaves a picture to follow the pointer.
    const int width = std::max(1, (s.right - s.left) * kColumnWidth);
    const int height = std::max(1, (s.bottom - s.top) * pitch);
    const std::string picture = joinPath(folder, kClipboardPictureFile);
    Status written = writeJpegFile(picture, page, columnToX(s.left), pitch * s.top, width, height);
    if (written.ok()) {
        written = writeFileAtomically(joinPath(folder, kClipboardDataFile), formatClipboardData(s));
    }
    if (written.ok()) return written;
    return Failure{"クリップボードへ書き込めませんでした。\n" + folder,
                   "cannot write the clipboard files: " + written.failure().gloss};
}

Status readClipboard(const std::string& folder, RegionSelection& selection, Canvas& buffer,
                     bool& truncated) {
    const Expected<std::string> text = readWholeFile(joinPath(folder, kClipboardDataFile));
    if (!text.ok()) return Failure{kClipboardEmptyMessage, "the clipboard is empty"};
    RegionSelection read;
    const ClipboardRead result = parseClipboardData(*text, read);
    if (result.status == ClipboardRead::Status::Malformed) {
        return Failure{"クリップボードのデータが正しくないため、貼り付けできません。",
                       "the clipboard data is not valid"};
    }
    const auto picture = readJpegFile(joinPath(folder, kClipboardPictureFile));
    if (!picture) {
        return Failure{"クリップボードの画像が読み込めないため、貼り付けできません。",
                       "the clipboard picture cannot be read"};
    }
    selection = std::move(read);
    truncated = result.status == ClipboardRead::Status::Truncated;
    buffer.clear(kWhite);
    buffer.copyRect({0, 0, picture->width(), picture->height()}, *picture,
                    {0, 0, picture->width(), picture->height()});
    return {};
}

}  // namespace noma
