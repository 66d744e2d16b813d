#include "interchange/TactileLayout.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <map>
#include <tuple>

#include "document/PageGeometry.h"
#include "document/StaffConstruction.h"
#include "document/SymbolCatalogue.h"
#include "document/SymbolKind.h"
#include "interchange/BrailleLines.h"
#include "interchange/NoteSpelling.h"

namespace noma::interchange {

namespace {

using musicxml::Note;

constexpr int kDefaultColumnsPerQuarter = 5;
constexpr int kArpeggioHeight = 51;  // pixels of one wave, whatever the pitch

// Pixels of k sixths of the pitch, as the figures scale.
struct Units {
    int pitch;
    int operator()(int k) const { return k * pitch / 6; }
};

int valueOfType(const std::string& type, NotShown& notShown) {
    static const std::map<std::string, int, std::less<>> kValues = {
        {"whole", 1}, {"half", 2},  {"quarter", 4}, {"eighth", 8},
        {"16th", 16}, {"32nd", 32}, {"64th", 64},   {"128th", 128}};
    if (const auto found = kValues.find(type); found != kValues.end()) return found->second;
    if (type == "breve" || type == "long" || type == "maxima") {
        ++notShown[type + " note"];
        return 1;
    }
    if (!type.empty()) {
        ++notShown[type + " note"];
        return 128;
    }
    return 0;
}

// A note value for a note without a type: the longest whose length fits its duration.
int valueOfLength(int64_t ticks) {
    for (int value = 1; value < 128; value *= 2) {
        if (ticks >= 4 * kTicksPerQuarter / value) return value;
    }
    return 128;
}

int noteKind(int value, bool up) {
    switch (value) {
        case 1:
            return kWholeNote;
        case 2:
            return kHalfNote;
        case 4:
            return up ? kQuarterNoteUp : kQuarterNoteDown;
        case 8:
            return up ? kEighthNoteUp : kEighthNoteDown;
        case 16:
            return up ? kSixteenthNoteUp : kSixteenthNoteDown;
        case 32:
            return up ? kThirtySecondNoteUp : kThirtySecondNoteDown;
        case 64:
            return up ? kSixtyFourthNoteUp : kSixtyFourthNoteDown;
        default:
            return up ? kHundredTwentyEighthNoteUp : kHundredTwentyEighthNoteDown;
    }
}

int restKind(int value) {
    switch (value) {
        case 2:
            return kHalfRest;
        case 4:
            return kQuarterRest;
        case 8:
            return kEighthRest;
        case 16:
            return kSixteenthRest;
        case 32:
            return kThirtySecondRest;
        case 64:
            return kSixtyFourthRest;
        default:
            return kHundredTwentyEighthRest;
    }
}

// How far a rest's strokes reach left and right of its anchor.
std::pair<int, int> restReach(int kind, Units u) {
    switch (kind) {
        case kHalfRest:
            return {u(13) + 4, u(13) + 4};
        case kThirtySecondRest:
        case kSixtyFourthRest:
        case kHundredTwentyEighthRest:
            return {u(14) + 2, u(8) + 2};
        default:
            return {u(8) + 2, u(8) + 2};
    }
}

// A figure placed relative to its slot's column.
struct Placed {
    int kind;
    int columnOffset;  // from the slot's column (accidentals to the left)
    int row;
    int pixelOffset = 0;  // dots: x pixels from the slot's x
};

// What one staff shows at one slot.
struct StaffSlot {
    bool present = false;
    bool stemmed = false;  // the top figure is a stemmed note (marks attach to it)
    int topRow = 0;
    int reachBelow = 0;  // the lowest row its figures reach
    std::vector<Placed> figures;
    std::vector<SpanMark> marks;  // hairpins and pedal marks here
    bool tieStart = false;
    bool chord = false;  // heads below the top note
    bool triplet = false;
    std::vector<musicxml::Connection> slurs;
};

struct Slot {
    int64_t onset = 0;
    int64_t weight = 0;     // ticks to the next slot
    int left = 0;           // pixels reached left of the column
    int right = 0;          // and right
    int dotReach = -1;      // x offset of the rightmost dot, -1 without dots
    bool chordTie = false;  // a tie leaves a chord here
    int lyricReach = 0;     // pixels to where the next syllable may start, 0 without a lyric
    std::vector<StaffSlot> staves;
};

struct MeasurePlan {
    const MeasureMusic* music = nullptr;
    std::vector<Slot> slots;
    int endKind = kBarLine;
    std::vector<std::vector<SpanMark>> endMarks;  // per staff, at the closing bar
    bool keyChange = false;
    bool clefChange = false;
    int brailleCells = 0;
};

int clefOffsetOf(bool bass) {
    return bass ? -12 : 0;
}

// The file's stem, else down on and above the middle line.
bool stemUp(const Note& top, int topRow) {
    if (top.stem == musicxml::StemDirection::Up) return true;
    if (top.stem == musicxml::StemDirection::Down) return false;
    return topRow > 4;
}

int rowOf(const Note& n, bool bass) {
    return 38 + clefOffsetOf(bass) - diatonicOf(n);
}

// The interval at which no mark over a staff's sound is read onto a note of the staff below
// it in the same column: the reading takes a grace, staccatissimo or staccato mark for any
// stemmed note up to 16, 15 or 13 rows below it, a triplet bracket for any note above its
// lowest note.
int intervalForMarks(const MeasureMusic& m, size_t s) {
    const StaffMeasure& upper = m.staves[s];
    const StaffMeasure& lower = m.staves[s + 1];
    int interval = 0;
    int lowestTriplet = -1000;
    for (const Sound& a : upper.sounds) {
        if (a.rest) continue;
        const Note& top = *a.notes.front();
        const int row = rowOf(top, upper.bass);
        if (top.actualNotes == 3 && top.normalNotes == 2) {
            lowestTriplet = std::max(lowestTriplet, rowOf(*a.notes.back(), upper.bass));
        }
        const int reach = a.grace ? 16 : top.staccatissimo ? 15 : top.staccato ? 13 : 0;
        if (reach == 0) continue;
        const int markRow = stemUp(top, row) ? row - 9 : row - 3;
        for (const Sound& b : lower.sounds) {
            if (b.rest || b.onset != a.onset || b.grace != a.grace) continue;
            const int below = rowOf(*b.notes.front(), lower.bass);
            interval = std::max(interval, (reach + markRow - below + 1) / 2);
        }
    }
    if (lowestTriplet > -1000) {
        const int reach = std::max(11, lowestTriplet + 1);
        for (const Sound& b : lower.sounds) {
            if (!b.rest) {
                interval =
                    std::max(interval, (reach - rowOf(*b.notes.front(), lower.bass) + 1) / 2);
            }
        }
    }
    return interval;
}

// Plans every measure's figures: which kinds, rows and accidentals, independent of columns.
class Planner {
  public:
    Planner(int staves, Units u, NotShown& notShown)
        : staves_(staves), u_(u), notShown_(notShown), spelling_(static_cast<size_t>(staves)) {}

    MeasurePlan plan(const MeasureMusic& m) {
        MeasurePlan plan;
        plan.music = &m;
        plan.keyChange = m.keyChange;
        plan.brailleCells = brailleCellCount(m);
        for (int s = 0; s < staves_; ++s) {
            auto& sp = spelling_[static_cast<size_t>(s)];
            if (m.keyChange || first_) sp.setKey(m.fifths);
            sp.newMeasure();
            if (m.staves[static_cast<size_t>(s)].clefChange) plan.clefChange = true;
        }
        first_ = false;
        // The slots: every onset of every staff, graces before their chord.
        std::vector<std::pair<int64_t, int>> keys;
        for (const StaffMeasure& staff : m.staves) {
            int graces = 0;
            for (size_t i = 0; i < staff.sounds.size(); ++i) {
                const Sound& s = staff.sounds[i];
                graces = s.grace ? graces + 1 : 0;
                keys.emplace_back(s.onset, s.grace ? -1000 + graces : 0);
            }
        }
        std::sort(keys.begin(), keys.end());
        keys.erase(std::unique(keys.begin(), keys.end()), keys.end());
        plan.slots.resize(keys.size());
        for (size_t k = 0; k < keys.size(); ++k) {
            plan.slots[k].onset = keys[k].first;
            plan.slots[k].staves.resize(static_cast<size_t>(staves_));
        }
        for (int s = 0; s < staves_; ++s) {
            const StaffMeasure& staff = m.staves[static_cast<size_t>(s)];
            int graces = 0;
            for (const Sound& sound : staff.sounds) {
                graces = sound.grace ? graces + 1 : 0;
                const std::pair<int64_t, int> key{sound.onset, sound.grace ? -1000 + graces : 0};
                const size_t k = static_cast<size_t>(
                    std::lower_bound(keys.begin(), keys.end(), key) - keys.begin());
                place(sound, staff.bass, s, plan.slots[k]);
            }
        }
        // Hairpins and pedal marks at the first sound from their moment on (not a grace).
        plan.endMarks.resize(static_cast<size_t>(staves_));
        for (int s = 0; s < staves_; ++s) {
            for (const TimedMark& t : m.staves[static_cast<size_t>(s)].marks) {
                const auto at =
                    std::lower_bound(keys.begin(), keys.end(), std::pair<int64_t, int>{t.onset, 0});
                if (at == keys.end()) {
                    plan.endMarks[static_cast<size_t>(s)].push_back(t.mark);
                } else {
                    plan.slots[static_cast<size_t>(at - keys.begin())]
                        .staves[static_cast<size_t>(s)]
                        .marks.push_back(t.mark);
                }
            }
        }
        for (size_t k = 0; k < plan.slots.size(); ++k) {
            const int64_t next = k + 1 < plan.slots.size() ? plan.slots[k + 1].onset : m.length;
            plan.slots[k].weight = std::max<int64_t>(0, next - plan.slots[k].onset);
        }
        plan.endKind = m.repeatEnd   ? kRepeatEnd
                       : m.finalBar  ? kFinalBarLine
                       : m.doubleBar ? kDoubleBarLine
                                     : kBarLine;
        return plan;
    }

  private:
    void place(const Sound& sound, bool bass, int s, Slot& slot) {
        StaffSlot& out = slot.staves[static_cast<size_t>(s)];
        if (out.present) {
            ++notShown_["second sound at one moment"];
            return;
        }
        out.present = true;
        const int middle = 4;  // rows are relative to the stave's top line here
        if (sound.rest) {
            const int kind = restKind(sound.restValue);
            out.figures.push_back({kind, 0, middle});
            out.reachBelow = middle + 2;
            const auto [l, r] = restReach(kind, u_);
            slot.left = std::max(slot.left, l);
            slot.right = std::max(slot.right, r);
            return;
        }
        Spelling& spelling = spelling_[static_cast<size_t>(s)];
        const Note& top = *sound.notes.front();
        int value = valueOfType(top.type, notShown_);
        int dots = top.dots;
        if (value == 0) value = valueOfLength(sound.length);
        if (sound.grace && value < 8) {
            ++notShown_["unflagged grace note"];
            value = 8;
        }
        bool triplet = top.actualNotes == 3 && top.normalNotes == 2;
        if (top.actualNotes != 0 && !triplet && top.actualNotes != top.normalNotes) {
            ++notShown_["tuplet " + std::to_string(top.actualNotes) + ":" +
                        std::to_string(top.normalNotes)];
        }
        if (value == 1 && (dots > 0 || triplet || top.tieStart)) {
            ++notShown_["mark on a whole note"];
            dots = 0;
            triplet = false;
        }
        if (dots > 2) {
            ++notShown_["triple dot"];
            dots = 2;
        }
        if (triplet && dots > 0) {
            ++notShown_["dot in a triplet"];
            dots = 0;
        }
        bool tie = top.tieStart && value != 1;
        if (tie && (dots > 0 || triplet)) {
            ++notShown_["tie on a dotted or triplet note"];
            tie = false;
        }

        // Pitches as the reading will hear them, with the accidentals that make it so.
        const int clefOffset = clefOffsetOf(bass);
        std::vector<SpelledNote> spelled;
        for (const Note* n : sound.notes) {
            spelled.push_back(spelling.spell(*n));
            if (spelled.back().respelled) ++notShown_["enharmonic spelling"];
        }
        const int topRow = 38 + clefOffset - spelled.front().diatonic;
        const bool up = stemUp(top, topRow);
        const int kind = noteKind(value, up);
        out.stemmed = value != 1;
        out.topRow = topRow;
        out.tieStart = tie;
        out.chord = sound.notes.size() > 1;
        slot.chordTie = slot.chordTie || (tie && out.chord);
        out.triplet = triplet && value != 1;
        out.slurs = top.slurs;
        slot.lyricReach = std::max(slot.lyricReach, lyricReach(top));

        // Accidentals one column group to the left; chord accidentals that would touch move
        // further left, a column each.
        const int accidentalGap = columnsCovering(u_(5) + kColumnWidth + u_(6));
        const int accidentalStep = columnsCovering(2 * u_(6) + kColumnWidth);
        std::vector<std::pair<int, int>> taken;  // (column offset, row)
        int leftmost = 0;
        for (size_t i = 0; i < spelled.size(); ++i) {
            const int row = 38 + clefOffset - spelled[i].diatonic;
            if (i == 0) {
                out.figures.push_back({kind, 0, row});
            } else {
                out.figures.push_back({kBareNoteHead, 0, row});
            }
            if (spelled[i].accidental == 0) continue;
            int column = -accidentalGap;
            for (;;) {
                const bool clash = std::any_of(taken.begin(), taken.end(), [&](auto t) {
                    return t.first == column && std::abs(t.second - row) < 4;
                });
                if (!clash) break;
                column -= accidentalStep;
            }
            taken.emplace_back(column, row);
            out.figures.push_back({spelled[i].accidental, column, row});
            leftmost = std::min(leftmost, column);
            // Only the top accidental of a column is read; the spelling learns what was read.
            const bool read = std::none_of(taken.begin(), taken.end() - 1,
                                           [&](auto t) { return t.first == column; });
            if (read) spelling.applyRead(spelled[i]);
        }
        const int head = value == 1 ? u_(12) + 2 : (value == 2 ? u_(7) : u_(5));
        int left = head;
        if (leftmost < 0) left = -columnToX(leftmost) + u_(6);
        const int bottomRow = 38 + clefOffset - spelled.back().diatonic;
        out.reachBelow = std::max(bottomRow + 1, !up && value != 1 ? topRow + 8 : 0);
        if (tie) out.reachBelow = std::max(out.reachBelow, topRow + 3);

        // An arpeggio in a column of its own left of the chord and its accidentals, waves
        // stacked until they span the chord.
        if (std::any_of(sound.notes.begin(), sound.notes.end(),
                        [](const Note* n) { return n->arpeggio; })) {
            const int edge = -left;  // the chord's left edge, in pixels from its column
            const int column = -columnsCovering(2 * kColumnWidth - u_(3) - edge);
            const int p = u_.pitch;
            const int height = (bottomRow - topRow) * p + 2 * u_(6);
            const int waves = std::max(1, (height + kArpeggioHeight - 1) / kArpeggioHeight);
            const int step = (kArpeggioHeight + p - 1) / p;  // rows from wave to wave
            const int span = (waves - 1) * step * p + kArpeggioHeight;
            const int firstTop = (topRow + bottomRow) * p / 2 - span / 2;
            for (int w = 0; w < waves; ++w) {
                const int anchorY = firstTop + u_(25);
                const int row = (anchorY + (anchorY >= 0 ? p / 2 : -(p / 2))) / p + w * step;
                out.figures.push_back({kArpeggio, column, row});
            }
            left = std::max(left, -columnToX(column) + u_(3));
        }
        int right = head;
        if (up && value >= 8) right = std::max(right, u_(12));
        if (!up && value >= 8) right = std::max(right, u_(8));

        // Dots: the second written first, so that the reading ends on the double dot.
        const int dotRow = dots == 1 && topRow % 2 == 0 ? topRow - 1 : topRow;
        const int first = head + u_(2) + 3;
        if (dots == 2) {
            const int second = first + 2 * u_(2) + 4;
            out.figures.push_back({kDot, 0, topRow, second});
            slot.dotReach = std::max(slot.dotReach, second);
            right = std::max(right, second + u_(2));
        }
        if (dots >= 1) {
            out.figures.push_back({kDot, 0, dotRow, first});
            slot.dotReach = std::max(slot.dotReach, first);
            right = std::max(right, first + u_(2));
        }

        // Marks above the note (the reading looks for them above), stacked outward.
        int above = up && value != 1 ? topRow - 9 : topRow - 3;
        auto mark = [&](int markKind) {
            out.figures.push_back({markKind, 0, above});
            above -= 3;
        };
        if (sound.grace) mark(kGraceNote);
        if (top.staccatissimo)
            mark(kStaccatissimoMark);
        else if (top.staccato)
            mark(kStaccatoMark);
        if (top.tenuto) mark(kTenuto);
        if (top.accent) mark(kAccent);
        if (top.fermata && !top.fermataInverted) {
            out.figures.push_back({kFermata, 0, std::min(above - 1, -4)});
        }
        if (top.fermata && top.fermataInverted) {
            out.figures.push_back({kFermataBelow, 0, std::max(topRow + 4, 12)});
        }
        if (top.breath) {
            out.figures.push_back({kBreath, columnsCovering(right + u_(5) + kColumnWidth), -3});
            right += u_(5) * 2 + kColumnWidth;
        }
        if (top.staccato && top.staccatissimo) ++notShown_["staccato with staccatissimo"];
        for (const std::string& name : top.unshown) ++notShown_[name];
        for (size_t i = 1; i < sound.notes.size(); ++i) {
            if (sound.notes[i]->tieStart) ++notShown_["tie of a lower chord note"];
        }
        slot.left = std::max(slot.left, left);
        slot.right = std::max(slot.right, right);
    }

    int staves_;
    Units u_;
    NotShown& notShown_;
    std::vector<Spelling> spelling_;
    bool first_ = true;
};

std::pair<int, int> barReach(int kind, Units u) {
    switch (kind) {
        case kFinalBarLine:
            return {u(8), 0};
        case kDoubleBarLine:
            return {0, u(8)};
        case kRepeatEnd:
            return {u(15), 0};
        case kRepeatStart:
            return {0, u(15)};
        default:
            return {1, 1};
    }
}

// One column of a system: a slot of a measure, or a bar.
struct Item {
    const Slot* slot = nullptr;
    const MeasurePlan* closes = nullptr;  // the measure a closing bar ends
    int barKind = 0;
    int ending = 0;  // an ending bracket starting after this bar
    int left = 0, right = 0;
    int64_t weight = 0;
    int dotReach = -1;
    bool chordTie = false;
    int lyricReach = 0;
    int column = 0;
};

// Columns each item needs after the one before it. Crowded, figures may touch but the reading
// still finds every note, accidental and bar in a column of its own.
int floorBetween(const Item& a, const Item& b, int pitch, bool crowded) {
    const int pixels = crowded ? b.left : a.right + kColumnWidth + b.left;
    int columns = std::max(crowded ? 2 : 1, columnsCovering(pixels));
    if (a.slot != nullptr && b.slot != nullptr) {
        columns = std::max(columns, 3);  // marks reach two columns either side of a note
        if (a.dotReach >= 0) columns = std::max(columns, columnsCovering(3 * pitch + a.dotReach));
        if (a.chordTie && !crowded) columns = std::max(columns, 5);  // room for its inset ends
        // Syllables of consecutive notes keep a blank cell between them.
        if (!crowded && b.lyricReach > 0)
            columns = std::max(columns, columnsCovering(a.lyricReach));
    }
    // Across a bar line too: a note follows the bar two columns after it at the least.
    if (!crowded && a.slot != nullptr && b.slot == nullptr && a.lyricReach > 0)
        columns = std::max(columns, columnsCovering(a.lyricReach) - 2);
    return columns;
}

class SystemWriter {
  public:
    SystemWriter(const LayoutSettings& settings, int staves)
        : settings_(settings), staves_(staves), u_{settings.pitch} {
        endColumn_ = (15 * settings.orientation + 40) / kColumnWidth +
                     (260 * settings.orientation + 554) / kColumnWidth;
        clefColumn_ = settings.orientation == 1 ? 12 : 9;
    }

    int endColumn() const { return endColumn_; }

    // The first pixel after the clef and key signature.
    int startPixel(int fifths) const {
        const int count = std::abs(fifths);
        int px = columnToX(clefColumn_) + 12 + 12;
        if (count > 0) {
            const int last = fifths > 0 ? 1 + 3 * settings_.orientation + 10 + 2 * count
                                        : 3 * settings_.orientation + 11 + 2 * count;
            px = std::max(px, columnToX(last) + u_(6) + kColumnWidth);
        }
        return px;
    }

    std::vector<Item> items(const std::vector<const MeasurePlan*>& measures) const {
        std::vector<Item> list;
        for (size_t m = 0; m < measures.size(); ++m) {
            const MeasurePlan& plan = *measures[m];
            if (plan.music->repeatStart) {
                Item start;
                start.barKind = kRepeatStart;
                std::tie(start.left, start.right) = barReach(kRepeatStart, u_);
                start.ending = plan.music->ending;
                list.push_back(start);
            } else if (plan.music->ending != 0 && !list.empty()) {
                list.back().ending = plan.music->ending;
            }
            for (const Slot& slot : plan.slots) {
                Item item;
                item.slot = &slot;
                item.left = slot.left;
                item.right = slot.right;
                item.weight = slot.weight;
                item.dotReach = slot.dotReach;
                item.chordTie = slot.chordTie;
                item.lyricReach = slot.lyricReach;
                list.push_back(item);
            }
            Item bar;
            bar.closes = &plan;
            bar.barKind = plan.endKind;
            std::tie(bar.left, bar.right) = barReach(plan.endKind, u_);
            list.push_back(bar);
        }
        return list;
    }

    // Columns needed at `columnsPerQuarter`, from the start pixel to the last bar.
    int width(const std::vector<Item>& list, double columnsPerQuarter, int startPx) const {
        if (list.empty()) return 0;
        int column = columnsCovering(startPx + list[0].left);
        for (size_t i = 1; i < list.size(); ++i) column += gap(list, i, columnsPerQuarter);
        return column;
    }

    // Spreads the items over the stave: proportional to duration, never below the floors,
    // the last bar at the stave's end. False when even the floors overrun it.
    bool assign(std::vector<Item>& list, int startPx) const {
        double low = 0, high = 400;
        for (int i = 0; i < 40; ++i) {
            const double mid = (low + high) / 2;
            (width(list, mid, startPx) <= endColumn_ ? low : high) = mid;
        }
        list[0].column = columnsCovering(startPx + list[0].left);
        for (size_t i = 1; i < list.size(); ++i)
            list[i].column = list[i - 1].column + gap(list, i, low);
        int spare = endColumn_ - list.back().column;
        if (spare < 0) return false;
        // What rounding left over goes to the gaps after sounds, evenly from the left.
        std::vector<size_t> weighted;
        for (size_t i = 1; i < list.size(); ++i) {
            if (list[i - 1].weight > 0) weighted.push_back(i);
        }
        if (weighted.empty()) {
            for (size_t i = 1; i < list.size(); ++i) weighted.push_back(i);
        }
        std::vector<int> extra(list.size(), 0);
        for (size_t k = 0; spare > 0 && !weighted.empty(); ++k, --spare) {
            ++extra[weighted[k % weighted.size()]];
        }
        int shift = 0;
        for (size_t i = 0; i < list.size(); ++i) {
            shift += extra[i];
            list[i].column += shift;
        }
        return true;
    }

    // Crowds the items at the reading's floors when they do not fit otherwise. False when even
    // then they overrun the stave: the excess is held on its last column.
    bool assignCrowded(std::vector<Item>& list, int startPx) const {
        list[0].column = columnsCovering(startPx + list[0].left);
        for (size_t i = 1; i < list.size(); ++i) {
            list[i].column =
                list[i - 1].column + floorBetween(list[i - 1], list[i], settings_.pitch, true);
        }
        const bool fits = list.back().column <= endColumn_;
        for (Item& item : list) item.column = std::min(item.column, endColumn_);
        list.back().column = endColumn_;
        return fits;
    }

    // The records of the system whose staves' top lines are at `tops`; `hairpins` holds the
    // kind of each staff's hairpin still open from the system before (0 for none) and is left
    // with those this system leaves open.
    void write(const std::vector<Item>& list, const std::vector<int>& tops,
               std::vector<int>& hairpins, std::vector<SymbolRecord>& out) const {
        // Where each staff's sounds stand, for ties, slurs and triplets.
        for (int s = 0; s < staves_; ++s) {
            const int top = tops[static_cast<size_t>(s)];
            for (const Item& item : list) {
                if (item.slot == nullptr) {
                    out.push_back(placedRecord(item.barKind, item.column, top + 4));
                    if (s == 0 && item.ending != 0) {
                        out.push_back(placedRecord(
                            kFirstEnding + item.ending - 1,
                            item.column + columnsCovering(u_(12) + kColumnWidth) + 1, top - 4));
                    }
                    continue;
                }
                const StaffSlot& st = item.slot->staves[static_cast<size_t>(s)];
                for (const Placed& f : st.figures) {
                    if (f.kind == kDot) {
                        out.push_back(placedRecord(kDot, columnToX(item.column) + f.pixelOffset,
                                                   top + f.row));
                    } else {
                        out.push_back(
                            placedRecord(f.kind, item.column + f.columnOffset, top + f.row));
                    }
                }
            }
            connections(list, top, s, out);
            spans(list, top, s, hairpins[static_cast<size_t>(s)], out);
        }
    }

  private:
    int gap(const std::vector<Item>& list, size_t i, double columnsPerQuarter) const {
        const int floor = floorBetween(list[i - 1], list[i], settings_.pitch, false);
        const double proportional =
            columnsPerQuarter * static_cast<double>(list[i - 1].weight) / kTicksPerQuarter;
        return std::max(floor, static_cast<int>(proportional));
    }

    void connections(const std::vector<Item>& list, int top, int s,
                     std::vector<SymbolRecord>& out) const {
        std::vector<const Item*> notes;  // this staff's sounds in order
        for (const Item& item : list) {
            if (item.slot != nullptr && item.slot->staves[static_cast<size_t>(s)].present) {
                notes.push_back(&item);
            }
        }
        auto at = [&](const Item* item) -> const StaffSlot& {
            return item->slot->staves[static_cast<size_t>(s)];
        };
        std::map<int, const Item*> openSlurs;
        for (size_t k = 0; k < notes.size(); ++k) {
            const StaffSlot& st = at(notes[k]);
            const int column = notes[k]->column;
            const int row = top + st.topRow;
            if (st.tieStart && st.stemmed) {
                const int end = k + 1 < notes.size() ? notes[k + 1]->column : endColumn_;
                // Under a chord its ends stand clear of the heads below the top note, yet near
                // enough to it (and far enough from the next note) to be read as its tie.
                const int inset = st.chord ? std::clamp(end - column - 3, 0, 2) : 0;
                // Both ends on one row: the reading takes it for a tie.
                out.push_back(slurRecord(kSlur, {{column + inset, row + 1},
                                                 {end - inset, row + 1},
                                                 {(column + end) / 2, row + 3}}));
            }
            for (const musicxml::Connection& c : st.slurs) {
                if (c.start) {
                    openSlurs[c.number] = notes[k];
                    continue;
                }
                const auto found = openSlurs.find(c.number);
                const Item* from = found != openSlurs.end() ? found->second : notes.front();
                if (found != openSlurs.end()) openSlurs.erase(found);
                slur(from, notes[k], top, s, out);
            }
            // A run of triplet notes gets one bracket over it.
            if (st.triplet &&
                (k == 0 || !at(notes[k - 1]).triplet || barBetween(list, notes[k - 1], notes[k]))) {
                size_t last = k;
                int highest = st.topRow, lowest = st.topRow;
                while (last + 1 < notes.size() && at(notes[last + 1]).triplet &&
                       !barBetween(list, notes[last], notes[last + 1])) {
                    ++last;
                    highest = std::min(highest, at(notes[last]).topRow);
                    lowest = std::max(lowest, at(notes[last]).topRow);
                }
                const int markRow = top + std::min(highest - 2, -1);  // clear of the top line
                const int reach = std::max(0, top + lowest - markRow - 11);
                SymbolRecord r = placedRecord(kTripletAbove, column, markRow);
                setExtent(r, notes[last]->column - column, reach);
                out.push_back(r);
            }
        }
        for (const auto& [number, from] : openSlurs) slur(from, nullptr, top, s, out);
    }

    // Hairpins under the stave from their start's column to their stop's, clear of the figures
    // they pass; pedal marks under the stave at their column. Neither is read as music.
    void spans(const std::vector<Item>& list, int top, int s, int& open,
               std::vector<SymbolRecord>& out) const {
        const int lowestRow = 2 * settings_.interval - 5;  // clear of the next stave's notes
        auto below = [&](int reach, int least) {
            return top + std::clamp(reach + 3, least, std::max(least, lowestRow));
        };
        auto hairpin = [&](int kind, int from, int to, int reach) {
            SymbolRecord r = placedRecord(kind, from, below(reach, 12));
            // At least as long as the editor lets one be drawn.
            setExtent(r, std::max(columnToX(to), columnToX(from) + 18), 0);
            out.push_back(r);
        };
        int from = list.front().column;
        int reach = 0;
        for (const Item& item : list) {
            const std::vector<SpanMark>* marks = nullptr;
            int here = 0;
            if (item.slot != nullptr) {
                const StaffSlot& st = item.slot->staves[static_cast<size_t>(s)];
                marks = &st.marks;
                here = st.present ? st.reachBelow : 0;
                if (open != 0) reach = std::max(reach, here);
            } else if (item.closes != nullptr) {
                marks = &item.closes->endMarks[static_cast<size_t>(s)];
            }
            if (marks == nullptr) continue;
            // A mark at a bar stands just before it.
            const int column = item.slot != nullptr ? item.column : item.column - 1;
            for (const SpanMark mark : *marks) {
                switch (mark) {
                    case SpanMark::Crescendo:
                    case SpanMark::Diminuendo:
                        if (open != 0) hairpin(open, from, column, reach);
                        open = mark == SpanMark::Crescendo ? kCrescendo : kDecrescendo;
                        from = column;
                        reach = here;
                        break;
                    case SpanMark::HairpinStop:
                        if (open != 0) hairpin(open, from, column, reach);
                        open = 0;
                        break;
                    case SpanMark::PedalDown:
                        out.push_back(placedRecord(kPedal, column, below(here, 15)));
                        break;
                    case SpanMark::PedalUp:
                        out.push_back(placedRecord(kPedalRelease, column, below(here, 15)));
                        break;
                    case SpanMark::PedalChange:
                        // Released, then pressed again right after.
                        out.push_back(placedRecord(kPedalRelease, column, below(here, 15)));
                        out.push_back(placedRecord(kPedal, column + 2, below(here, 15)));
                        break;
                }
            }
        }
        if (open != 0) hairpin(open, from, endColumn_, reach);
    }

    bool barBetween(const std::vector<Item>& list, const Item* a, const Item* b) const {
        for (const Item* i = a + 1; i < b; ++i) {
            if (i->slot == nullptr) return true;
        }
        (void)list;
        return false;
    }

    // A slur's ends are never on one row, so that the reading never takes it for a tie.
    void slur(const Item* from, const Item* to, int top, int s,
              std::vector<SymbolRecord>& out) const {
        const StaffSlot& a = from->slot->staves[static_cast<size_t>(s)];
        const int startRow = top + std::min(a.topRow, 8) - 3;
        int endColumn = endColumn_;
        int endRow = startRow + 1;
        if (to != nullptr) {
            const StaffSlot& b = to->slot->staves[static_cast<size_t>(s)];
            endColumn = to->column;
            endRow = top + std::min(b.topRow, 8) - 3;
            if (endRow == startRow) endRow -= 1;
        }
        if (endColumn == from->column) return;
        out.push_back(slurRecord(kSlurReversed,
                                 {{from->column, startRow},
                                  {endColumn, endRow},
                                  {(from->column + endColumn) / 2, (startRow + endRow) / 2 - 3}}));
    }

    LayoutSettings settings_;
    int staves_;
    Units u_;
    int endColumn_ = 98;
    int clefColumn_ = 9;
};

int keyIndexOf(int fifths) {
    return fifths > 0 ? 2 * fifths - 1 : -2 * fifths;
}

}  // namespace

int intervalForNotes(const std::vector<MeasureMusic>& music, int least) {
    int interval = least;
    for (const MeasureMusic& m : music) {
        for (const StaffMeasure& staff : m.staves) {
            for (const Sound& s : staff.sounds) {
                for (const Note* n : s.notes) {
                    const int row = rowOf(*n, staff.bass);
                    interval = std::max({interval, 4 - row, row - 3});
                }
            }
        }
        for (size_t s = 0; s + 1 < m.staves.size(); ++s)
            interval = std::max(interval, intervalForMarks(m, s));
    }
    return interval;
}

Layout layOutMusic(const std::vector<MeasureMusic>& music, int stavesPerSystem,
                   const LayoutSettings& settings, NotShown& notShown) {
    Layout layout;
    const Units u{settings.pitch};
    Planner planner(stavesPerSystem, u, notShown);
    std::vector<MeasurePlan> plans;
    plans.reserve(music.size());
    for (const MeasureMusic& m : music) plans.push_back(planner.plan(m));

    const int scoreType = settings.scoreType;
    const int capacity = staveCapacity(settings.orientation, settings.pitch, settings.topMargin,
                                       settings.interval, scoreType);
    const int systemsPerPage = capacity / stavesPerSystem;
    SystemWriter writer(settings, stavesPerSystem);
    std::vector<int> hairpins(static_cast<size_t>(stavesPerSystem), 0);

    PageSettings page{scoreType, 0, settings.topMargin, 0, settings.interval, capacity};
    auto newPage = [&] { layout.pages.push_back({scoreType, 0, {}}); };
    newPage();

    size_t m = 0;
    while (m < plans.size()) {
        // As many whole measures as fit at the comfortable spacing; a key or clef change starts
        // a new system.
        const int fifths = plans[m].music->fifths;
        const int startPx = writer.startPixel(fifths);
        std::vector<const MeasurePlan*> chosen{&plans[m]};
        size_t next = m + 1;
        while (next < plans.size() && !plans[next].keyChange && !plans[next].clefChange) {
            std::vector<const MeasurePlan*> trial = chosen;
            trial.push_back(&plans[next]);
            if (writer.width(writer.items(trial), kDefaultColumnsPerQuarter, startPx) >
                writer.endColumn()) {
                break;
            }
            chosen = std::move(trial);
            ++next;
        }
        std::vector<Item> items = writer.items(chosen);
        if (!writer.assign(items, startPx)) {
            (writer.assignCrowded(items, startPx) ? layout.measuresCrowded : layout.measuresTooWide)
                .push_back(plans[m].music->number);
        }

        // The system's staves, then its music.
        LaidOutPage* current = &layout.pages.back();
        std::vector<SymbolRecord> records;
        const std::vector<int> openBefore = hairpins;
        auto build = [&](int firstStave) {
            records.clear();
            hairpins = openBefore;
            std::vector<int> tops;
            for (int s = 0; s < stavesPerSystem; ++s) {
                const int stave = firstStave + s;
                const bool bass = plans[m].music->staves[static_cast<size_t>(s)].bass;
                const std::vector<SymbolRecord> staff =
                    staveRecords(settings.orientation, settings.pitch, page, stave,
                                 bass ? kFClef : kGClef, keyIndexOf(fifths));
                records.insert(records.end(), staff.begin(), staff.end());
                tops.push_back(2 * settings.interval * stave);
            }
            writer.write(items, tops, hairpins, records);
        };
        build(current->staveCount);
        int cells = 0;
        for (const MeasurePlan* plan : chosen) cells += plan->brailleCells;
        // Braille lines under the page's last stave must stay inside the page's frame.
        const int lastTop =
            rowOriginY(settings.topMargin, settings.pitch) +
            2 * settings.interval * settings.pitch * (current->staveCount + stavesPerSystem - 1);
        const size_t system = layout.systems.size();
        const bool roomBelow =
            system >= settings.roomBelow.size() ||
            lastTop + settings.roomBelow[system] <= frameBottom(settings.orientation);
        if (current->staveCount + stavesPerSystem > systemsPerPage * stavesPerSystem ||
            current->records.size() + records.size() + static_cast<size_t>(cells) >
                static_cast<size_t>(kMaxRecords) ||
            (!roomBelow && current->staveCount > 0)) {
            newPage();
            current = &layout.pages.back();
            build(0);
        }
        SystemPlace place{layout.pages.size() - 1, current->staveCount, m, {}};
        place.columns.resize(next - m);
        size_t measure = 0;  // items run measure by measure, each closed by its bar
        for (const Item& item : items) {
            if (item.slot != nullptr) {
                place.columns[measure].emplace_back(item.slot->onset, item.column);
            } else if (item.barKind != kRepeatStart) {
                ++measure;
            }
        }
        layout.systems.push_back(std::move(place));
        current->records.insert(current->records.end(), records.begin(), records.end());
        current->staveCount += stavesPerSystem;
        m = next;
    }
    return layout;
}

}  // namespace noma::interchange
