#include "music/NoteReader.h"

#include <algorithm>
#include <array>

#include "document/PageGeometry.h"
#include "document/ScoreDocument.h"
#include "document/SymbolCatalogue.h"
#include "document/SymbolKind.h"
#include "music/MarkValues.h"
#include "music/NoteKinds.h"
#include "platform/Geometry.h"

namespace noma {

namespace {

constexpr int kDiatonicCount = 56;
constexpr std::array<int, 7> kStepSemitone = {0, 2, 4, 5, 7, 9, 11};

bool inRange(int d) {
    return d >= 0 && d < kDiatonicCount;
}

// Key signature and accidentals of one stave, per diatonic index.
class Alterations {
  public:
    void clear() {
        key_.fill(0);
        accidental_.fill(0);
    }
    void clearAccidentals() { accidental_.fill(0); }

    int at(int d) const { return inRange(d) ? key_[d] + accidental_[d] : 0; }

    // A key-signature symbol holds for its degree in every octave.
    void keySignature(int d, int alteration) {
        for (int k = -5; k <= 4; ++k) {
            const int index = d + 7 * k;
            if (inRange(index)) key_[index] = alteration;
        }
    }

    // A sharp or flat on a degree the key already alters that way leaves the key's
    // alteration sounding (it also undoes an earlier natural in the bar).
    void accidental(int d, int alteration) {
        if (!inRange(d)) return;
        accidental_[d] = key_[d] == alteration ? 0 : alteration;
    }

    void natural(int d) {
        if (inRange(d)) accidental_[d] = -key_[d];
    }

    // Sharps minus flats among the degrees the key alters, each degree counted once.
    int fifths() const {
        int count = 0;
        for (size_t step = 0; step < 7; ++step) count += key_[step + 7 * 4];
        return count;
    }

  private:
    std::array<int, kDiatonicCount> key_{};
    std::array<int, kDiatonicCount> accidental_{};
};

bool isHandled(int kind) {
    if (noteValueOf(kind) != 0 || restValueOf(kind) != 0) return true;
    switch (kind) {
        case kBarLine:
        case kFinalBarLine:
        case kRepeatStart:
        case kRepeatEnd:
        case kSharp:
        case kFlat:
        case kNatural:
        case kKeySharp:
        case kKeyFlat:
            return true;
        default:
            return false;
    }
}

struct Spot {
    int column;
    int row;
    int index;
};

class Reader {
  public:
    Reader(const ScoreDocument& doc, StaveSelection staves) : doc_(doc), staves_(staves) {}

    void page(int p) {
        const std::vector<int> marks = computeMarkValues(doc_, p);
        const PageSettings& s = doc_.settings(p);
        for (int stave = 0; stave < s.staveCount; ++stave)
            readStave(p, stave, s.staveInterval, marks);
    }

    MusicReading reading;

  private:
    void key() {
        const int fifths = alterations_.fifths();
        const size_t before = reading.events.size();
        std::vector<KeyMark>& keys = reading.keys;
        if (!keys.empty() && keys.back().before == before) keys.pop_back();
        if (keys.empty() ? fifths != 0 : keys.back().fifths != fifths)
            keys.push_back({before, fifths});
        std::vector<StaveMark>& staves = reading.staves;
        if (!staves.empty() && staves.back().before == before) staves.back().fifths = fifths;
    }

    void bar(BarKind kind, const EventPlace& place) {
        alterations_.clearAccidentals();
        reading.bars.push_back({reading.events.size(), kind});
        reading.barPlaces.push_back(place);
    }

    // The symbols of the stave's window, columns left to right, rows top to bottom, then in
    // record order: the order in which the stave is read.
    std::vector<Spot> window(int p, int top, int interval) const {
        const int lastColumn = pageWidth(doc_.header.orientation) / kColumnWidth - 1;
        const int firstRow = top - interval + 4;
        const int lastRow = top + interval + 3;
        std::vector<Spot> spots;
        const SymbolRecord* records = doc_.pageRecords(p);
        for (int i = 0; i < doc_.symbolCount(p); ++i) {
            const SymbolRecord& r = records[i];
            const CellPoint at = cellOf(r);
            if (at.column < 0 || at.column > lastColumn || at.row < firstRow || at.row > lastRow)
                continue;
            if (r.kind() == kGClef || r.kind() == kFClef || isHandled(r.kind())) {
                spots.push_back({at.column, at.row, i});
            }
        }
        std::sort(spots.begin(), spots.end(), [](const Spot& a, const Spot& b) {
            if (a.column != b.column) return a.column < b.column;
            return a.row != b.row ? a.row < b.row : a.index < b.index;
        });
        return spots;
    }

    void readStave(int p, int stave, int interval, const std::vector<int>& marks) {
        const int top = 2 * stave * interval;
        const std::vector<Spot> spots = window(p, top, interval);
        const SymbolRecord* records = doc_.pageRecords(p);
        alterations_.clear();

        // The last clef in reading order wins; without one the previous stave's offset stays.
        for (const Spot& spot : spots) {
            const int kind = records[spot.index].kind();
            if (kind == kFClef) clefOffset_ = spot.row - top - 16;
            if (kind == kGClef) clefOffset_ = spot.row - top - 4;
        }
        const bool read = staves_ == StaveSelection::Both ||
                          (staves_ == StaveSelection::Treble && clefOffset_ > -6) ||
                          (staves_ == StaveSelection::Bass && clefOffset_ < -6);
        if (!read) return;
        reading.staves.push_back({reading.events.size(), reading.bars.size(), p, stave,
                                  clefOffset_ < -6, 0, clefOffset_});
        key();

        bool skipping = false;
        int skippedColumn = 0;
        for (const Spot& spot : spots) {
            if (skipping && spot.column == skippedColumn) continue;
            const int kind = records[spot.index].kind();
            if (!isHandled(kind)) continue;
            const int d = 38 + top + clefOffset_ - spot.row;
            symbol(kind, d, marks[static_cast<size_t>(spot.index)],
                   {p, stave, spot.column, spot.row});
            // Only the first symbol of a column counts: of a chord only its top note sounds.
            skipping = true;
            skippedColumn = spot.column;
        }
    }

    void symbol(int kind, int d, int markValue, const EventPlace& place) {
        const int octave = floorDiv(d, 7);
        const int step = d - 7 * octave;
        if (const int value = noteValueOf(kind); value != 0) {
            const int alteration = alterations_.at(d);
            reading.events.push_back(
                {octave, kStepSemitone[static_cast<size_t>(step)] + alteration, value, markValue});
            reading.spelling.push_back({step, alteration});
            reading.places.push_back(place);
            return;
        }
        if (const int value = restValueOf(kind); value != 0) {
            reading.events.push_back({octave, kRestSemitone, value, markValue});
            reading.spelling.push_back({});
            reading.places.push_back(place);
            return;
        }
        switch (kind) {
            case kBarLine:
                bar(BarKind::Plain, place);
                break;
            case kFinalBarLine:
                bar(BarKind::Final, place);
                break;
            case kRepeatStart:
                bar(BarKind::RepeatStart, place);
                break;
            case kRepeatEnd:
                bar(BarKind::RepeatEnd, place);
                break;
            case kSharp:
                alterations_.accidental(d, +1);
                break;
            case kFlat:
                alterations_.accidental(d, -1);
                break;
            case kNatural:
                alterations_.natural(d);
                break;
            case kKeySharp:
                alterations_.keySignature(d, +1);
                key();
                break;
            case kKeyFlat:
                alterations_.keySignature(d, -1);
                key();
                break;
            default:
                break;
        }
    }

    const ScoreDocument& doc_;
    StaveSelection staves_;
    Alterations alterations_;
    int clefOffset_ = 0;  // carried over from stave to stave and page to page
};

}  // namespace

MusicReading readMusic(const ScoreDocument& doc, int firstPage, int lastPage,
                       StaveSelection staves) {
    Reader reader(doc, staves);
    const int first = std::max(firstPage, 1);
    const int last = std::min(lastPage, static_cast<int>(doc.header.pageCount));
    for (int p = first; p <= last; ++p) reader.page(p - 1);
    return std::move(reader.reading);
}

std::vector<MusicEvent> readMusicEvents(const ScoreDocument& doc, int firstPage, int lastPage,
                                        StaveSelection staves) {
    return readMusic(doc, firstPage, lastPage, staves).events;
}

}  // namespace noma
