#include "musicxml/ExportMarks.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string_view>

#include "braille/EnglishCells.h"
#include "braille/InkTables.h"
#include "document/PageGeometry.h"
#include "document/ScoreDocument.h"
#include "document/SymbolCatalogue.h"
#include "document/SymbolKind.h"
#include "music/MidiTiming.h"
#include "platform/Geometry.h"

namespace noma {

namespace {

// MusicXML numbers overlapping slurs and wedges 1..16.
constexpr int kMaxNumber = 16;
// A slur's end touches a note whose column is at most this far away.
constexpr int kSlurReach = 2;

constexpr std::array<std::string_view, 22> kDynamics = {
    "pppp", "ppp",  "pp",  "p",    "mp", "mf", "f",  "ff",  "fff", "ffff", "sf",
    "sfz",  "sffz", "sfp", "sfpp", "fp", "fz", "rf", "rfz", "n",   "pf",   "sfzp"};

std::optional<char> letterOf(int cell) {
    for (size_t i = 0; i < std::size(kLetterDots); ++i)
        if (cellFromDots(kLetterDots[i]) == cell) return static_cast<char>('a' + i);
    return std::nullopt;
}

std::optional<char> digitOf(int cell) {
    for (size_t i = 0; i < std::size(kDigitDots); ++i)
        if (cellFromDots(kDigitDots[i]) == cell) return static_cast<char>('0' + i);
    return std::nullopt;
}

// The digits after a numeral indicator at `i`; `i` ends on the last one.
std::string numeral(const std::vector<int>& cells, size_t& i) {
    std::string digits;
    while (i + 1 < cells.size()) {
        const auto digit = digitOf(cells[i + 1]);
        if (!digit) break;
        digits += *digit;
        ++i;
    }
    return digits;
}

// Letters as the braille window writes them (no capital or letter signs), with the full stop
// it writes after a letter ("cresc.").
std::optional<std::string> lettersOf(const std::vector<int>& cells) {
    constexpr int kFullStopAfterLetter = cellFromDots("256");
    std::string text;
    for (size_t i = 0; i < cells.size(); ++i) {
        if (cells[i] == kBlankCell) {
            text += ' ';
        } else if (cells[i] == kFullStopAfterLetter && i > 0 && letterOf(cells[i - 1])) {
            text += '.';
        } else if (cells[i] == kNumeralIndicator) {
            text += numeral(cells, i);
        } else if (const auto letter = letterOf(cells[i])) {
            text += *letter;
        } else {
            return std::nullopt;
        }
    }
    return text;
}

// Kana as the ink translation reads them: a prefix cell joins the cell after it.
std::optional<std::string> kanaOf(const std::vector<int>& cells) {
    std::string text;
    for (size_t i = 0; i < cells.size(); ++i) {
        const auto cell = static_cast<BrailleCell>(cells[i]);
        if (cell == kBlankCell) {
            text += ' ';
            continue;
        }
        if (cell == kNumeralIndicator) {
            text += numeral(cells, i);
            continue;
        }
        std::string_view reading = kanaText(cell, PrefixCategory::None);
        if (const PrefixCategory prefix = prefixCategoryOf(cell); prefix != PrefixCategory::None) {
            if (i + 1 >= cells.size()) return std::nullopt;
            reading = kanaText(static_cast<BrailleCell>(cells[++i]), prefix);
        }
        if (reading.empty()) return std::nullopt;
        text += reading;
    }
    return text;
}

struct Cell {
    int y;
    int x;
    int index;
    int value;
};

class MarkFinder {
  public:
    MarkFinder(const ScoreDocument& doc, const MusicReading& reading,
               const std::vector<EventTime>& times)
        : doc_(doc), reading_(reading), times_(times) {}

    std::vector<NoteMark> run(int firstPage, int lastPage) {
        const int first = std::max(firstPage, 1);
        const int last = std::min(lastPage, static_cast<int>(doc_.header.pageCount));
        for (int p = first - 1; p < last; ++p) page(p);
        number(slurs_, NoteMark::Kind::SlurStop);
        number(wedges_, NoteMark::Kind::WedgeStop);
        std::stable_sort(marks_.begin(), marks_.end(),
                         [](const NoteMark& a, const NoteMark& b) { return a.event < b.event; });
        return std::move(marks_);
    }

  private:
    struct Span {
        size_t start;
        size_t stop;
        NoteMark::Kind kind;
    };

    void page(int p) {
        const SymbolRecord* records = doc_.pageRecords(p);
        std::vector<Cell> cells;
        for (int i = 0; i < doc_.symbolCount(p); ++i) {
            const SymbolRecord& r = records[i];
            switch (r.kind()) {
                case kSlur:
                case kSlurReversed:
                    slur(p, slurOf(r));
                    break;
                case kCrescendo:
                case kDecrescendo:
                    hairpin(p, r);
                    break;
                case kBraille: {
                    const BrailleView cell = brailleOf(r);
                    cells.push_back({cell.y, cell.x, i, cell.dots});
                    break;
                }
                default:
                    break;
            }
        }
        words(p, std::move(cells));
    }

    std::optional<int> staveOf(int p, int row) const {
        const PageSettings& s = doc_.settings(p);
        if (s.staveInterval <= 0) return std::nullopt;
        // Each stave reads the rows from I - 4 above its top line to I + 3 below it.
        const int64_t stave =
            floorDiv(int64_t{row} - 4 + s.staveInterval, 2 * int64_t{s.staveInterval});
        if (stave < 0 || stave >= s.staveCount) return std::nullopt;
        return static_cast<int>(stave);
    }

    // The note read nearest (column first, then row) to a point of a stave, `reach` columns
    // at most; a note tied into the one before it counts as that one. A stave's events lie
    // together, in column order.
    std::optional<size_t> nearestNote(int p, int stave, int column, int row, int reach) const {
        const std::vector<EventPlace>& places = reading_.places;
        const auto [from, to] =
            std::equal_range(places.begin(), places.end(), EventPlace{p, stave, 0, 0},
                             [](const EventPlace& a, const EventPlace& b) {
                                 return a.page != b.page ? a.page < b.page : a.stave < b.stave;
                             });
        const auto middle = std::lower_bound(
            from, to, column, [](const EventPlace& e, int c) { return e.column < c; });
        std::optional<size_t> best;
        int64_t bestColumns = reach;
        int64_t bestRows = 0;
        auto consider = [&](std::vector<EventPlace>::const_iterator it) {
            // Fields hold any 32-bit value: distances are taken in 64 bits.
            const int64_t columns = std::llabs(int64_t{it->column} - column);
            if (columns > bestColumns) return false;  // farther on this side
            const size_t event = static_cast<size_t>(it - places.begin());
            if (reading_.events[event].semitone == kRestSemitone) return true;
            const int64_t rows = std::llabs(int64_t{it->row} - row);
            if (!best || columns < bestColumns || rows < bestRows ||
                (rows == bestRows && event < *best)) {
                best = event;
                bestColumns = columns;
                bestRows = rows;
            }
            return true;
        };
        for (auto it = middle; it != to && consider(it); ++it) {
        }
        for (auto it = middle; it != from && consider(it - 1); --it) {
        }
        while (best && *best > 0 && times_[*best].merged) --*best;
        return best;
    }

    void slur(int p, const SlurView& s) {
        const auto stave = staveOf(p, s.start.row);
        if (!stave || staveOf(p, s.end.row) != stave) return;
        const auto a = nearestNote(p, *stave, s.start.column, s.start.row, kSlurReach);
        const auto b = nearestNote(p, *stave, s.end.column, s.end.row, kSlurReach);
        if (!a || !b || *a == *b) return;  // a tie's two notes are one sounding note
        slurs_.push_back({std::min(*a, *b), std::max(*a, *b), NoteMark::Kind::SlurStart});
    }

    void hairpin(int p, const SymbolRecord& r) {
        const CellPoint start = cellOf(r);
        const auto endColumn = static_cast<int>(floorDiv(hairpinEndX(r), kColumnWidth));
        const auto stave = staveOf(p, start.row);
        if (!stave) return;
        const int left = std::min(start.column, endColumn);
        const int right = std::max(start.column, endColumn);
        const auto a = nearestNote(p, *stave, left, start.row, INT_MAX);
        const auto b = nearestNote(p, *stave, right, start.row, INT_MAX);
        if (!a || !b || *a >= *b) return;
        wedges_.push_back(
            {*a, *b,
             r.kind() == kCrescendo ? NoteMark::Kind::Crescendo : NoteMark::Kind::Diminuendo});
    }

    // Runs of cells 19 pixels apart on one line, each read as a word at the note nearest
    // its first cell.
    void words(int p, std::vector<Cell> cells) {
        std::sort(cells.begin(), cells.end(), [](const Cell& a, const Cell& b) {
            if (a.y != b.y) return a.y < b.y;
            return a.x != b.x ? a.x < b.x : a.index < b.index;
        });
        const int pitch = std::max(doc_.header.verticalPitch, 1);
        for (size_t i = 0; i < cells.size();) {
            std::vector<int> run{cells[i].value};
            size_t j = i + 1;
            int lastX = cells[i].x;
            for (; j < cells.size() && cells[j].y == cells[i].y; ++j) {
                if (cells[j].x == lastX) continue;  // the first cell of a point is read
                if (int64_t{cells[j].x} != int64_t{lastX} + kCellPitch) break;
                run.push_back(cells[j].value);
                lastX = cells[j].x;
            }
            word(p, cells[i], brailleWordText(run), pitch);
            i = j;
        }
    }

    void word(int p, const Cell& first, const std::string& text, int pitch) {
        // Numbers alone (a time signature, a fingering) are not words.
        if (std::none_of(text.begin(), text.end(),
                         [](char c) { return c != ' ' && (c < '0' || c > '9'); })) {
            return;
        }
        const auto row = static_cast<int>(floorDiv(first.y, pitch));
        const auto stave = staveOf(p, row);
        if (!stave) return;
        const auto column = static_cast<int>(floorDiv(first.x, kColumnWidth));
        const auto note = nearestNote(p, *stave, column, row, INT_MAX);
        if (!note) return;
        const bool dynamic = std::find(kDynamics.begin(), kDynamics.end(), text) != kDynamics.end();
        marks_.push_back(
            {*note, dynamic ? NoteMark::Kind::Dynamics : NoteMark::Kind::Words, 1, text});
    }

    // Spans that overlap get different numbers (one may start where another stops: the stop
    // is written first); one that finds none free is left out.
    void number(std::vector<Span>& spans, NoteMark::Kind stopKind) {
        std::stable_sort(spans.begin(), spans.end(),
                         [](const Span& a, const Span& b) { return a.start < b.start; });
        std::array<std::optional<size_t>, kMaxNumber> busyUntil{};
        for (const Span& span : spans) {
            for (int n = 0; n < kMaxNumber; ++n) {
                std::optional<size_t>& until = busyUntil[static_cast<size_t>(n)];
                if (until && *until > span.start) continue;
                until = span.stop;
                marks_.push_back({span.start, span.kind, n + 1, {}});
                marks_.push_back({span.stop, stopKind, n + 1, {}});
                break;
            }
        }
    }

    const ScoreDocument& doc_;
    const MusicReading& reading_;
    const std::vector<EventTime>& times_;
    std::vector<Span> slurs_;
    std::vector<Span> wedges_;
    std::vector<NoteMark> marks_;
};

}  // namespace

std::string brailleWordText(const std::vector<int>& cells) {
    if (std::any_of(cells.begin(), cells.end(), [](int c) { return c < 0 || c > kMaxCellValue; }))
        return {};
    std::optional<std::string> text = lettersOf(cells);
    if (!text) text = kanaOf(cells);
    if (!text) return {};
    const size_t begin = text->find_first_not_of(' ');
    if (begin == std::string::npos) return {};
    return text->substr(begin, text->find_last_not_of(' ') + 1 - begin);
}

std::vector<NoteMark> findNoteMarks(const ScoreDocument& doc, const MusicReading& reading,
                                    const std::vector<EventTime>& times, int firstPage,
                                    int lastPage) {
    return MarkFinder(doc, reading, times).run(firstPage, lastPage);
}

}  // namespace noma
