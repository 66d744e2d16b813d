#include "interchange/BrailleLines.h"

#include <algorithm>
#include <climits>

#include "braille/CodePageText.h"
#include "braille/EnglishCells.h"
#include "braille/TextToCells.h"
#include "document/PageGeometry.h"
#include "document/SymbolCatalogue.h"
#include "document/SymbolKind.h"
#include "music/NoteKinds.h"
#include "platform/Utf8.h"

namespace noma::interchange {

namespace {

// The white box a cell is drawn on reaches this far around its reference point.
constexpr int kCellAbove = 9;
constexpr int kCellBelow = 15;
// Pixels kept empty between a line of cells and the figures.
constexpr int kAir = 4;

// Pixels above and below a stave's top line (negative above).
struct Extent {
    int top = 0;
    int bottom = 0;
};

int floorTo(int value, int step) {
    return value >= 0 ? value / step * step : -((-value + step - 1) / step * step);
}
int ceilTo(int value, int step) {
    return -floorTo(-value, step);
}

bool stemUp(int kind) {
    switch (kind) {
        case kSixteenthNoteUp:
        case kQuarterNoteUp:
        case kHundredTwentyEighthNoteUp:
        case kThirtySecondNoteUp:
        case kEighthNoteUp:
        case kSixtyFourthNoteUp:
            return true;
        default:
            return false;
    }
}

// How far a figure reaches above and below its row, as the figures are drawn.
Extent figureReach(int kind, int pitch) {
    const auto u = [pitch](int k) { return k * pitch / 6; };
    if (isStemmedNote(kind)) return stemUp(kind) ? Extent{-u(42), u(6)} : Extent{-u(6), u(42)};
    if (restValueOf(kind) != 0) return {-u(14), u(14)};
    switch (kind) {
        case kGClef:
            return {-u(35), u(43)};
        case kFClef:
            return {-u(23), u(17)};
        case kBarLine:
        case kFinalBarLine:
        case kDoubleBarLine:
        case kRepeatStart:
        case kRepeatEnd:
            return {-u(30), u(30)};
        default:
            return {-u(12), u(12)};
    }
}

// The rows a record stands on: a slur's three points, otherwise its one row.
std::vector<int> rowsOf(const SymbolRecord& r) {
    if (r.kind() == kSlur || r.kind() == kSlurReversed) {
        const SlurView s = slurOf(r);
        return {s.start.row, s.end.row, s.bulge.row};
    }
    return {r[2]};
}

// What the figures of each stave of a page cover, from the page's records: a record belongs to
// the stave whose reading window holds its row.
std::vector<Extent> figureExtents(const LaidOutPage& page, const LayoutSettings& s) {
    std::vector<Extent> extents(static_cast<size_t>(page.staveCount), Extent{0, 8 * s.pitch});
    if (extents.empty()) return extents;
    const int span = 2 * s.interval;
    for (const SymbolRecord& r : page.records) {
        if (r.kind() == kBraille) continue;
        const Extent reach = figureReach(r.kind(), s.pitch);
        for (const int row : rowsOf(r)) {
            const int shifted = row + s.interval - 4;
            int stave = shifted >= 0 ? shifted / span : -1;
            stave = std::clamp(stave, 0, page.staveCount - 1);
            const int y = (row - span * stave) * s.pitch;
            Extent& e = extents[static_cast<size_t>(stave)];
            e.top = std::min(e.top, y + reach.top);
            e.bottom = std::max(e.bottom, y + reach.bottom);
        }
    }
    return extents;
}

// The lines each staff has over a run of measures. A system has a verse's line wherever the
// music has that verse, so that a reader finds it at the same place throughout; the line over
// the stave and the dynamics' line only where it has something to write on them.
struct StaffLines {
    std::vector<int> verses;  // lyric numbers, a line each under the stave
    bool dynamics = false;    // a line under the verses
    bool above = false;       // words, and the time signature over the top stave
    int below() const { return static_cast<int>(verses.size()) + (dynamics ? 1 : 0); }
};

std::vector<StaffLines> linesOf(const std::vector<MeasureMusic>& music, size_t first, size_t end) {
    std::vector<StaffLines> lines;
    for (size_t k = first; k < end && k < music.size(); ++k) {
        const MeasureMusic& m = music[k];
        lines.resize(std::max(lines.size(), m.staves.size()));
        if (!m.time.empty() && !lines.empty()) lines[0].above = true;
        for (size_t s = 0; s < m.staves.size(); ++s) {
            for (const StaffText& t : m.staves[s].texts) {
                if (textCells(t.text).empty()) continue;
                (t.dynamics ? lines[s].dynamics : lines[s].above) = true;
            }
            for (const Sound& sound : m.staves[s].sounds) {
                if (sound.notes.empty()) continue;
                for (const musicxml::Lyric& l : sound.notes.front()->lyrics) {
                    std::vector<int>& verses = lines[s].verses;
                    if (std::find(verses.begin(), verses.end(), l.number) != verses.end() ||
                        textCells(l.text).empty()) {
                        continue;
                    }
                    verses.insert(std::upper_bound(verses.begin(), verses.end(), l.number),
                                  l.number);
                }
            }
        }
    }
    return lines;
}

std::vector<StaffLines> linesOf(const std::vector<MeasureMusic>& music, const SystemPlace& system,
                                const std::vector<StaffLines>& everywhere) {
    std::vector<StaffLines> lines =
        linesOf(music, system.firstMeasure, system.firstMeasure + system.columns.size());
    lines.resize(everywhere.size());
    for (size_t s = 0; s < lines.size(); ++s) lines[s].verses = everywhere[s].verses;
    return lines;
}

// Where a stave's lines go, from its figures' extent: y of each line's reference points.
struct LineRows {
    int above = 0;
    std::vector<int> below;
    Extent extent;  // figures and lines together
};

LineRows rowsFor(const StaffLines& lines, Extent figures, int pitch) {
    LineRows rows;
    rows.extent = figures;
    if (lines.above) {
        rows.above = floorTo(figures.top - kAir - kCellBelow, pitch);
        rows.extent.top = rows.above - kCellAbove;
    }
    const int step = ceilTo(kBrailleLineHeight, pitch);
    int y = ceilTo(figures.bottom + kAir + kCellAbove, pitch);
    for (int i = 0; i < lines.below(); ++i, y += step) {
        rows.below.push_back(y);
        rows.extent.bottom = y + kCellBelow;
    }
    return rows;
}

bool hasKanji(const std::string& utf8) {
    for (const char32_t c : decodeUtf8(utf8)) {
        if ((c >= 0x3400 && c <= 0x9FFF) || (c >= 0xF900 && c <= 0xFAFF) || c == 0x3005)
            return true;
    }
    return false;
}

// A run of cells meant to start at `x` on one line, and what it shows.
struct Piece {
    int x = 0;
    std::vector<BrailleCell> cells;
    std::string kind;
};

int columnAt(const std::vector<std::pair<int64_t, int>>& columns, int64_t onset) {
    int column = columns.empty() ? 0 : columns.front().second;
    for (const auto& [at, c] : columns) {
        if (at > onset) break;
        column = c;
    }
    return column;
}

class LineWriter {
  public:
    LineWriter(const LayoutSettings& settings, NotShown& notShown)
        : settings_(settings), notShown_(notShown) {}

    // The cells of a text; text braille cannot spell is counted instead.
    std::vector<BrailleCell> spell(const std::string& text, const std::string& kind) {
        std::vector<BrailleCell> cells = textCells(text);
        if (cells.empty() && !text.empty()) {
            ++notShown_[kind + (hasKanji(text) ? " in kanji" : " braille cannot spell")];
        }
        return cells;
    }

    void add(std::vector<Piece>& line, int column, const std::string& text,
             const std::string& kind) {
        std::vector<BrailleCell> cells = spell(text, kind);
        if (!cells.empty()) line.push_back({columnToX(column), std::move(cells), kind});
    }

    // Writes a line's pieces left to right, each at its place or, when the piece before it is
    // in the way, at the next free place a blank cell after it, as separate commits would.
    void write(std::vector<Piece>& line, int y, LaidOutPage& page) {
        std::stable_sort(line.begin(), line.end(),
                         [](const Piece& a, const Piece& b) { return a.x < b.x; });
        int free = INT_MIN;
        const int lastX = pageWidth(settings_.orientation) - 33 + 6;  // the commit's limit
        for (const Piece& piece : line) {
            int x = std::max(piece.x, free);
            x = ceilTo(x, kColumnWidth);  // where a click on the page puts the cursor
            if (x + kCellPitch * static_cast<int>(piece.cells.size() - 1) > lastX) {
                ++notShown_[piece.kind + " past the page's edge"];
                continue;
            }
            if (page.records.size() + piece.cells.size() > static_cast<size_t>(kMaxRecords)) {
                ++notShown_[piece.kind + " on a full page"];
                continue;
            }
            for (const BrailleCell cell : piece.cells) {
                page.records.push_back(brailleRecord({x, y, cell}));
                x += kCellPitch;
            }
            free = x + kCellPitch;
        }
    }

    void drop(const std::vector<Piece>& line, const char* why) {
        for (const Piece& piece : line) ++notShown_[piece.kind + why];
    }

  private:
    const LayoutSettings& settings_;
    NotShown& notShown_;
};

}  // namespace

int frameTop(int orientation) {
    return orientation == 1 ? 33 : 50;
}
int frameBottom(int orientation) {
    return pageHeight(orientation) - (orientation == 1 ? 33 : 74);
}

std::vector<BrailleCell> textCells(const std::string& utf8) {
    if (!charactersWithoutCells(utf8).empty()) return {};
    return convertEnteredText(utf8);
}

std::vector<BrailleCell> timeCells(const std::string& time) {
    // Braille music's time signature: the number sign and the numerator, then the denominator
    // in lower cells. The window writes 3/4 from "#3@256@": a lower digit is not a character
    // it knows, so each is entered by its dots.
    const size_t slash = time.find('/');
    std::string text = "#" + time.substr(0, slash);
    for (const char digit : time.substr(slash + 1)) {
        text += '@';
        for (const char dot : kDigitDots[digit - '0']) text += static_cast<char>(dot + 1);
        text += '@';
    }
    return convertTextToCells(text);
}

int lyricReach(const musicxml::Note& top) {
    size_t longest = 0;
    for (const musicxml::Lyric& l : top.lyrics)
        longest = std::max(longest, textCells(l.text).size());
    return longest == 0 ? 0 : kCellPitch * static_cast<int>(longest + 1);
}

int brailleCellCount(const MeasureMusic& m) {
    size_t count = m.time.empty() ? 0 : timeCells(m.time).size();
    for (const StaffMeasure& staff : m.staves) {
        for (const StaffText& t : staff.texts) count += textCells(t.text).size();
        for (const Sound& sound : staff.sounds) {
            if (sound.notes.empty()) continue;
            for (const musicxml::Lyric& l : sound.notes.front()->lyrics)
                count += textCells(l.text).size();
        }
    }
    return static_cast<int>(count);
}

BrailleRoom roomForBraille(const Layout& layout, const std::vector<MeasureMusic>& music,
                           const LayoutSettings& settings) {
    BrailleRoom room{settings.interval, {}};
    const std::vector<StaffLines> everywhere = linesOf(music, 0, music.size());
    if (std::none_of(everywhere.begin(), everywhere.end(),
                     [](const StaffLines& l) { return l.above || l.below() > 0; })) {
        return room;
    }
    std::vector<std::vector<Extent>> extents;
    for (const LaidOutPage& page : layout.pages) extents.push_back(figureExtents(page, settings));
    // Every stave after the one before it, across systems too: page breaks move with the
    // interval, so any two may end up neighbours.
    bool first = true;
    int previousBelow = 0;
    int previousBottom = 0;
    for (const SystemPlace& system : layout.systems) {
        const std::vector<StaffLines> lines = linesOf(music, system, everywhere);
        for (size_t s = 0; s < lines.size(); ++s) {
            const Extent figures = extents[system.page][static_cast<size_t>(system.firstStave) + s];
            const LineRows rows = rowsFor(lines[s], figures, settings.pitch);
            if (!first && (previousBelow > 0 || lines[s].above)) {
                const int needed = previousBottom + kAir - rows.extent.top;
                room.interval = std::max(room.interval,
                                         (needed + 2 * settings.pitch - 1) / (2 * settings.pitch));
            }
            if (s + 1 == lines.size())
                room.roomBelow.push_back(lines[s].below() > 0 ? rows.extent.bottom + kAir : 0);
            first = false;
            previousBelow = lines[s].below();
            previousBottom = rows.extent.bottom;
        }
    }
    return room;
}

void addBrailleLines(Layout& layout, const std::vector<MeasureMusic>& music,
                     const LayoutSettings& settings, NotShown& notShown) {
    const std::vector<StaffLines> everywhere = linesOf(music, 0, music.size());
    if (std::none_of(everywhere.begin(), everywhere.end(),
                     [](const StaffLines& l) { return l.above || l.below() > 0; })) {
        return;
    }
    std::vector<std::vector<Extent>> extents;
    for (const LaidOutPage& page : layout.pages) extents.push_back(figureExtents(page, settings));
    const int pitch = settings.pitch;
    const int origin = rowOriginY(settings.topMargin, pitch);
    const int staveStep = 2 * settings.interval * pitch;
    LineWriter writer(settings, notShown);

    size_t page = SIZE_MAX;
    int used = 0;  // the lowest pixel used so far on the page, from the row origin
    for (const SystemPlace& system : layout.systems) {
        if (system.page != page) {
            page = system.page;
            used = frameTop(settings.orientation) - origin - kAir;
        }
        LaidOutPage& out = layout.pages[system.page];
        const std::vector<StaffLines> lines = linesOf(music, system, everywhere);
        const std::vector<Extent>& pageExtents = extents[system.page];
        for (size_t s = 0; s < lines.size(); ++s) {
            const size_t stave = static_cast<size_t>(system.firstStave) + s;
            const int top = staveStep * static_cast<int>(stave);
            const LineRows rows = rowsFor(lines[s], pageExtents[stave], pitch);

            // The pieces of each line of this stave, measure by measure.
            std::vector<Piece> above;
            std::vector<std::vector<Piece>> below(rows.below.size());
            for (size_t k = 0; k < system.columns.size(); ++k) {
                const auto& columns = system.columns[k];
                if (columns.empty()) continue;
                const MeasureMusic& m = music[system.firstMeasure + k];
                const StaffMeasure& staff = m.staves[s];
                if (s == 0 && !m.time.empty())
                    above.push_back(
                        {columnToX(columns.front().second), timeCells(m.time), "time signature"});
                for (const StaffText& t : staff.texts) {
                    const int column = columnAt(columns, t.onset);
                    if (t.dynamics && lines[s].dynamics) {
                        writer.add(below.back(), column, t.text, "dynamics");
                    } else if (!t.dynamics && lines[s].above) {
                        writer.add(above, column, t.text, "words");
                    } else {
                        writer.spell(t.text, t.dynamics ? "dynamics" : "words");
                    }
                }
                for (const Sound& sound : staff.sounds) {
                    if (sound.notes.empty() || sound.grace) continue;
                    for (const musicxml::Lyric& l : sound.notes.front()->lyrics) {
                        const auto& verses = lines[s].verses;
                        const auto verse = std::find(verses.begin(), verses.end(), l.number);
                        if (verse == verses.end()) {
                            writer.spell(l.text, "lyric");
                            continue;
                        }
                        writer.add(below[static_cast<size_t>(verse - verses.begin())],
                                   columnAt(columns, sound.onset), l.text, "lyric");
                    }
                }
            }

            if (lines[s].above) {
                if (top + rows.above - kCellAbove >= used + kAir) {
                    writer.write(above, top + rows.above, out);
                } else {
                    writer.drop(above, " without room");
                }
            }
            used = std::max(used, top + pageExtents[stave].bottom);
            // Under the stave, down to the next stave's figures or the page's frame.
            const int limit = stave + 1 < pageExtents.size()
                                  ? top + staveStep + pageExtents[stave + 1].top - kAir
                                  : frameBottom(settings.orientation) - origin;
            for (size_t i = 0; i < rows.below.size(); ++i) {
                const int y = top + rows.below[i];
                if (y + kCellBelow > limit) {
                    writer.drop(below[i], " without room");
                    continue;
                }
                writer.write(below[i], y, out);
                used = std::max(used, y + kCellBelow);
            }
        }
    }
}

}  // namespace noma::interchange
