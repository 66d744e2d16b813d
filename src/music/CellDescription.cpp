#include "music/CellDescription.h"

#include <algorithm>

#include "braille/BrailleCell.h"
#include "document/PageGeometry.h"
#include "document/ScoreDocument.h"
#include "document/SymbolCatalogue.h"
#include "document/SymbolKind.h"
#include "platform/Geometry.h"

namespace noma {

namespace {

std::string kindName(int kind) {
    return std::string(kind < kModeTableSize ? modeInfo(kind).modeName : modeText(kind));
}

// The symbols whose anchor lies in the cell, in record order.
std::vector<std::string> symbolsAt(const ScoreDocument& doc, int page, int column, int row) {
    const int pitch = std::max<int>(doc.header.verticalPitch, 1);
    std::vector<std::string> names;
    for (int i = 0; i < doc.symbolCount(page); ++i) {
        const SymbolRecord& r = doc.record(page, i);
        const int kind = r.kind();
        if (kind == kEmptyKind) continue;
        if (kind == kBraille) {
            // A cell is written 6 pixels left of and 9 above the point clicked for it.
            const BrailleView cell = brailleOf(r);
            if (floorDiv(int64_t{cell.x} + 6, kColumnWidth) != column ||
                floorDiv(int64_t{cell.y} + 9, pitch) != row)
                continue;
            names.push_back("点字 " + dotNumbers(static_cast<BrailleCell>(cell.dots & 0x3f)) +
                            "の点");
            continue;
        }
        const CellPoint at = cellOf(r);
        const int atColumn = fieldRole(kind, 1) == FieldRole::PixelX
                                 ? floorDiv(at.column, kColumnWidth)
                                 : static_cast<int>(at.column);
        if (atColumn != column || at.row != row) continue;
        if (std::string name = kindName(kind); !name.empty()) names.push_back(std::move(name));
    }
    return names;
}

}  // namespace

const StaveReading* staveAtRow(const ScoreDocument& doc, int page, int row,
                               const std::vector<StaveReading>& staves) {
    const int interval = doc.settings(page).staveInterval;
    for (const StaveReading& stave : staves) {
        const int top = 2 * stave.stave * interval;
        if (row >= top - interval + 4 && row <= top + interval + 3) return &stave;
    }
    return nullptr;
}

std::string describeCell(const ScoreDocument& doc, int page, int column, int row,
                         const std::vector<StaveReading>& staves) {
    std::vector<std::string> parts = symbolsAt(doc, page, column, row);
    if (const StaveReading* stave = staveAtRow(doc, page, row, staves)) {
        const int top = 2 * stave->stave * doc.settings(page).staveInterval;
        parts.push_back(stave->heading.substr(0, stave->heading.find("、")));
        parts.push_back(degreeName(38 + top + stave->clefOffset - row, stave->fifths));
        if (const int measure = stave->measureAt(column); measure != 0)
            parts.push_back("第" + std::to_string(measure) + "小節");
    } else {
        parts.emplace_back("段の外");
    }
    std::string text;
    for (const std::string& part : parts) text += (text.empty() ? "" : "、") + part;
    return text;
}

}  // namespace noma
