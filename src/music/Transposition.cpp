#include "music/Transposition.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <string>

#include "document/PageGeometry.h"
#include "document/ScoreDocument.h"
#include "document/SymbolCatalogue.h"
#include "document/SymbolKind.h"

namespace noma {

namespace {

constexpr int kSignatureColumnLimit = 30;

// Rows from a file may lie anywhere in the 32-bit range; moving them must not wrap around.
int32_t clampedRow(int64_t row) {
    return static_cast<int32_t>(std::clamp<int64_t>(row, std::numeric_limits<int32_t>::min(),
                                                    std::numeric_limits<int32_t>::max()));
}

int32_t shifted(int32_t row, int shift) {
    return clampedRow(static_cast<int64_t>(row) - shift);
}

void removeKeySignatures(ScoreDocument& doc, int page) {
    SymbolRecord* records = doc.pageRecords(page);
    const int count = doc.symbolCount(page);
    int kept = 0;
    for (int i = 0; i < count; ++i) {
        const int kind = records[i].kind();
        if (kind == kKeySharp || kind == kKeyFlat) continue;
        if (kept != i) records[kept] = records[i];
        ++kept;
    }
    doc.settings(page).symbolCount = kept;
}

void moveSymbols(ScoreDocument& doc, int page, int shift) {
    SymbolRecord* records = doc.pageRecords(page);
    for (int i = 0; i < doc.symbolCount(page); ++i) {
        SymbolRecord& r = records[i];
        if (!followsTransposition(r.kind())) continue;
        for (int f = 1; f < kFieldCount; ++f)
            if (fieldRole(r.kind(), f) == FieldRole::Row) r[f] = shifted(r[f], shift);
    }
}

// The new signature beside each clef, placed as staff construction places it. False when
// the page filled up before every accidental was placed.
bool appendKeySignatures(ScoreDocument& doc, int page, int keyIndex) {
    const int orientation = doc.header.orientation;
    const int clefCount = doc.symbolCount(page);
    for (int i = 0; i < clefCount; ++i) {
        const SymbolRecord clef = doc.record(page, i);
        const CellPoint at = cellOf(clef);
        if ((clef.kind() != kGClef && clef.kind() != kFClef) ||
            at.column >= kSignatureColumnLimit) {
            continue;
        }
        const int d = clef.kind() == kGClef ? 0 : 2;
        const int64_t top = static_cast<int64_t>(at.row) - 4;
        for (int n = 1; n <= accidentalCount(keyIndex); ++n) {
            const SymbolRecord r =
                keyHasSharps(keyIndex)
                    ? placedRecord(kKeySharp, d / 2 + 3 * orientation + 10 + 2 * n,
                                   clampedRow(top + d + sharpRowOffset(n)))
                    : placedRecord(kKeyFlat, 3 * orientation + 11 + 2 * n,
                                   clampedRow(top + d + flatRowOffset(n)));
            if (!doc.append(page, r)) return false;
        }
    }
    return true;
}

}  // namespace

std::string_view shiftItemText(int item) {
    static constexpr std::array<std::string_view, kShiftItemCount> kItems = {
        "　＋７", "　＋６", "　＋５", "　＋４", "　＋３", "　＋２", "　＋１", "　　０",
        "　－１", "　－２", "　－３", "　－４", "　－５", "　－６", "　－７"};
    if (item < 0 || item >= kShiftItemCount) return "";
    return kItems[static_cast<size_t>(item)];
}

Status transposePages(ScoreDocument& doc, const TranspositionSettings& settings) {
    const int first = std::max(settings.firstPage, 1);
    const int last = std::min(settings.lastPage, static_cast<int>(doc.header.pageCount));
    const int keyIndex = std::clamp(settings.keyIndex, 0, kKeyCount - 1);
    std::string fullPages;
    for (int p = first; p <= last; ++p) {
        removeKeySignatures(doc, p - 1);
        moveSymbols(doc, p - 1, settings.shift);
        if (!appendKeySignatures(doc, p - 1, keyIndex)) {
            fullPages += (fullPages.empty() ? "" : ", ") + std::to_string(p);
        }
    }
    if (fullPages.empty()) return {};
    return Failure{"記号が１ページ１０００個を超えるため、調号を追加しきれませんでした。（ページ " +
                       fullPages + "）",
                   "some key signatures were left out on page " + fullPages +
                       ": a page holds at most 1000 symbols"};
}

}  // namespace noma
