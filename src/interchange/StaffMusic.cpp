#include "interchange/StaffMusic.h"

#include <algorithm>
#include <variant>

#include "interchange/NoteSpelling.h"

namespace noma::interchange {

namespace {

using musicxml::Note;

int diatonic(const Note& n) {
    return diatonicOf(n);
}

// Rests of the kinds that exist (half .. 128th) filling `length` ticks, longest first.
std::vector<std::pair<int, int64_t>> restPieces(int64_t length) {
    std::vector<std::pair<int, int64_t>> pieces;
    for (int value = 2; value <= 128 && length > 0;) {
        const int64_t ticks = 4 * kTicksPerQuarter / value;
        if (length >= ticks) {
            pieces.emplace_back(value, ticks);
            length -= ticks;
        } else {
            value *= 2;
        }
    }
    // The reading times a 128th rest as 1/48 quarter, where it truncates: a rest that long
    // (as NOMA's own export writes a 128th rest) is that rest, not nothing.
    if (length == kTicksPerQuarter / 48) pieces.emplace_back(128, length);
    return pieces;
}

struct StaffState {
    int firstVoice = 0;  // 0 until the staff's first note
    bool bass = false;
    std::string sign = "G";
};

class PartWalker {
  public:
    PartWalker(const musicxml::Part& part, std::vector<int> staves, NotShown& notShown)
        : part_(part), staves_(std::move(staves)), notShown_(notShown), state_(staves_.size()) {}

    // Fills the measure's staves of this part (slots `slots[i]` for staves_[i]) and, when
    // `lead`, the measure-wide values.
    void measure(size_t index, MeasureMusic& out, const std::vector<size_t>& slots, bool lead) {
        if (index >= part_.measures.size()) return;
        const musicxml::Measure& m = part_.measures[index];
        int64_t pos = 0;
        int64_t end = 0;
        std::vector<Sound*> last(staves_.size(), nullptr);
        for (const musicxml::Event& event : m.events) {
            if (const auto* a = std::get_if<musicxml::Attributes>(&event)) {
                attributes(*a, out, slots, lead, index);
            } else if (const auto* b = std::get_if<musicxml::Backup>(&event)) {
                pos = std::max<int64_t>(0, pos - ticks(b->duration));
            } else if (const auto* f = std::get_if<musicxml::Forward>(&event)) {
                pos += ticks(f->duration);
                end = std::max(end, pos);
            } else if (const auto* n = std::get_if<Note>(&event)) {
                note(*n, pos, out, slots, last);
                end = std::max(end, pos);
            } else if (const auto* bar = std::get_if<musicxml::Barline>(&event)) {
                if (lead) barline(*bar, out);
            } else if (const auto* d = std::get_if<musicxml::Direction>(&event)) {
                direction(*d, pos, out, slots);
            }
        }
        if (lead) {
            out.number = m.number;
            out.fifths = fifths_;  // the key in force, whether or not this measure names it
        }
        out.length = std::max(out.length, end);
        for (size_t i = 0; i < staves_.size(); ++i) {
            StaffMeasure& staff = out.staves[slots[i]];
            staff.bass = state_[i].bass;
        }
    }

  private:
    int64_t ticks(int duration) const { return duration * kTicksPerQuarter / divisions_; }

    int slotOf(int staff) const {
        for (size_t i = 0; i < staves_.size(); ++i) {
            if (staves_[i] == staff) return static_cast<int>(i);
        }
        return -1;
    }

    void attributes(const musicxml::Attributes& a, MeasureMusic& out,
                    const std::vector<size_t>& slots, bool lead, size_t index) {
        const bool first = index == 0;
        if (a.divisions > 0) divisions_ = a.divisions;
        if (a.hasKey && lead && (first || a.fifths != fifths_)) {
            out.keyChange = !first;
            fifths_ = a.fifths;
        }
        if (lead) out.fifths = fifths_;
        for (const musicxml::Clef& clef : a.clefs) {
            const int i = slotOf(clef.staff);
            if (i < 0) continue;
            StaffState& s = state_[static_cast<size_t>(i)];
            const std::string sign = signOf(clef);
            if (sign == s.sign && !first) continue;
            s.sign = sign;
            const bool other = sign != "G" && sign != "F";
            s.bass = other ? bassByRange(index, clef.staff) : sign == "F";
            out.staves[slots[static_cast<size_t>(i)]].clefChange = !first;
            if (other) ++notShown_[(clef.octaveChange != 0 ? "octave " : "") + clef.sign + " clef"];
        }
        if (a.hasTime && lead) time(a, out);
    }

    // The time signature where it first appears or changes.
    void time(const musicxml::Attributes& a, MeasureMusic& out) {
        if (a.senzaMisura) {
            ++notShown_["senza misura"];
            return;
        }
        const bool digits =
            !a.beats.empty() && std::all_of(a.beats.begin(), a.beats.end(),
                                            [](char c) { return c >= '0' && c <= '9'; });
        if (!digits || a.beatType <= 0) {
            ++notShown_["time signature " + a.beats + "/" + std::to_string(a.beatType)];
            return;
        }
        const std::string text = a.beats + "/" + std::to_string(a.beatType);
        if (text == time_) return;
        time_ = text;
        out.time = text;
    }

    // An octave clef's notes stand at their real pitch, so it is transcribed like a C clef.
    static std::string signOf(const musicxml::Clef& clef) {
        return clef.octaveChange != 0 ? clef.sign + "8" : clef.sign;
    }

    // A clef the tactile staves lack: treble or bass, whichever suits the notes it governs up
    // to the staff's next clef, decided once so that it holds on every system it spans.
    bool bassByRange(size_t from, int staff) const {
        const std::string& sign = state_[static_cast<size_t>(slotOf(staff))].sign;
        int64_t sum = 0, count = 0;
        for (size_t m = from; m < part_.measures.size(); ++m) {
            for (const musicxml::Event& e : part_.measures[m].events) {
                const auto* a = std::get_if<musicxml::Attributes>(&e);
                if (a != nullptr && m > from &&
                    std::any_of(a->clefs.begin(), a->clefs.end(), [&](const musicxml::Clef& c) {
                        return c.staff == staff && signOf(c) != sign;
                    })) {
                    return count > 0 && sum / count < 7 * 4;
                }
                const auto* n = std::get_if<Note>(&e);
                if (n != nullptr && !n->rest && n->staff == staff) {
                    sum += diatonic(*n);
                    ++count;
                }
            }
        }
        return count > 0 && sum / count < 7 * 4;  // below middle C
    }

    void note(const Note& n, int64_t& pos, MeasureMusic& out, const std::vector<size_t>& slots,
              std::vector<Sound*>& last) {
        const int i = slotOf(n.staff);
        const bool advances = !n.chord && !n.grace;
        // A chord sounds at its first note's onset, whichever staff that note is on.
        if (!n.chord) chordOnset_ = pos;
        const int64_t onset = n.chord ? chordOnset_ : pos;
        if (i < 0) {
            if (advances) pos += ticks(n.duration);
            return;
        }
        StaffState& state = state_[static_cast<size_t>(i)];
        if (state.firstVoice == 0) state.firstVoice = n.voice;
        if (n.voice != state.firstVoice) {
            if (!n.rest) ++notShown_["note of a second voice"];
            if (advances) pos += ticks(n.duration);
            return;
        }
        std::vector<Sound>& sounds = out.staves[slots[static_cast<size_t>(i)]].sounds;
        Sound*& previous = last[static_cast<size_t>(i)];
        if (n.chord && previous != nullptr && !previous->rest && previous->onset == onset) {
            auto at = std::find_if(previous->notes.begin(), previous->notes.end(),
                                   [&](const Note* o) { return diatonic(*o) < diatonic(n); });
            previous->notes.insert(at, &n);
            return;
        }
        if (n.cue) ++notShown_["cue note"];
        if (n.rest) {
            const int64_t length = ticks(n.duration);
            int64_t at = pos;
            for (const auto& [value, pieceTicks] : restPieces(length)) {
                Sound s;
                s.onset = at;
                s.length = pieceTicks;
                s.rest = true;
                s.restValue = value;
                sounds.push_back(s);
                at += pieceTicks;
            }
            previous = nullptr;
            pos += length;
            return;
        }
        Sound s;
        s.onset = onset;
        s.grace = n.grace;
        s.length = n.grace ? 0 : ticks(n.duration);
        s.notes.push_back(&n);
        sounds.push_back(std::move(s));
        previous = &sounds.back();
        if (advances) pos += ticks(n.duration);
    }

    void barline(const musicxml::Barline& b, MeasureMusic& out) {
        if (b.repeat == "forward") out.repeatStart = true;
        if (b.repeat == "backward") out.repeatEnd = true;
        if (b.location == "right" && b.style == "light-heavy") out.finalBar = true;
        if (b.location == "right" && (b.style == "light-light" || b.style == "heavy-heavy")) {
            out.doubleBar = true;
        }
        if (b.endingType == "start" && !b.ending.empty()) {
            const int number = b.ending[0] - '0';
            if (number >= 1 && number <= 3 && b.ending.size() == 1) {
                out.ending = number;
            } else {
                ++notShown_["ending " + b.ending];
            }
        }
        if (b.fermata) ++notShown_["fermata on a bar line"];
    }

    void direction(const musicxml::Direction& d, int64_t pos, MeasureMusic& out,
                   const std::vector<size_t>& slots) {
        const int i = slotOf(d.staff);
        if (i < 0) return;
        std::vector<StaffText>& texts = out.staves[slots[static_cast<size_t>(i)]].texts;
        for (const std::string& text : d.dynamics) texts.push_back({pos, true, text});
        for (const std::string& text : d.words) {
            if (text.find_first_not_of(" \t\r\n") != std::string::npos)
                texts.push_back({pos, false, text});
        }
        std::vector<TimedMark>& marks = out.staves[slots[static_cast<size_t>(i)]].marks;
        if (d.wedge == "crescendo") marks.push_back({pos, SpanMark::Crescendo});
        if (d.wedge == "diminuendo") marks.push_back({pos, SpanMark::Diminuendo});
        if (d.wedge == "stop") marks.push_back({pos, SpanMark::HairpinStop});
        // The pedal is felt under the part's lowest staff, wherever the file puts it.
        std::vector<TimedMark>& low = out.staves[slots.back()].marks;
        if (d.pedal == "start") low.push_back({pos, SpanMark::PedalDown});
        if (d.pedal == "stop") low.push_back({pos, SpanMark::PedalUp});
        if (d.pedal == "change") low.push_back({pos, SpanMark::PedalChange});
        if (d.pedal == "sostenuto") ++notShown_["sostenuto pedal"];
        for (const std::string& name : d.unshown) ++notShown_[name];
    }

    const musicxml::Part& part_;
    std::vector<int> staves_;
    NotShown& notShown_;
    std::vector<StaffState> state_;
    int divisions_ = 1;
    int fifths_ = 0;
    int64_t chordOnset_ = 0;
    std::string time_;
};

}  // namespace

std::vector<StaffSource> stavesOf(const musicxml::Score& score, const std::vector<size_t>& parts) {
    std::vector<StaffSource> staves;
    for (size_t p : parts) {
        int count = 1;
        for (const musicxml::Measure& m : score.parts[p].measures) {
            for (const musicxml::Event& e : m.events) {
                if (const auto* a = std::get_if<musicxml::Attributes>(&e)) {
                    count = std::max(count, a->staves);
                }
            }
        }
        for (int s = 1; s <= count; ++s) staves.push_back({p, s});
    }
    return staves;
}

std::vector<MeasureMusic> collectMusic(const musicxml::Score& score,
                                       const std::vector<StaffSource>& staves, NotShown& notShown) {
    // The parts involved, each with its staves and the slots they fill.
    std::vector<size_t> parts;
    for (const StaffSource& s : staves) {
        if (std::find(parts.begin(), parts.end(), s.part) == parts.end()) parts.push_back(s.part);
    }
    std::vector<PartWalker> walkers;
    std::vector<std::vector<size_t>> slots;
    size_t measureCount = 0;
    for (size_t p : parts) {
        std::vector<int> numbers;
        std::vector<size_t> own;
        for (size_t i = 0; i < staves.size(); ++i) {
            if (staves[i].part != p) continue;
            numbers.push_back(staves[i].staff);
            own.push_back(i);
        }
        walkers.emplace_back(score.parts[p], numbers, notShown);
        slots.push_back(own);
        measureCount = std::max(measureCount, score.parts[p].measures.size());
    }
    std::vector<MeasureMusic> music(measureCount);
    for (size_t m = 0; m < measureCount; ++m) {
        music[m].staves.resize(staves.size());
        for (size_t w = 0; w < walkers.size(); ++w)
            walkers[w].measure(m, music[m], slots[w], w == 0);
        for (StaffMeasure& staff : music[m].staves) {
            std::stable_sort(staff.sounds.begin(), staff.sounds.end(),
                             [](const Sound& a, const Sound& b) { return a.onset < b.onset; });
        }
    }
    return music;
}

}  // namespace noma::interchange
