#include "interchange/MusicXmlImport.h"

#include <algorithm>

#include "braille/BrailleCell.h"
#include "braille/TextToCells.h"
#include "document/PageGeometry.h"
#include "document/SymbolCatalogue.h"
#include "document/SymbolKind.h"
#include "interchange/BrailleLines.h"
#include "interchange/NoteSpelling.h"
#include "interchange/TactileLayout.h"

namespace noma::interchange {

namespace {

int notesBeyondStave(const std::vector<MeasureMusic>& music, int interval) {
    int count = 0;
    for (const MeasureMusic& m : music) {
        for (const StaffMeasure& staff : m.staves) {
            for (const Sound& s : staff.sounds) {
                if (s.notes.empty()) continue;
                const int row = 38 + (staff.bass ? -12 : 0) - diatonicOf(*s.notes.front());
                if (row < 4 - interval || row > interval + 3) ++count;
            }
        }
    }
    return count;
}

// The title in braille above the first stave of page 1, where the braille window would put it,
// when the top margin leaves room above the marks over that stave.
void addTitle(const std::string& title, const LayoutSettings& settings, LaidOutPage& page,
              NotShown& notShown) {
    if (title.empty()) return;
    const std::vector<BrailleCell> cells = convertEnteredText(title);
    const int origin = rowOriginY(settings.topMargin, settings.pitch);
    const int marks = origin - 10 * settings.pitch;  // marks over the top stave reach this high
    int line = marks - 24;                           // page y of the cells' row, clear of them
    // Above the braille lines over the stave too.
    for (const SymbolRecord& r : page.records) {
        if (r.kind() == kBraille) {
            line = std::min(line, (origin + brailleOf(r).y - kBrailleLineHeight) / settings.pitch *
                                      settings.pitch);
        }
    }
    // Inside the frame the page view draws 50 pixels in from the edge.
    if (cells.empty() || line - 9 < 56 ||
        page.records.size() + cells.size() > static_cast<size_t>(kMaxRecords)) {
        ++notShown["title"];
        return;
    }
    std::vector<SymbolRecord> out;
    int x = columnToX(9) + 10;
    for (const BrailleCell cell : cells) {
        if (x > pageWidth(settings.orientation) - 33) {
            ++notShown["title cells past the page's edge"];
            break;
        }
        out.push_back(brailleRecord({x, line - origin, cell}));
        x += kCellPitch;
    }
    page.records.insert(page.records.begin(), out.begin(), out.end());
}

// The page type of the chosen staves by their opening clefs: the types that print such a system,
// blank pages (with lines and clefs of their own) for any other.
int scoreTypeOf(const std::vector<StaffSource>& staves, const std::vector<MeasureMusic>& music) {
    auto bass = [&](size_t s) { return !music.empty() && music.front().staves[s].bass; };
    switch (staves.size()) {
        case 1:
            return kTrebleSingle;
        case 2:
            return staves[0].part == staves[1].part || (!bass(0) && bass(1)) ? kGrandStaff : kBlank;
        case 3:
            return !bass(0) && !bass(1) && bass(2) ? kTrebleTrebleBass : kBlank;
        default:
            return kBlank;
    }
}

}  // namespace

Expected<ImportReport> importScore(const musicxml::Score& score, const ImportOptions& options,
                                   ScoreDocument& doc) {
    std::vector<size_t> parts;
    if (options.parts.empty()) {
        for (size_t p = 0; p < score.parts.size(); ++p) parts.push_back(p);
    }
    for (int p : options.parts) {
        if (p < 1 || static_cast<size_t>(p) > score.parts.size()) {
            return Failure{"楽譜に" + std::to_string(p) + "番目のパートはありません（パートは" +
                               std::to_string(score.parts.size()) + "つです）。",
                           "the score has no part " + std::to_string(p) + " (it has " +
                               std::to_string(score.parts.size()) + ")"};
        }
        parts.push_back(static_cast<size_t>(p - 1));
    }
    const std::vector<StaffSource> staves = stavesOf(score, parts);
    const int count = static_cast<int>(staves.size());

    ImportReport report;
    const std::vector<MeasureMusic> music = collectMusic(score, staves, report.notShown);
    const int scoreType = scoreTypeOf(staves, music);
    LayoutSettings settings{options.orientation, options.pitch, options.topMargin, options.interval,
                            scoreType};
    auto capacityAt = [&](int interval) {
        return staveCapacity(settings.orientation, settings.pitch, settings.topMargin, interval,
                             scoreType);
    };
    if (!options.intervalGiven) {
        settings.interval = std::min(kMaxStaveInterval, intervalForNotes(music, options.interval));
        // Never so wide that a system no longer fits on a page.
        while (settings.interval > options.interval && capacityAt(settings.interval) < count)
            --settings.interval;
    }
    int capacity = capacityAt(settings.interval);
    if (capacity < count) {
        return Failure{"１ページに入る段数（" + std::to_string(capacity) + "段）より多い" +
                           std::to_string(count) + "段が必要なため、読み込めません。",
                       "the parts need " + std::to_string(count) + " staves, a page holds " +
                           std::to_string(capacity)};
    }
    Layout layout = layOutMusic(music, count, settings, report.notShown);
    // Braille lines need rows clear of the figures: measured on this layout, then laid out
    // again with the interval and the room under a page's last stave they need. A wider
    // interval lets each stave claim figures far from it, so measure again until it holds.
    for (int pass = 0; pass < 3; ++pass) {
        BrailleRoom room = roomForBraille(layout, music, settings);
        if (room.roomBelow.empty()) break;
        int interval = options.intervalGiven
                           ? settings.interval
                           : std::clamp(room.interval, settings.interval, kMaxStaveInterval);
        while (interval > settings.interval && capacityAt(interval) < count) --interval;
        if (pass > 0 && interval == settings.interval && room.roomBelow == settings.roomBelow)
            break;
        settings.interval = interval;
        settings.roomBelow = std::move(room.roomBelow);
        NotShown again;
        layout = layOutMusic(music, count, settings, again);
        capacity = capacityAt(settings.interval);
    }
    addBrailleLines(layout, music, settings, report.notShown);
    addTitle(score.title, settings, layout.pages.front(), report.notShown);
    const int pages = static_cast<int>(layout.pages.size());
    if (pages > kMaxPages) {
        return Failure{"楽譜が" + std::to_string(pages) +
                           "ページになり、１００ページを超えるため読み込めません。",
                       "the music needs " + std::to_string(pages) + " pages, more than 100"};
    }
    for (const std::string& number : layout.measuresCrowded) {
        report.warnings.push_back(
            {"measure " + number + " is set with figures closer than a column apart to fit a stave",
             "第" + number + "小節は、段に収めるため記号の間を１マスより詰めて置きました。"});
    }
    for (const std::string& number : layout.measuresTooWide) {
        report.warnings.push_back({"measure " + number + " does not fit on a stave",
                                   "第" + number + "小節は、詰めても段に収まりません。"});
    }
    if (const int beyond = notesBeyondStave(music, settings.interval); beyond > 0) {
        const std::string count = std::to_string(beyond);
        report.warnings.push_back(
            {count + " notes lie beyond the rows their stave is read from",
             count +
                 "個の音符が、段として読まれる範囲の外にあります（段の間隔を広げてください）。"});
    }

    doc.clearSymbols();
    doc.header = {pages, settings.pitch, settings.orientation};
    for (int p = 0; p < pages; ++p) {
        const LaidOutPage& page = layout.pages[static_cast<size_t>(p)];
        doc.settings(p) = {page.scoreType,    0,       settings.topMargin, page.staveCount,
                           settings.interval, capacity};
        for (const SymbolRecord& r : page.records) doc.append(p, r);
    }
    doc.keyIndex = 0;
    doc.currentPage = 0;
    doc.interactionState = kIdle;
    doc.dataChanged = false;
    doc.toolMode = 0;
    return report;
}

}  // namespace noma::interchange
