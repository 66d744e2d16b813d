#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "musicxml/Score.h"

namespace noma::interchange {

// Ticks per quarter note: divisible by every divisions value real files use, so onsets of
// parts with different divisions meet exactly.
inline constexpr int64_t kTicksPerQuarter = 40320;

// What the import could not show, by kind, for the "not shown" list.
using NotShown = std::map<std::string, int>;

// A staff of the import and the part staff it comes from.
struct StaffSource {
    size_t part = 0;
    int staff = 1;  // 1-based within the part
};

// One thing heard at one moment on one staff: a chord (the top note first), a rest, or a
// grace note before the next chord.
struct Sound {
    int64_t onset = 0;   // ticks from the measure's start
    int64_t length = 0;  // ticks until it ends
    bool rest = false;
    bool grace = false;
    int restValue = 0;                         // a rest's kind value (2 .. 128)
    std::vector<const musicxml::Note*> notes;  // highest first; empty for a rest
};

// Where a hairpin or the piano pedal starts or stops on a staff.
enum class SpanMark { Crescendo, Diminuendo, HairpinStop, PedalDown, PedalUp, PedalChange };

struct TimedMark {
    int64_t onset = 0;  // ticks from the measure's start
    SpanMark mark = SpanMark::HairpinStop;
};

// A direction's text at a moment of a staff: dynamics (p, mf ...) or words.
struct StaffText {
    int64_t onset = 0;  // ticks from the measure's start
    bool dynamics = false;
    std::string text;  // UTF-8
};

struct StaffMeasure {
    std::vector<Sound> sounds;     // by onset, graces before the chord they lead to
    std::vector<TimedMark> marks;  // in the file's order
    std::vector<StaffText> texts;
    bool clefChange = false;
    bool bass = false;  // written with the bass clef
};

struct MeasureMusic {
    std::string number;
    int64_t length = 0;  // ticks
    bool keyChange = false;
    int fifths = 0;
    bool repeatStart = false;
    bool repeatEnd = false;
    bool finalBar = false;
    bool doubleBar = false;
    int ending = 0;    // 1..3 when an ending starts here
    std::string time;  // "3/4" where the music starts or its time signature changes, else ""
    std::vector<StaffMeasure> staves;
};

// The measures of the chosen staves, voice by voice reduced to what one stave of tactile
// notation shows: the first voice of each staff.
std::vector<MeasureMusic> collectMusic(const musicxml::Score& score,
                                       const std::vector<StaffSource>& staves, NotShown& notShown);

// The staves of the chosen parts, in score order.
std::vector<StaffSource> stavesOf(const musicxml::Score& score, const std::vector<size_t>& parts);

}  // namespace noma::interchange
