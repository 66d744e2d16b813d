#include "musicxml/ExportMeasures.h"

#include <algorithm>
#include <cstdint>

namespace noma {

namespace {

constexpr int64_t kTicksPer64th = kTicksPerWhole / 64;

class Splitter {
  public:
    Splitter(const MusicReading& reading, const std::vector<EventTime>& times)
        : reading_(reading), times_(times) {}

    std::vector<Measure> run() {
        const size_t count = reading_.events.size();
        size_t bar = 0;
        for (size_t i = 0; i <= count; ++i) {
            for (; bar < reading_.bars.size() && reading_.bars[bar].before == i; ++bar)
                close(reading_.bars[bar].kind);
            if (i < count) add(i);
        }
        if (!current_.notes.empty()) measures_.push_back(std::move(current_));
        return joinThirds(std::move(measures_));
    }

  private:
    void close(BarKind kind) {
        if (current_.notes.empty()) {
            if (kind == BarKind::RepeatStart) {
                current_.repeatStart = true;
            } else if (kind != BarKind::Plain && !measures_.empty()) {
                measures_.back().end = kind;
            }
            return;
        }
        current_.end = kind == BarKind::RepeatStart ? BarKind::Plain : kind;
        measures_.push_back(std::move(current_));
        current_ = Measure{};
        current_.repeatStart = kind == BarKind::RepeatStart;
    }

    // A measure must be a whole number of 64ths for a time signature to give its length; a
    // bar line that falls within a triplet's thirds is left out, joining its two measures.
    static std::vector<Measure> joinThirds(std::vector<Measure> measures) {
        std::vector<Measure> joined;
        bool open = false;
        for (Measure& m : measures) {
            if (open) {
                Measure& last = joined.back();
                last.notes.insert(last.notes.end(), m.notes.begin(), m.notes.end());
                last.length += m.length;
                last.end = m.end;
            } else {
                joined.push_back(std::move(m));
            }
            open = joined.back().length % kTicksPer64th != 0;
        }
        return joined;
    }

    void write(WrittenNote note) {
        current_.length += note.ticks;
        current_.notes.push_back(note);
    }

    void add(size_t i) {
        const EventTime& time = times_[i];
        if (time.merged) {
            if (splitTie_ == i)
                write({i, i - 1, kTicksPerWhole / reading_.events[i].value, false, true});
            return;
        }
        if (i + 1 < times_.size() && times_[i + 1].merged) {
            // The tied note keeps its own value; the first note has what is left of the pair.
            const int64_t second = kTicksPerWhole / reading_.events[i + 1].value;
            if (time.length > second) {
                write({i, i, time.length - second, true, false});
                splitTie_ = i + 1;
                return;
            }
        }
        // A staccato note with the silence after it: the time the MIDI export gives both.
        const int64_t ticks = time.after > 0 ? time.sounding + time.after : time.length;
        if (ticks > 0) write({i, i, ticks, false, false});
    }

    const MusicReading& reading_;
    const std::vector<EventTime>& times_;
    std::vector<Measure> measures_;
    Measure current_;
    size_t splitTie_ = SIZE_MAX;
};

}  // namespace

std::vector<Measure> splitMeasures(const MusicReading& reading,
                                   const std::vector<EventTime>& times) {
    return Splitter(reading, times).run();
}

bool startsWithPickup(const std::vector<Measure>& measures) {
    return measures.size() > 1 && measures[0].length < measures[1].length;
}

std::optional<TimeSignature> commonTime(const std::vector<Measure>& measures) {
    if (measures.empty()) return std::nullopt;
    int64_t full = 0;
    for (const Measure& m : measures) full = std::max(full, m.length);
    for (size_t i = 0; i < measures.size(); ++i) {
        const bool edge = i == 0 || i + 1 == measures.size();
        if (measures[i].length != full && !(edge && measures[i].length < full)) return std::nullopt;
    }
    return timeOfLength(full);
}

std::optional<TimeSignature> timeOfLength(int64_t ticks) {
    if (ticks <= 0) return std::nullopt;
    // Quarters where they fit, else the longest beat that divides the length.
    for (int beatType = 4; beatType <= 64; beatType *= 2) {
        const int64_t beat = kTicksPerWhole / beatType;
        if (ticks % beat == 0) {
            const int64_t beats = ticks / beat;
            if (beats > 999) return std::nullopt;
            return TimeSignature{static_cast<int>(beats), beatType};
        }
    }
    return std::nullopt;
}

}  // namespace noma
