#include "music/MarkValues.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <utility>

#include "document/PageGeometry.h"
#include "document/ScoreDocument.h"
#include "document/SymbolCatalogue.h"
#include "document/SymbolKind.h"
#include "music/NoteKinds.h"

namespace noma {

namespace {

struct Placed {
    int64_t column;  // for a dot: its x in pixels
    int64_t row;
    int index;
};

// Stemmed notes sorted by column, so that a mark only looks at the few columns near it.
class NoteIndex {
  public:
    explicit NoteIndex(std::vector<Placed> notes) : notes_(std::move(notes)) {
        std::sort(notes_.begin(), notes_.end(), [](const Placed& a, const Placed& b) {
            return a.column != b.column ? a.column < b.column : a.index < b.index;
        });
    }

    template <typename Visit>
    void forColumns(int64_t lo, int64_t hi, Visit visit) const {
        auto it = std::lower_bound(notes_.begin(), notes_.end(), lo,
                                   [](const Placed& p, int64_t c) { return p.column < c; });
        for (; it != notes_.end() && it->column <= hi; ++it) visit(*it);
    }

  private:
    std::vector<Placed> notes_;
};

class MarkFinder {
  public:
    MarkFinder(const ScoreDocument& doc, int page)
        : records_(doc.pageRecords(page)),
          count_(doc.symbolCount(page)),
          pitch_(doc.header.verticalPitch),
          marks_(static_cast<size_t>(count_), 0),
          notes_(collect()) {}

    std::vector<int> run() {
        for (int i = 0; i < count_; ++i) {
            const SymbolRecord& r = records_[i];
            switch (r.kind()) {
                case kDot:
                    dot(i);
                    break;
                case kTripletAbove:
                    triplet(r);
                    break;
                case kSlur:
                case kSlurReversed:
                    tie(r);
                    break;
                case kStaccatoMark:
                    articulation(r, 13, kStaccato, false);
                    break;
                case kStaccatissimoMark:
                    articulation(r, 15, kStaccatissimo, false);
                    break;
                case kGraceNote:
                    articulation(r, 16, 0, true);
                    break;
                default:
                    break;
            }
        }
        return std::move(marks_);
    }

  private:
    std::vector<Placed> collect() {
        std::vector<Placed> notes;
        for (int i = 0; i < count_; ++i) {
            const SymbolRecord& r = records_[i];
            const CellPoint at = cellOf(r);
            if (isStemmedNote(r.kind())) notes.push_back({at.column, at.row, i});
            if (r.kind() == kDot) dots_.push_back({at.column, at.row, i});
        }
        std::sort(dots_.begin(), dots_.end(), [](const Placed& a, const Placed& b) {
            return a.row != b.row ? a.row < b.row : a.column < b.column;
        });
        return notes;
    }

    void setRhythm(int note, int mark) {
        int& m = marks_[static_cast<size_t>(note)];
        m = m - m % 10 + mark;
    }
    void setArticulation(int note, int tens) {
        int& m = marks_[static_cast<size_t>(note)];
        m = tens * 10 + m % 10;
    }

    bool dotBesideNote(const Placed& dot, const Placed& note) const {
        return std::llabs(dot.column - kColumnWidth * note.column) < 3 * pitch_ &&
               std::llabs(dot.row - note.row) * pitch_ < 2 * pitch_;
    }

    // `second` lies just right of `first` on the note's own row.
    bool secondDot(const Placed& first, const Placed& second, const Placed& note) const {
        return second.index != first.index && second.column > first.column &&
               second.column - first.column < 2 * pitch_ && second.row == note.row;
    }

    void dot(int i) {
        const Placed self{records_[i][1], records_[i][2], i};
        const int64_t reach = 3 * pitch_;
        notes_.forColumns((self.column - reach) / kColumnWidth - 1,
                          (self.column + reach) / kColumnWidth + 1, [&](const Placed& note) {
                              if (!dotBesideNote(self, note)) return;
                              setRhythm(note.index,
                                        isDoubleDot(self, note) ? kDoubleDotted : kDotted);
                          });
    }

    // Either dot of a pair counts, whichever comes later in record order: the second dot of
    // a double dot must not turn the note back into a single-dotted one.
    bool isDoubleDot(const Placed& self, const Placed& note) const {
        bool found = false;
        forDots(note.row, self.column + 1, self.column + 2 * pitch_ - 1,
                [&](const Placed& other) { found = found || secondDot(self, other, note); });
        if (found || self.row != note.row) return found;
        for (int64_t row = note.row - 1; row <= note.row + 1; ++row) {
            forDots(row, self.column - 2 * pitch_ + 1, self.column - 1, [&](const Placed& other) {
                found = found || (secondDot(other, self, note) && dotBesideNote(other, note));
            });
        }
        return found;
    }

    // Dots on `row` with x in lo..hi.
    template <typename Visit>
    void forDots(int64_t row, int64_t lo, int64_t hi, Visit visit) const {
        auto it = std::lower_bound(dots_.begin(), dots_.end(), std::pair{row, lo},
                                   [](const Placed& p, const std::pair<int64_t, int64_t>& key) {
                                       return p.row != key.first ? p.row < key.first
                                                                 : p.column < key.second;
                                   });
        for (; it != dots_.end() && it->row == row && it->column <= hi; ++it) visit(*it);
    }

    void triplet(const SymbolRecord& r) {
        const BracketView bracket = bracketOf(r);
        const int64_t column = bracket.start.column;
        const int64_t row = bracket.start.row;
        const int64_t width = bracket.columns;
        const int64_t depth = std::llabs(static_cast<int64_t>(bracket.rows));
        notes_.forColumns(column - 2, column + width + 1, [&](const Placed& note) {
            if (note.row > row && note.row < row + depth + 12) setRhythm(note.index, kTriplet);
        });
    }

    void tie(const SymbolRecord& r) {
        const SlurView slur = slurOf(r);
        if (slur.start.row != slur.end.row) return;  // a slur between different rows is not a tie
        const int64_t column = slur.start.column;
        const int64_t row = slur.start.row;
        notes_.forColumns(column - 2, column + 2, [&](const Placed& note) {
            if (std::llabs(note.row - row) < 5) setRhythm(note.index, kTied);
        });
    }

    // Staccato, staccatissimo and grace marks stand above their note within `reach` rows.
    void articulation(const SymbolRecord& r, int64_t reach, int tens, bool grace) {
        const CellPoint at = cellOf(r);
        const int64_t column = at.column;
        const int64_t row = at.row;
        notes_.forColumns(column - 2, column + 2, [&](const Placed& note) {
            if (note.row <= row || note.row - row >= reach) return;
            if (!grace) {
                setArticulation(note.index, tens);
                return;
            }
            const int kind = records_[note.index].kind();
            if (isFlaggedNote(kind)) setArticulation(note.index, noteValueOf(kind));
        });
    }

    const SymbolRecord* records_;
    int count_;
    int64_t pitch_;
    std::vector<int> marks_;
    std::vector<Placed> dots_;
    NoteIndex notes_;
};

}  // namespace

std::vector<int> computeMarkValues(const ScoreDocument& doc, int page) {
    return MarkFinder(doc, page).run();
}

}  // namespace noma
