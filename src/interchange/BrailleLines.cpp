#include "interchange/BrailleLines.h"

#include <algorithm>
#include <climits>

#include "braille/CodePageText.h"
#include "braille/EnglishCells.h"
#include "braille/TextToCells.h"
#include "document/PageGeometry.h"
#include "document/SymbolCatalogue.h"
#include "interchange/FigureBoxes.h"
#include "platform/Utf8.h"

namespace noma::interchange {

namespace {

// The white box a cell is drawn on reaches this far around its reference point.
constexpr int kCellAbove = 9;
constexpr int kCellBelow = 15;
// Pixels kept empty between a line of cells and the figures.
constexpr int kAir = 4;

int floorTo(int value, int step) {
    return value >= 0 ? value / step * step : -((-value + step - 1) / step * step);
}
int ceilTo(int value, int step) {
    return -floorTo(-value, step);
}

// The lines each staff has over a run of measures. Verses keep their order under the stave
// wherever the music has them (a later verse is never above an earlier one); the dynamics
// come under the verses.
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

// A line of cells: its pieces and the y of their reference points from the stave's top line.
struct Line {
    std::vector<Piece> pieces;
    int y = 0;

    std::vector<PixelSpan> spans() const {
        std::vector<PixelSpan> out;
        for (const Piece& p : pieces) {
            out.push_back({p.x - 10, p.x + kCellPitch * static_cast<int>(p.cells.size() - 1) + 9});
        }
        return out;
    }
    // The white boxes the cells are drawn on.
    void addBoxes(std::vector<FigureBox>& boxes) const {
        for (const PixelSpan& sp : spans())
            boxes.push_back({sp.left, sp.right, y - kCellAbove, y + kCellBelow});
    }
};

// A stave's lines in one system: over it (no pieces when none) and under it, top down.
struct StaveText {
    Line above;
    std::vector<Line> below;
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

    // Places a line's pieces left to right, each at its place or, when the piece before it is
    // in the way, at the next free place a blank cell after it, as separate commits would.
    void pack(std::vector<Piece>& line) {
        std::stable_sort(line.begin(), line.end(),
                         [](const Piece& a, const Piece& b) { return a.x < b.x; });
        int free = INT_MIN;
        const int lastX = pageWidth(settings_.orientation) - 33 + 6;  // the commit's limit
        std::vector<Piece> placed;
        for (Piece& piece : line) {
            // Where a click on the page puts the cursor.
            int x = ceilTo(std::max(piece.x, free), kColumnWidth);
            const int width = kCellPitch * static_cast<int>(piece.cells.size());
            if (x + width - kCellPitch > lastX) {
                // At the end of the line: as far right as the edge lets it, if that is free.
                x = floorTo(lastX - width + kCellPitch, kColumnWidth);
                if (x < free) {
                    ++notShown_[piece.kind + " past the page's edge"];
                    continue;
                }
            }
            piece.x = x;
            free = x + width + kCellPitch;
            placed.push_back(std::move(piece));
        }
        line = std::move(placed);
    }

    void write(const Line& line, int top, LaidOutPage& page) {
        for (const Piece& piece : line.pieces) {
            if (page.records.size() + piece.cells.size() > static_cast<size_t>(kMaxRecords)) {
                ++notShown_[piece.kind + " on a full page"];
                continue;
            }
            int x = piece.x;
            for (const BrailleCell cell : piece.cells) {
                page.records.push_back(brailleRecord({x, top + line.y, cell}));
                x += kCellPitch;
            }
        }
    }

    void drop(const Line& line, const char* why) {
        for (const Piece& piece : line.pieces) ++notShown_[piece.kind + why];
    }

  private:
    const LayoutSettings& settings_;
    NotShown& notShown_;
};

// The lines of staff `s` in a system: the pieces from its measures, packed along their lines,
// each line as close to the figures under or over its cells as they allow, verses in order.
StaveText layOutStave(const SystemPlace& system, size_t s, const StaffLines& lines,
                      const std::vector<MeasureMusic>& music, const std::vector<FigureBox>& figures,
                      int pitch, LineWriter& writer) {
    StaveText text;
    std::vector<std::vector<Piece>> below(static_cast<size_t>(lines.below()));
    std::vector<Piece> above;
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
            if (t.dynamics && lines.dynamics) {
                writer.add(below.back(), column, t.text, "dynamics");
            } else if (!t.dynamics && lines.above) {
                writer.add(above, column, t.text, "words");
            } else {
                writer.spell(t.text, t.dynamics ? "dynamics" : "words");
            }
        }
        for (const Sound& sound : staff.sounds) {
            if (sound.notes.empty() || sound.grace) continue;
            for (const musicxml::Lyric& l : sound.notes.front()->lyrics) {
                const auto verse = std::find(lines.verses.begin(), lines.verses.end(), l.number);
                if (verse == lines.verses.end()) {
                    writer.spell(l.text, "lyric");
                    continue;
                }
                writer.add(below[static_cast<size_t>(verse - lines.verses.begin())],
                           columnAt(columns, sound.onset), l.text, "lyric");
            }
        }
    }
    writer.pack(above);
    text.above.pieces = std::move(above);
    if (!text.above.pieces.empty()) {
        const Reach reach = reachOver(figures, text.above.spans(), pitch);
        text.above.y = floorTo(reach.top - kAir - kCellBelow, pitch);
    }
    const int step = ceilTo(kBrailleLineHeight, pitch);
    int least = INT_MIN;
    for (std::vector<Piece>& pieces : below) {
        writer.pack(pieces);
        if (pieces.empty()) continue;
        Line line;
        line.pieces = std::move(pieces);
        const Reach reach = reachOver(figures, line.spans(), pitch);
        line.y = std::max(ceilTo(reach.bottom + kAir + kCellAbove, pitch), least);
        least = line.y + step;
        text.below.push_back(std::move(line));
    }
    return text;
}

// The boxes a stave's neighbours must keep clear of: its figures and its lines on that side.
std::vector<FigureBox> withLines(std::vector<FigureBox> boxes,
                                 const std::vector<const Line*>& lines) {
    for (const Line* line : lines) line->addBoxes(boxes);
    return boxes;
}

std::vector<const Line*> belowOf(const StaveText& text) {
    std::vector<const Line*> out;
    for (const Line& line : text.below) out.push_back(&line);
    return out;
}

// Pixels from the top line of the stave `upper` to that of `lower` that keep their lines clear
// of each other and of each other's figures.
int distanceNeeded(const std::vector<FigureBox>& upperSky, const StaveText& upper,
                   const std::vector<FigureBox>& lowerSky, const StaveText& lower, int pitch) {
    int needed = 0;
    for (const Line& line : upper.below) {
        needed = std::max(
            needed, line.y + kCellBelow + kAir - reachOver(lowerSky, line.spans(), pitch).top);
    }
    if (!lower.above.pieces.empty()) {
        needed = std::max(needed, reachOver(upperSky, lower.above.spans(), pitch).bottom + kAir -
                                      (lower.above.y - kCellAbove));
    }
    return needed;
}

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
    std::string text = "#";
    text.append(time, 0, slash);
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
    std::vector<std::vector<std::vector<FigureBox>>> boxes;
    for (const LaidOutPage& page : layout.pages) boxes.push_back(figureBoxes(page, settings));
    NotShown counted;  // counted when the lines are written
    LineWriter writer(settings, counted);
    const int pitch = settings.pitch;
    // Every stave after the one before it, across systems too: page breaks move with the
    // interval, so any two may end up neighbours.
    bool first = true;
    StaveText previous;
    std::vector<FigureBox> previousSky;
    for (const SystemPlace& system : layout.systems) {
        const std::vector<StaffLines> lines = linesOf(music, system, everywhere);
        int lowest = 0;
        for (size_t s = 0; s < lines.size(); ++s) {
            const std::vector<FigureBox>& figures =
                boxes[system.page][static_cast<size_t>(system.firstStave) + s];
            StaveText text = layOutStave(system, s, lines[s], music, figures, pitch, writer);
            if (!first) {
                const std::vector<FigureBox> sky = withLines(figures, {&text.above});
                const int needed = distanceNeeded(previousSky, previous, sky, text, pitch);
                room.interval = std::max(room.interval, (needed + 2 * pitch - 1) / (2 * pitch));
            }
            lowest = text.below.empty() ? 0 : text.below.back().y + kCellBelow + kAir;
            previousSky = withLines(figures, belowOf(text));
            previous = std::move(text);
            first = false;
        }
        room.roomBelow.push_back(lowest);
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
    std::vector<std::vector<std::vector<FigureBox>>> boxes;
    for (const LaidOutPage& page : layout.pages) boxes.push_back(figureBoxes(page, settings));
    const int pitch = settings.pitch;
    const int origin = rowOriginY(settings.topMargin, pitch);
    const int staveStep = 2 * settings.interval * pitch;
    LineWriter writer(settings, notShown);

    std::vector<FigureBox> previousSky;  // the stave above on this page, its lines written
    bool firstOnPage = true;
    size_t page = SIZE_MAX;
    for (const SystemPlace& system : layout.systems) {
        if (system.page != page) {
            page = system.page;
            firstOnPage = true;
        }
        LaidOutPage& out = layout.pages[system.page];
        const auto& pageBoxes = boxes[system.page];
        const std::vector<StaffLines> lines = linesOf(music, system, everywhere);
        for (size_t s = 0; s < lines.size(); ++s) {
            const size_t stave = static_cast<size_t>(system.firstStave) + s;
            const int top = staveStep * static_cast<int>(stave);
            const StaveText text =
                layOutStave(system, s, lines[s], music, pageBoxes[stave], pitch, writer);

            if (!text.above.pieces.empty()) {
                const bool room =
                    firstOnPage
                        ? origin + top + text.above.y - kCellAbove >= frameTop(settings.orientation)
                        : reachOver(previousSky, text.above.spans(), pitch).bottom + kAir <=
                              staveStep + text.above.y - kCellAbove;
                if (room) {
                    writer.write(text.above, top, out);
                } else {
                    writer.drop(text.above, " without room");
                }
            }
            // Under the stave, down to the next stave's figures or the page's frame.
            std::vector<const Line*> written;
            for (const Line& line : text.below) {
                const bool room =
                    stave + 1 < pageBoxes.size()
                        ? line.y + kCellBelow + kAir <=
                              staveStep + reachOver(pageBoxes[stave + 1], line.spans(), pitch).top
                        : origin + top + line.y + kCellBelow <= frameBottom(settings.orientation);
                if (room) {
                    writer.write(line, top, out);
                    written.push_back(&line);
                } else {
                    writer.drop(line, " without room");
                }
            }
            previousSky = withLines(pageBoxes[stave], written);
            firstOnPage = false;
        }
    }
}

}  // namespace noma::interchange
