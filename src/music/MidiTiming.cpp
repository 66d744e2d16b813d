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

std::vector<EventTime> timeEachEvent(const std::vector<MusicEvent>& events) {
    std::vector<EventTime> times(events.size());
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
                    times[i].merged = true;
                }
                break;
            default:
                break;
        }
        // A grace note borrows its time from the event after it.
        if (self > 0 && articulationOf(events[self - 1].markValue) >= kGraceThreshold) {
            duration -= kTicksPerWhole / events[self - 1].value;
        }
        EventTime& time = times[self];
        if (e.semitone == kRestSemitone) {
            time.length = std::max<int64_t>(duration, 0);
            continue;
        }
        // A note shortened by a longer grace note still takes one tick.
        duration = std::max<int64_t>(duration, 1);
        time.length = duration;
        time.sounding = duration;
        switch (articulationOf(e.markValue)) {
            case kStaccato:
                time.sounding = duration / 2;
                time.after = duration / 2;
                break;
            case kStaccatissimo:
                time.sounding = duration / 3;
                time.after = duration * 2 / 3;
                break;
            default:
                break;
        }
        // However short, a played note is heard.
        time.sounding = std::max<int64_t>(time.sounding, 1);
    }
    return times;
}

std::vector<TimedNote> timeEvents(const std::vector<MusicEvent>& events) {
    const std::vector<EventTime> times = timeEachEvent(events);
    std::vector<TimedNote> notes;
    notes.reserve(events.size());
    int64_t pending = 0;  // silence to put before the next note
    for (size_t i = 0; i < events.size(); ++i) {
        const EventTime& time = times[i];
        if (time.merged) continue;
        if (events[i].semitone == kRestSemitone) {
            pending += time.length;
            continue;
        }
        notes.push_back({pending, midiKey(events[i].octave, events[i].semitone), time.sounding});
        pending = time.after;
    }
    return notes;
}

}  // namespace noma
