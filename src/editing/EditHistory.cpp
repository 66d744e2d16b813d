#include "editing/EditHistory.h"

#include <algorithm>
#include <cstring>

namespace noma {

namespace {

int pagesIn(const DocumentHeader& header) {
    return std::clamp(header.pageCount, 0, kMaxPages);
}

int recordsIn(const PageSettings& settings) {
    return std::clamp(settings.symbolCount, 0, kMaxRecords);
}

bool samePage(const ScoreDocument& doc, int page, const PageSnapshot& snapshot) {
    const PageSettings& settings = doc.settings(page);
    if (!(settings == snapshot.settings)) return false;
    const size_t count = static_cast<size_t>(recordsIn(settings));
    if (count != snapshot.records.size()) return false;
    // Records are plain integers: one memcmp is the quick way over a full page.
    return count == 0 || std::memcmp(snapshot.records.data(), doc.pageRecords(page),
                                     count * sizeof(SymbolRecord)) == 0;
}

}  // namespace

PageSnapshot snapshotOf(const ScoreDocument& doc, int page) {
    PageSnapshot snapshot;
    snapshot.settings = doc.settings(page);
    const SymbolRecord* records = doc.pageRecords(page);
    snapshot.records.assign(records, records + recordsIn(snapshot.settings));
    return snapshot;
}

EditHistory::EditHistory(size_t maxSteps, size_t maxBytes)
    : maxSteps_(maxSteps), maxBytes_(maxBytes) {}

void EditHistory::reset(const ScoreDocument& doc) {
    steps_.clear();
    position_ = 0;
    bytes_ = 0;
    seriesOpen_ = false;
    pages_.clear();
    for (int p = 0; p < pagesIn(doc.header); ++p) pages_.push_back(snapshotOf(doc, p));
    meta_ = {doc.header, doc.keyIndex, doc.currentPage};
}

std::string EditHistory::undoName() const {
    return canUndo() ? steps_[position_ - 1].name : std::string();
}

std::string EditHistory::redoName() const {
    return canRedo() ? steps_[position_].name : std::string();
}

EditHistory::Step EditHistory::diff(const ScoreDocument& doc) const {
    Step step;
    step.before = meta_;
    step.after = {doc.header, doc.keyIndex, doc.currentPage};
    const int n = pagesIn(doc.header);
    const int m = static_cast<int>(pages_.size());
    int first = 0;
    while (first < std::min(n, m) && samePage(doc, first, pages_[static_cast<size_t>(first)]))
        ++first;
    if (first == n && n == m) return step;

    // A page added, inserted or deleted moves the later pages: kept as the one page it is.
    if (n == m + 1) {
        bool shifted = true;
        for (int p = first + 1; p < n && shifted; ++p)
            shifted = samePage(doc, p, pages_[static_cast<size_t>(p - 1)]);
        if (shifted) {
            step.shift = Shift::Inserted;
            step.shiftPage = first;
            step.shiftContent = snapshotOf(doc, first);
        }
    } else if (n == m - 1) {
        bool shifted = true;
        for (int p = first; p < n && shifted; ++p)
            shifted = samePage(doc, p, pages_[static_cast<size_t>(p + 1)]);
        if (shifted) {
            step.shift = Shift::Deleted;
            step.shiftPage = first;
            step.shiftContent = pages_[static_cast<size_t>(first)];
        }
    }

    if (step.shift == Shift::None) {
        const PageSnapshot none;
        for (int p = first; p < std::max(n, m); ++p) {
            const PageSnapshot& old = p < m ? pages_[static_cast<size_t>(p)] : none;
            if (p < n && samePage(doc, p, old)) continue;
            PageDiff d;
            d.page = p;
            d.before = old.settings;
            d.after = p < n ? doc.settings(p) : PageSettings{};
            const SymbolRecord* a = old.records.data();
            const size_t na = old.records.size();
            const SymbolRecord* b = p < n ? doc.pageRecords(p) : nullptr;
            const size_t nb = p < n ? static_cast<size_t>(recordsIn(d.after)) : 0;
            size_t prefix = 0;
            while (prefix < na && prefix < nb && a[prefix] == b[prefix]) ++prefix;
            size_t suffix = 0;
            while (suffix < na - prefix && suffix < nb - prefix &&
                   a[na - 1 - suffix] == b[nb - 1 - suffix]) {
                ++suffix;
            }
            d.at = static_cast<int>(prefix);
            d.removed.assign(a + prefix, a + na - suffix);
            if (b != nullptr) d.inserted.assign(b + prefix, b + nb - suffix);
            step.pages.push_back(std::move(d));
        }
    }

    step.bytes = sizeof(Step) + step.shiftContent.records.size() * sizeof(SymbolRecord);
    for (const PageDiff& d : step.pages) {
        step.bytes +=
            sizeof(PageDiff) + (d.removed.size() + d.inserted.size()) * sizeof(SymbolRecord);
    }
    return step;
}

void EditHistory::forward(const Step& step) {
    if (step.shift == Shift::Inserted) {
        pages_.insert(pages_.begin() + step.shiftPage, step.shiftContent);
    } else if (step.shift == Shift::Deleted) {
        pages_.erase(pages_.begin() + step.shiftPage);
    }
    for (const PageDiff& d : step.pages) {
        if (pages_.size() <= static_cast<size_t>(d.page))
            pages_.resize(static_cast<size_t>(d.page) + 1);
        PageSnapshot& page = pages_[static_cast<size_t>(d.page)];
        page.settings = d.after;
        auto at = page.records.begin() + d.at;
        at = page.records.erase(at, at + static_cast<std::ptrdiff_t>(d.removed.size()));
        page.records.insert(at, d.inserted.begin(), d.inserted.end());
    }
    pages_.resize(static_cast<size_t>(pagesIn(step.after.header)));
    meta_ = step.after;
}

void EditHistory::backward(const Step& step) {
    for (auto d = step.pages.rbegin(); d != step.pages.rend(); ++d) {
        if (pages_.size() <= static_cast<size_t>(d->page))
            pages_.resize(static_cast<size_t>(d->page) + 1);
        PageSnapshot& page = pages_[static_cast<size_t>(d->page)];
        page.settings = d->before;
        auto at = page.records.begin() + d->at;
        at = page.records.erase(at, at + static_cast<std::ptrdiff_t>(d->inserted.size()));
        page.records.insert(at, d->removed.begin(), d->removed.end());
    }
    if (step.shift == Shift::Inserted) {
        pages_.erase(pages_.begin() + step.shiftPage);
    } else if (step.shift == Shift::Deleted) {
        pages_.insert(pages_.begin() + step.shiftPage, step.shiftContent);
    }
    pages_.resize(static_cast<size_t>(pagesIn(step.before.header)));
    meta_ = step.before;
}

bool EditHistory::record(const ScoreDocument& doc, const std::string& name, int pageBefore,
                         bool series) {
    const bool joins = series && seriesOpen_ && position_ == steps_.size() && !steps_.empty();
    seriesOpen_ = seriesOpen_ && series;
    if (joins) {
        // The series becomes one step from where it began to where it is now.
        Step last = std::move(steps_.back());
        steps_.pop_back();
        --position_;
        bytes_ -= last.bytes;
        backward(last);
        Step merged = diff(doc);
        merged.name = last.name;
        merged.before.currentPage = last.before.currentPage;
        merged.series = true;
        if (merged.pages.empty() && merged.shift == Shift::None &&
            merged.before.header == merged.after.header &&
            merged.before.keyIndex == merged.after.keyIndex) {
            // The keys brought everything back to where the series began.
            meta_ = merged.after;
            seriesOpen_ = false;
            return true;
        }
        forward(merged);
        bytes_ += merged.bytes;
        steps_.push_back(std::move(merged));
        ++position_;
        return true;
    }

    Step step = diff(doc);
    if (step.pages.empty() && step.shift == Shift::None &&
        step.before.header == step.after.header && step.before.keyIndex == step.after.keyIndex) {
        meta_.currentPage = doc.currentPage;
        return false;
    }
    step.name = name;
    step.before.currentPage = pageBefore;
    step.series = series;
    while (steps_.size() > position_) {
        bytes_ -= steps_.back().bytes;
        steps_.pop_back();
    }
    forward(step);
    bytes_ += step.bytes;
    steps_.push_back(std::move(step));
    ++position_;
    seriesOpen_ = series;
    trim();
    return true;
}

void EditHistory::trim() {
    while (!steps_.empty() && (steps_.size() > maxSteps_ || bytes_ > maxBytes_)) {
        bytes_ -= steps_.front().bytes;
        steps_.pop_front();
        if (position_ > 0) --position_;
    }
}

void EditHistory::writeBack(ScoreDocument& doc, int oldPageCount) const {
    doc.header = meta_.header;
    doc.keyIndex = meta_.keyIndex;
    const int n = pagesIn(meta_.header);
    for (int p = 0; p < n; ++p) {
        const PageSnapshot& page = pages_[static_cast<size_t>(p)];
        doc.settings(p) = page.settings;
        SymbolRecord* records = doc.pageRecords(p);
        std::copy(page.records.begin(), page.records.end(), records);
        std::fill(records + page.records.size(), records + kMaxRecords, SymbolRecord{});
    }
    for (int p = n; p < std::clamp(oldPageCount, 0, kMaxPages); ++p) {
        doc.clearPage(p);
        doc.settings(p) = PageSettings{};
    }
    doc.currentPage = std::clamp(meta_.currentPage, 0, std::max(n - 1, 0));
}

bool EditHistory::undo(ScoreDocument& doc) {
    if (!canUndo()) return false;
    const Step& step = steps_[position_ - 1];
    const int oldPageCount = doc.header.pageCount;
    backward(step);
    --position_;
    seriesOpen_ = false;
    writeBack(doc, oldPageCount);
    return true;
}

bool EditHistory::redo(ScoreDocument& doc) {
    if (!canRedo()) return false;
    const Step& step = steps_[position_];
    const int oldPageCount = doc.header.pageCount;
    forward(step);
    ++position_;
    seriesOpen_ = false;
    writeBack(doc, oldPageCount);
    return true;
}

}  // namespace noma
