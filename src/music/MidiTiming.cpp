#include "music/MidiTiming.h"

#include <algorithm>

#include "music/MarkValues.h"

namespace noma {

int midiKey(int octave, int semitone) {
    int key = 12 * (octave + 1) + semitone;
    while (key < 0) key += 12;
    while (key > 127) key -= 12;
    return key;
}

std::vector<TimedNote> timeEvents(const std::vector<MusicEvent>& events) {
    std::vector<TimedNote> notes;
    notes.reserve(events.size());
    int64_t pending = 0;  // silence to put before the next note
    for (size_t i = 0; i < events.size(); ++i) {
        const size_t self = i;
        const MusicEvent& e = events[self];
        const int64_t base = kTicksPerWhole / e.value;
        int64_t duration = base;
        switch (rhythmMarkOf(e.markValue)) {
            case kDotted:
                duration = base * 3 / 2;
                break;
            case kDoubleDotted:
                duration = base * 7 / 4;
                break;
            case kTriplet:
                duration = base * 2 / 3;
                break;
            case kTied:
                // Only the pitch class is compared, not the octave.
                if (self + 1 < events.size() && events[self + 1].semitone == e.semitone) {
                    duration = base + kTicksPerWhole / events[self + 1].value;
                    ++i;  // the tied note is part of this one
                }
                break;
            default:
                break;
        }
        // A grace note borrows its time from the event after it.
        if (self > 0 && articulationOf(events[self - 1].markValue) >= kGraceThreshold) {
            duration -= kTicksPerWhole / events[self - 1].value;
        }
        if (e.semitone == kRestSemitone) {
            pending += std::max<int64_t>(duration, 0);
            continue;
        }
        // A note shortened by a longer grace note still takes one tick.
        duration = std::max<int64_t>(duration, 1);
        int64_t sounding = duration;
        int64_t after = 0;
        switch (articulationOf(e.markValue)) {
            case kStaccato:
                sounding = duration / 2;
                after = duration / 2;
                break;
            case kStaccatissimo:
                sounding = duration / 3;
                after = duration * 2 / 3;
                break;
            default:
                break;
        }
        // However short, a played note is heard.
        notes.push_back({pending, midiKey(e.octave, e.semitone), std::max<int64_t>(sounding, 1)});
        pending = after;
    }
    return notes;
}

}  // namespace noma
