#include "music/PageDescription.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "braille/InkTables.h"
#include "braille/InkTranslation.h"
#include "document/PageGeometry.h"
#include "document/ScoreDocument.h"
#include "document/SymbolCatalogue.h"
#include "document/SymbolKind.h"
#include "music/MarkValues.h"
#include "music/MidiTiming.h"
#include "platform/Geometry.h"
#include "platform/Utf8.h"

namespace noma {

namespace {

constexpr std::array<std::string_view, 7> kStepNames = {"ド", "レ", "ミ", "ファ", "ソ", "ラ", "シ"};
constexpr char32_t kFirstBraillePattern = 0x2800;

std::string fullWidthNumber(int n) {
    std::string text;
    for (const char digit : std::to_string(n)) appendUtf8(text, U'０' + (digit - '0'));
    return text;
}

std::string valueName(const MusicEvent& e) {
    std::string name;
    const int rhythm = rhythmMarkOf(e.markValue);
    if (rhythm == kDotted) name = "付点";
    if (rhythm == kDoubleDotted) name = "複付点";
    name += e.value == 1 ? "全" : fullWidthNumber(e.value) + "分";
    name += e.semitone == kRestSemitone ? "休符" : "音符";
    return name;
}

std::string noteName(const MusicEvent& e, const EventSpelling& spelling) {
    std::string name(kStepNames[static_cast<size_t>(spelling.step)]);
    for (int a = spelling.alteration; a > 0; --a) name += "♯";
    for (int a = spelling.alteration; a < 0; ++a) name += "♭";
    return name + std::to_string(e.octave);
}

std::string keyName(int fifths) {
    if (fifths == 0) return "調号なし";
    return "調号 " + std::string(fifths > 0 ? "シャープ" : "フラット") +
           std::to_string(std::abs(fifths)) + "つ";
}

// One thing said in a measure, at the column it stands in.
struct Item {
    int column;
    std::string text;
};

// A stave's span of measures: items land in the measure whose bars enclose their column.
struct Measures {
    std::vector<int> barColumns;  // ascending
    std::vector<std::vector<Item>> items;
    std::vector<std::string> opening;  // per measure: what its opening bar says
    std::vector<std::string> closing;  // per measure: what its closing bar says

    size_t measureAt(int column) const {
        return static_cast<size_t>(std::upper_bound(barColumns.begin(), barColumns.end(), column) -
                                   barColumns.begin());
    }
};

std::string_view barText(BarKind kind) {
    switch (kind) {
        case BarKind::Final:
            return modeInfo(kFinalBarLine).modeName;
        case BarKind::RepeatStart:
            return modeInfo(kRepeatStart).modeName;
        case BarKind::RepeatEnd:
            return modeInfo(kRepeatEnd).modeName;
        case BarKind::Plain:
            break;
    }
    return {};
}

// The marks the reading applied to a note, as the palette names them.
std::string marksOf(const MusicEvent& e, bool tiedOn) {
    std::string text;
    if (rhythmMarkOf(e.markValue) == kTriplet) text += " ３連符";
    if (tiedOn) text += " タイ";
    const int articulation = articulationOf(e.markValue);
    if (articulation == kStaccato) text += " " + std::string(modeInfo(kStaccatoMark).modeName);
    if (articulation == kStaccatissimo)
        text += " " + std::string(modeInfo(kStaccatissimoMark).modeName);
    if (articulation >= kGraceThreshold) text += " " + std::string(modeInfo(kGraceNote).modeName);
    return text;
}

// Braille as text, in runs of cells on one line of one measure.
struct BrailleRun {
    size_t stave;
    size_t measure;
    int y;
    int column;
    int lastX;
    std::string text;
};

class Describer {
  public:
    Describer(const ScoreDocument& doc, int page, StaveSelection staves)
        : doc_(doc), page_(page - 1), reading_(readMusic(doc, page, page, staves)) {}

    std::vector<StaveReading> run(DisplayMode braille) {
        const std::vector<EventTime> times = timeEachEvent(reading_.events);
        measures_.resize(reading_.staves.size());
        for (size_t s = 0; s < reading_.staves.size(); ++s) bars(s);
        nearbyMarks();
        for (size_t s = 0; s < reading_.staves.size(); ++s) events(s, times);
        if (braille != kDisplayBraille) brailleRuns(braille);

        std::vector<StaveReading> staves;
        for (size_t s = 0; s < reading_.staves.size(); ++s) {
            const StaveMark& mark = reading_.staves[s];
            StaveReading& stave = staves.emplace_back();
            stave.stave = mark.stave;
            stave.clefOffset = mark.clefOffset;
            stave.fifths = mark.fifths;
            stave.heading = std::string(modeInfo(mark.bass ? kFClef : kGClef).modeName) + "の段 " +
                            std::to_string(mark.stave + 1) + "、" + keyName(mark.fifths);
            say(measures_[s], stave);
        }
        return staves;
    }

  private:
    size_t end(size_t s, size_t StaveMark::*field, size_t total) const {
        return s + 1 < reading_.staves.size() ? reading_.staves[s + 1].*field : total;
    }

    void bars(size_t s) {
        Measures& m = measures_[s];
        m.items.resize(1);
        m.opening.resize(1);
        m.closing.resize(1);
        for (size_t b = reading_.staves[s].firstBar;
             b < end(s, &StaveMark::firstBar, reading_.bars.size()); ++b) {
            // A repeat sign opens the measure after it; every other bar closes the one before.
            const BarKind kind = reading_.bars[b].kind;
            const bool opens = kind == BarKind::RepeatStart;
            if (!opens) m.closing.back() = barText(kind);
            m.barColumns.push_back(reading_.barPlaces[b].column);
            m.items.emplace_back();
            m.opening.emplace_back(opens ? barText(kind) : std::string_view{});
            m.closing.emplace_back();
        }
    }

    void events(size_t s, const std::vector<EventTime>& times) {
        Measures& m = measures_[s];
        const StaveMark& stave = reading_.staves[s];
        size_t key = 0;
        size_t bar = stave.firstBar;
        const size_t lastBar = end(s, &StaveMark::firstBar, reading_.bars.size());
        size_t measure = 0;
        for (size_t i = stave.before; i < end(s, &StaveMark::before, reading_.events.size()); ++i) {
            while (bar < lastBar && reading_.bars[bar].before <= i) {
                ++bar;
                ++measure;
            }
            const MusicEvent& e = reading_.events[i];
            const int column = reading_.places[i].column;
            // A key signature written after the stave's first note changes the key from here.
            while (key < reading_.keys.size() && reading_.keys[key].before <= i) {
                if (reading_.keys[key].before > stave.before)
                    m.items[measure].push_back({column, keyName(reading_.keys[key].fifths)});
                ++key;
            }
            std::string text = e.semitone == kRestSemitone
                                   ? valueName(e)
                                   : noteName(e, reading_.spelling[i]) + " " + valueName(e);
            const bool tiedOn = i + 1 < times.size() && times[i + 1].merged;
            if (e.semitone != kRestSemitone) text += marksOf(e, tiedOn);
            text += nearby_[i];
            m.items[measure].push_back({column, std::move(text)});
        }
    }

    // Fermatas, accents, tenutos and breaths the reading does not play, said with the note or
    // rest nearest them in column on their stave, when it is at most two columns away.
    void nearbyMarks() {
        constexpr int kReach = 2;
        nearby_.assign(reading_.events.size(), {});
        for (int r = 0; r < doc_.symbolCount(page_); ++r) {
            const SymbolRecord& record = doc_.record(page_, r);
            const int kind = record.kind();
            if (kind != kFermata && kind != kFermataBelow && kind != kAccent && kind != kTenuto &&
                kind != kBreath)
                continue;
            const CellPoint at = cellOf(record);
            const auto stave = staveAt(at.row);
            if (!stave) continue;
            std::optional<size_t> nearest;
            int64_t distance = kReach + 1;
            for (size_t i = reading_.staves[*stave].before;
                 i < end(*stave, &StaveMark::before, reading_.events.size()); ++i) {
                const int64_t d = std::abs(int64_t{reading_.places[i].column} - at.column);
                if (d < distance) {
                    nearest = i;
                    distance = d;
                }
            }
            if (nearest) nearby_[*nearest] += " " + std::string(modeInfo(kind).modeName);
        }
    }

    // The stave whose window holds `row` (the first or last for a row above or below them all),
    // when the reading took it.
    std::optional<size_t> staveAt(int64_t row) const {
        const PageSettings& settings = doc_.settings(page_);
        const int64_t interval = std::max(settings.staveInterval, 1);
        const int64_t stave = std::clamp<int64_t>(floorDiv(row + interval - 4, 2 * interval), 0,
                                                  std::max(settings.staveCount - 1, 0));
        for (size_t s = 0; s < reading_.staves.size(); ++s)
            if (reading_.staves[s].stave == stave) return s;
        return std::nullopt;
    }

    void brailleRuns(DisplayMode mode) {
        const PageSettings& settings = doc_.settings(page_);
        const int originY = rowOriginY(settings.topMargin, doc_.header.verticalPitch);
        const std::vector<InkItem> ink = translateBraillePage(doc_, page_, mode);
        std::vector<BrailleRun> runs;
        for (size_t k = 0; k < ink.size(); ++k) {
            const InkItem& item = ink[k];
            const auto stave =
                staveAt(floorDiv(item.cellY - originY, std::max(doc_.header.verticalPitch, 1)));
            if (!stave) continue;
            const auto column = static_cast<int>(floorDiv(item.cellX, kColumnWidth));
            const size_t measure = measures_[*stave].measureAt(column);
            BrailleRun* run = runs.empty() ? nullptr : &runs.back();
            if (!run || run->stave != *stave || run->measure != measure || run->y != item.cellY) {
                runs.push_back({*stave, measure, item.cellY, column, item.cellX, {}});
                run = &runs.back();
            } else if (item.cellX - run->lastX > kCellPitch) {
                run->text += "　";
            }
            run->lastX = item.cellX;
            if (item.kind == InkItem::Kind::Text) {
                run->text += item.text;
                continue;
            }
            // A prefix or numeral indicator is read with the cell after it.
            const bool joined = k + 1 < ink.size() && ink[k + 1].kind == InkItem::Kind::Text &&
                                ink[k + 1].cellY == item.cellY &&
                                ink[k + 1].cellX == item.cellX + kCellPitch &&
                                (prefixCategoryOf(item.cell) != PrefixCategory::None ||
                                 item.cell == kNumeralIndicator);
            if (!joined) appendUtf8(run->text, kFirstBraillePattern + item.cell);
        }
        for (BrailleRun& run : runs) {
            if (run.text.empty()) continue;
            measures_[run.stave].items[run.measure].push_back(
                {run.column, "点字「" + run.text + "」"});
        }
    }

    // One line per measure; the empty spans before the first and after the last bar are not
    // measures, and an empty stave has none.
    static void say(Measures& m, StaveReading& stave) {
        const size_t count = m.items.size();
        stave.barColumns = m.barColumns;
        stave.measureNumbers.assign(count, 0);
        int number = 0;
        for (size_t k = 0; k < count; ++k) {
            std::vector<Item>& items = m.items[k];
            const bool edge = k == 0 || k + 1 == count;
            if (edge && items.empty() && m.opening[k].empty() && m.closing[k].empty()) continue;
            std::stable_sort(items.begin(), items.end(),
                             [](const Item& a, const Item& b) { return a.column < b.column; });
            stave.measureNumbers[k] = ++number;
            std::string line = "第" + std::to_string(number) + "小節：";
            std::vector<std::string> parts;
            if (!m.opening[k].empty()) parts.push_back(m.opening[k]);
            for (Item& item : items) parts.push_back(std::move(item.text));
            if (!m.closing[k].empty()) parts.push_back(m.closing[k]);
            if (parts.empty()) parts.emplace_back("空");
            for (size_t p = 0; p < parts.size(); ++p) line += (p == 0 ? "" : "、") + parts[p];
            stave.lines.push_back(std::move(line));
        }
    }

    const ScoreDocument& doc_;
    int page_;
    MusicReading reading_;
    std::vector<Measures> measures_;
    std::vector<std::string> nearby_;  // per event
};

}  // namespace

int StaveReading::measureAt(int column) const {
    const auto span = static_cast<size_t>(
        std::upper_bound(barColumns.begin(), barColumns.end(), column) - barColumns.begin());
    return span < measureNumbers.size() ? measureNumbers[span] : 0;
}

std::vector<StaveReading> readStavesAloud(const ScoreDocument& doc, int page, StaveSelection staves,
                                          DisplayMode braille) {
    if (page < 1 || page > doc.header.pageCount) return {};
    return Describer(doc, page, staves).run(braille);
}

std::string degreeName(int degree, int fifths) {
    const auto octave = static_cast<int>(floorDiv(degree, 7));
    const int step = degree - 7 * octave;
    // The steps a key signature alters, in the order it adds them: F C G D A E B, flats reversed.
    constexpr std::array<int, 7> kSharpOrder = {3, 0, 4, 1, 5, 2, 6};
    std::string name(kStepNames[static_cast<size_t>(step)]);
    for (int k = 0; k < std::min(std::abs(fifths), 7); ++k) {
        if (kSharpOrder[static_cast<size_t>(fifths > 0 ? k : 6 - k)] == step)
            name += fifths > 0 ? "♯" : "♭";
    }
    return name + std::to_string(octave);
}

std::vector<std::string> describePage(const ScoreDocument& doc, int page, StaveSelection staves,
                                      DisplayMode braille) {
    std::vector<std::string> lines;
    for (StaveReading& stave : readStavesAloud(doc, page, staves, braille)) {
        lines.push_back(std::move(stave.heading));
        for (std::string& line : stave.lines) lines.push_back(std::move(line));
    }
    return lines;
}

}  // namespace noma
