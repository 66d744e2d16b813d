#pragma once

#include <array>
#include <string>
#include <variant>
#include <vector>

namespace noma::musicxml {

// The music of a MusicXML file as plain data, one part after another, every measure in the
// order the file gives its contents. Durations are in the part's divisions per quarter note.

enum class StemDirection { None, Up, Down };

// A start or stop of a numbered line between notes (slurs, tuplets).
struct Connection {
    int number = 1;
    bool start = false;  // false: stop
};

struct Lyric {
    int number = 1;
    std::string syllabic;  // single, begin, middle, end
    std::string text;      // UTF-8
};

struct Note {
    bool rest = false;
    bool measureRest = false;  // <rest measure="yes"/> or a rest without a type
    bool chord = false;        // sounds with the note before it
    bool grace = false;
    bool cue = false;
    char step = 'C';  // pitch, or a rest's display position
    int alter = 0;    // semitones, rounded
    int octave = 4;
    bool hasPosition = false;  // a rest's display-step and display-octave were given
    int duration = 0;
    std::string type;  // "quarter", "eighth" ... ("" when none)
    int dots = 0;
    int staff = 1;
    int voice = 1;
    StemDirection stem = StemDirection::None;
    std::string accidental;  // the printed accidental ("sharp", "natural" ...)
    bool tieStart = false;
    bool tieStop = false;
    std::vector<Connection> slurs;
    std::vector<Connection> tuplets;
    int actualNotes = 0;  // time modification, 0 when none
    int normalNotes = 0;
    bool staccato = false;
    bool staccatissimo = false;
    bool accent = false;
    bool tenuto = false;
    bool fermata = false;
    bool fermataInverted = false;
    bool breath = false;
    bool arpeggio = false;
    std::vector<Lyric> lyrics;
    // Notations and articulations nothing above stands for, by element name ("trill-mark").
    std::vector<std::string> unshown;
};

struct Clef {
    int staff = 1;
    std::string sign;  // G, F, C, percussion, TAB, none
    int line = 0;      // 0 when not given
    int octaveChange = 0;
};

struct Attributes {
    int divisions = 0;  // 0 when not given here
    bool hasKey = false;
    int fifths = 0;
    std::string mode;
    bool hasTime = false;
    std::string beats;  // may be "3+2"
    int beatType = 0;
    std::string timeSymbol;  // common, cut, single-number ...
    bool senzaMisura = false;
    int staves = 0;  // 0 when not given here
    std::vector<Clef> clefs;
};

struct Backup {
    int duration = 0;
};

struct Forward {
    int duration = 0;
    int staff = 1;
    int voice = 1;
};

struct Barline {
    std::string location = "right";  // left, right, middle
    std::string style;               // light-heavy, light-light, heavy-light ...
    std::string repeat;              // forward, backward, ""
    std::string ending;              // "1", "1, 2" ... ("" when none)
    std::string endingType;          // start, stop, discontinue
    bool fermata = false;
};

struct Direction {
    int staff = 1;
    bool above = true;                  // placement
    std::vector<std::string> dynamics;  // p, mf, sfz, or the text of other-dynamics
    std::vector<std::string> words;
    std::string wedge;                 // crescendo, diminuendo, stop, continue
    std::string pedal;                 // start, stop, change, continue ...
    std::vector<std::string> unshown;  // other direction types, by element name
};

using Event = std::variant<Attributes, Note, Backup, Forward, Barline, Direction>;

struct Measure {
    std::string number;
    bool implicit = false;  // a pickup or split measure that is not counted
    std::vector<Event> events;
};

struct Part {
    std::string id;
    std::string name;
    std::vector<Measure> measures;
};

struct Score {
    std::string title;    // work-title, else movement-title
    std::string version;  // the root's version attribute ("" when none)
    std::vector<Part> parts;
};

}  // namespace noma::musicxml
