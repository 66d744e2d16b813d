#include "document/ScoreDocument.h"

#include <algorithm>

namespace noma {

ScoreDocument::ScoreDocument() : store_(static_cast<size_t>(kMaxPages) * kMaxRecords) {}

int ScoreDocument::totalSymbolCount() const {
    int total = 0;
    for (int p = 0; p < header.pageCount && p < kMaxPages; ++p) total += symbolCount(p);
    return total;
}

void ScoreDocument::clearSymbols() {
    std::fill(store_.begin(), store_.end(), SymbolRecord{});
    for (auto& page : pages) page.symbolCount = 0;
}

void ScoreDocument::clearPage(int page) {
    std::fill_n(pageRecords(page), kMaxRecords, SymbolRecord{});
    settings(page).symbolCount = 0;
}

bool ScoreDocument::append(int page, const SymbolRecord& r) {
    int& count = settings(page).symbolCount;
    if (count < 0 || count >= kMaxRecords) return false;
    record(page, count) = r;
    ++count;
    return true;
}

void ScoreDocument::remove(int page, int index) {
    int& count = settings(page).symbolCount;
    if (index < 0 || index >= count) return;
    SymbolRecord* records = pageRecords(page);
    std::copy(records + index + 1, records + count, records + index);
    --count;
}

void ScoreDocument::copyPage(int from, int to) {
    settings(to) = settings(from);
    const int count = std::clamp(settings(from).symbolCount, 0, kMaxRecords);
    std::copy_n(pageRecords(from), count, pageRecords(to));
}

}  // namespace noma
