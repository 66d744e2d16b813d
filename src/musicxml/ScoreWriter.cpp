#include "musicxml/ScoreWriter.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <vector>

#include "document/ScoreDocument.h"
#include "music/MarkValues.h"
#include "music/MidiTiming.h"
#include "music/NoteReader.h"
#include "musicxml/ExportMarks.h"
#include "musicxml/ExportMeasures.h"
#include "musicxml/ExportText.h"
#include "platform/AtomicFile.h"
#include "platform/FileIo.h"
#include "platform/Version.h"

namespace noma {

namespace {

constexpr std::array<std::string_view, 8> kTypeNames = {"whole", "half", "quarter", "eighth",
                                                        "16th",  "32nd", "64th",    "128th"};
constexpr std::string_view kSteps = "CDEFGAB";

struct Shape {
    int type = 0;  // index into kTypeNames: whole .. 128th
    int dots = 0;
    bool triplet = false;
};

int typeIndex(int value) {
    int index = 0;
    while (index < 7 && (1 << index) < value) ++index;
    return index;
}

// Ticks of a shape, times 4: a 128th is one and a half ticks, and dotted values of short
// notes are fractions of a tick too.
int64_t quarterTicks(const Shape& s) {
    const int64_t plain = 4 * kTicksPerWhole >> s.type;
    if (s.triplet) return plain * 2 / 3;
    return s.dots == 0 ? plain : s.dots == 1 ? plain * 3 / 2 : plain * 7 / 4;
}

// Every written value with its length, longest first, for a length no single value gives.
const std::vector<Shape>& shapesByLength() {
    static const std::vector<Shape> shapes = [] {
        std::vector<Shape> all;
        for (int type = 0; type < 8; ++type) {
            for (int dots = 0; dots <= 2; ++dots) all.push_back({type, dots, false});
            all.push_back({type, 0, true});
        }
        std::erase_if(all, [](const Shape& s) { return quarterTicks(s) % 4 != 0; });
        std::stable_sort(all.begin(), all.end(), [](const Shape& a, const Shape& b) {
            return quarterTicks(a) > quarterTicks(b);
        });
        return all;
    }();
    return shapes;
}

// The written values of an event that takes `ticks`: its own value, dots and triplet when
// they give that time, else another single value that does, else several tied together
// (times the MIDI export shortens: a note that lends time to a grace note, a 128th).
std::vector<Shape> shapesOf(const MusicEvent& e, int64_t ticks) {
    const int own = typeIndex(e.value);
    for (const Shape& s :
         {Shape{own, 0, false}, Shape{own, 1, false}, Shape{own, 2, false}, Shape{own, 0, true}}) {
        if (quarterTicks(s) == 4 * ticks) return {s};
    }
    std::vector<Shape> parts;
    int64_t left = 4 * ticks;
    while (left > 0) {
        for (const Shape& s : shapesByLength()) {
            if (quarterTicks(s) <= left) {
                parts.push_back(s);
                left -= quarterTicks(s);
                break;
            }
        }
    }
    return parts;
}

class PartWriter {
  public:
    PartWriter(XmlText& out, const MusicReading& reading, const std::vector<Measure>& measures,
               const std::vector<NoteMark>& marks)
        : out_(out), reading_(reading), measures_(measures), marks_(marks) {}

    void write(std::string_view id, bool bass, int measureCount, std::string_view tempo,
               const std::vector<int64_t>& padLengths) {
        out_.open("part", {{"id", id}});
        const std::optional<TimeSignature> common = commonTime(measures_);
        const bool pickup = common && startsWithPickup(measures_);
        std::optional<TimeSignature> written;
        for (int m = 0; m < measureCount; ++m) {
            const bool present = m < static_cast<int>(measures_.size());
            const Measure empty{};
            const Measure& measure = present ? measures_[static_cast<size_t>(m)] : empty;
            const int64_t length = present ? measure.length : padLengths[static_cast<size_t>(m)];
            const int number = pickup ? m : m + 1;
            if (pickup && m == 0) {
                out_.open("measure", {{"number", "0"}, {"implicit", "yes"}});
            } else {
                out_.open("measure", {{"number", XmlText::number(number)}});
            }
            if (measure.repeatStart) barline("left", "heavy-light", "forward");
            // The time signature: the common one, or each measure's own length unseen.
            std::optional<TimeSignature> time;
            bool hidden = false;
            if (common) {
                if (m == 0) time = common;
            } else if (auto own = timeOfLength(length); own && own != written) {
                time = own;
                hidden = true;
            }
            if (time) written = time;
            size_t next = 0;
            if (m == 0) {
                firstAttributes(bass, time, hidden);
                if (!tempo.empty()) direction(tempo);
            } else if (time) {
                attributes(std::nullopt, time, hidden);
            }
            if (!present) {
                out_.open("note");
                out_.empty("rest", {{"measure", "yes"}});
                out_.leaf("duration", XmlText::number(length));
                out_.leaf("voice", "1");
                out_.close("note");
            }
            for (; next < measure.notes.size(); ++next) note(measure.notes[next]);
            if (measure.end == BarKind::Final) barline("right", "light-heavy", {});
            if (measure.end == BarKind::RepeatEnd) barline("right", "light-heavy", "backward");
            out_.close("measure");
        }
        out_.close("part");
    }

  private:
    int fifthsBefore(size_t event) {
        while (key_ < reading_.keys.size() && reading_.keys[key_].before <= event) {
            fifths_ = reading_.keys[key_].fifths;
            ++key_;
        }
        return fifths_;
    }

    void firstAttributes(bool bass, std::optional<TimeSignature> time, bool hidden) {
        const size_t first =
            measures_.empty() || measures_[0].notes.empty() ? 0 : measures_[0].notes[0].event;
        writtenFifths_ = fifthsBefore(first);
        out_.open("attributes");
        out_.leaf("divisions", XmlText::number(kTicksPerQuarter));
        key(writtenFifths_);
        if (time) timeSignature(*time, hidden);
        out_.open("clef");
        out_.leaf("sign", bass ? "F" : "G");
        out_.leaf("line", bass ? "4" : "2");
        out_.close("clef");
        out_.close("attributes");
    }

    void attributes(std::optional<int> fifths, std::optional<TimeSignature> time, bool hidden) {
        out_.open("attributes");
        if (fifths) key(*fifths);
        if (time) timeSignature(*time, hidden);
        out_.close("attributes");
    }

    void key(int fifths) {
        out_.open("key");
        out_.leaf("fifths", XmlText::number(fifths));
        out_.close("key");
    }

    void timeSignature(TimeSignature time, bool hidden) {
        if (hidden) {
            out_.open("time", {{"print-object", "no"}});
        } else {
            out_.open("time");
        }
        out_.leaf("beats", XmlText::number(time.beats));
        out_.leaf("beat-type", XmlText::number(time.beatType));
        out_.close("time");
    }

    void direction(std::string_view tempo) {
        out_.open("direction", {{"placement", "above"}});
        out_.open("direction-type");
        out_.open("metronome");
        out_.leaf("beat-unit", "quarter");
        out_.leaf("per-minute", tempo);
        out_.close("metronome");
        out_.close("direction-type");
        out_.empty("sound", {{"tempo", tempo}});
        out_.close("direction");
    }

    void barline(std::string_view location, std::string_view style, std::string_view repeat) {
        out_.open("barline", {{"location", location}});
        out_.leaf("bar-style", style);
        // The repeat is shown, but the music is read once, as the MIDI export plays it.
        if (repeat == "backward") out_.empty("repeat", {{"direction", repeat}, {"times", "1"}});
        if (repeat == "forward") out_.empty("repeat", {{"direction", repeat}});
        out_.close("barline");
    }

    void note(const WrittenNote& written) {
        const MusicEvent& e = reading_.events[written.event];
        const bool rest = e.semitone == kRestSemitone;
        if (!rest) {
            // A key signature met since the last note takes effect here.
            if (const int fifths = fifthsBefore(written.event); fifths != writtenFifths_) {
                writtenFifths_ = fifths;
                attributes(fifths, std::nullopt, false);
            }
        }
        // The marks of this note: directions stand before it, slurs among its notations.
        std::vector<const NoteMark*> slurs;
        for (; mark_ < marks_.size() && marks_[mark_].event <= written.event; ++mark_) {
            const NoteMark& mark = marks_[mark_];
            if (mark.event != written.event) continue;
            if (mark.kind == NoteMark::Kind::SlurStart || mark.kind == NoteMark::Kind::SlurStop) {
                slurs.push_back(&mark);
            } else {
                markDirection(mark);
            }
        }
        const std::vector<Shape> shapes = shapesOf(e, written.ticks);
        for (size_t i = 0; i < shapes.size(); ++i) {
            const bool first = i == 0;
            const bool last = i + 1 == shapes.size();
            part(e, written.pitchEvent, shapes[i], quarterTicks(shapes[i]) / 4,
                 rest ? false : (written.tieStop || !first),
                 rest ? false : (written.tieStart || !last), !written.tieStop && first,
                 first ? slurs : std::vector<const NoteMark*>{});
        }
    }

    void markDirection(const NoteMark& mark) {
        const bool above = mark.kind == NoteMark::Kind::Words;
        out_.open("direction", {{"placement", above ? "above" : "below"}});
        out_.open("direction-type");
        const std::string number = XmlText::number(mark.number);
        switch (mark.kind) {
            case NoteMark::Kind::Crescendo:
                out_.empty("wedge", {{"type", "crescendo"}, {"number", number}});
                break;
            case NoteMark::Kind::Diminuendo:
                out_.empty("wedge", {{"type", "diminuendo"}, {"number", number}});
                break;
            case NoteMark::Kind::WedgeStop:
                out_.empty("wedge", {{"type", "stop"}, {"number", number}});
                break;
            case NoteMark::Kind::Dynamics:
                out_.open("dynamics");
                out_.empty(mark.text);
                out_.close("dynamics");
                break;
            default:
                out_.leaf("words", mark.text);
                break;
        }
        out_.close("direction-type");
        out_.close("direction");
    }

    void part(const MusicEvent& e, size_t pitchEvent, const Shape& shape, int64_t ticks,
              bool tieStop, bool tieStart, bool articulated,
              const std::vector<const NoteMark*>& slurs) {
        const bool rest = e.semitone == kRestSemitone;
        out_.open("note");
        if (rest) {
            out_.empty("rest");
        } else {
            pitch(reading_.events[pitchEvent], reading_.spelling[pitchEvent]);
        }
        out_.leaf("duration", XmlText::number(ticks));
        if (tieStop) out_.empty("tie", {{"type", "stop"}});
        if (tieStart) out_.empty("tie", {{"type", "start"}});
        out_.leaf("voice", "1");
        out_.leaf("type", kTypeNames[static_cast<size_t>(shape.type)]);
        for (int d = 0; d < shape.dots; ++d) out_.empty("dot");
        if (shape.triplet) {
            out_.open("time-modification");
            out_.leaf("actual-notes", "3");
            out_.leaf("normal-notes", "2");
            out_.close("time-modification");
        }
        const int articulation = articulated ? articulationOf(e.markValue) : 0;
        const bool marked = articulation == kStaccato || articulation == kStaccatissimo;
        if (!rest && (tieStart || tieStop || marked || !slurs.empty())) {
            out_.open("notations");
            if (tieStop) out_.empty("tied", {{"type", "stop"}});
            if (tieStart) out_.empty("tied", {{"type", "start"}});
            // A slur ending here is closed before one starting here takes its number.
            for (const bool stop : {true, false}) {
                for (const NoteMark* slur : slurs) {
                    if ((slur->kind == NoteMark::Kind::SlurStop) != stop) continue;
                    out_.empty("slur", {{"type", stop ? "stop" : "start"},
                                        {"number", XmlText::number(slur->number)}});
                }
            }
            if (marked) {
                out_.open("articulations");
                out_.empty(articulation == kStaccato ? "staccato" : "staccatissimo");
                out_.close("articulations");
            }
            out_.close("notations");
        }
        out_.close("note");
    }

    // The pitch the MIDI export plays, spelled as written. Octaves beyond the MIDI range are
    // folded as the MIDI export folds them; the lowest MIDI octave, which MusicXML
    // lacks, is written an octave up.
    void pitch(const MusicEvent& e, const EventSpelling& spelling) {
        const int unfolded = 12 * (e.octave + 1) + e.semitone;
        int octave = e.octave + (midiKey(e.octave, e.semitone) - unfolded) / 12;
        octave = std::clamp(octave, 0, 9);
        out_.open("pitch");
        out_.leaf("step", kSteps.substr(static_cast<size_t>(spelling.step), 1));
        if (spelling.alteration != 0) out_.leaf("alter", XmlText::number(spelling.alteration));
        out_.leaf("octave", XmlText::number(octave));
        out_.close("pitch");
    }

    XmlText& out_;
    const MusicReading& reading_;
    const std::vector<Measure>& measures_;
    const std::vector<NoteMark>& marks_;
    size_t mark_ = 0;
    size_t key_ = 0;
    int fifths_ = 0;
    int writtenFifths_ = 0;
};

struct Part {
    std::string id;
    std::string name;
    bool bass;
    MusicReading reading;
    std::vector<Measure> measures;
    std::vector<NoteMark> marks;
};

Part readPart(const ScoreDocument& doc, const MidiSettings& settings, StaveSelection staves,
              std::string id) {
    Part part{std::move(id),
              staves == StaveSelection::Bass ? "ヘ音記号の段" : "ト音記号の段",
              staves == StaveSelection::Bass,
              readMusic(doc, settings.firstPage, settings.lastPage, staves),
              {},
              {}};
    const std::vector<EventTime> times = timeEachEvent(part.reading.events);
    part.measures = splitMeasures(part.reading, times);
    part.marks = findNoteMarks(doc, part.reading, times, settings.firstPage, settings.lastPage);
    return part;
}

void partList(XmlText& out, const std::vector<Part>& parts, const MidiSettings& settings) {
    const int item =
        settings.timbreItem >= 0 && settings.timbreItem < kTimbreCount ? settings.timbreItem : 0;
    const std::string_view instrument = timbres()[static_cast<size_t>(item)].name;
    out.open("part-list");
    int channel = 1;
    for (const Part& part : parts) {
        const std::string instrumentId = part.id + "-I1";
        out.open("score-part", {{"id", part.id}});
        out.leaf("part-name", part.name);
        out.open("score-instrument", {{"id", instrumentId}});
        out.leaf("instrument-name", instrument);
        out.close("score-instrument");
        out.open("midi-instrument", {{"id", instrumentId}});
        out.leaf("midi-channel", XmlText::number(channel++));
        out.leaf("midi-program", XmlText::number(timbreProgram(settings.timbreItem) + 1));
        out.close("midi-instrument");
        out.close("score-part");
    }
    out.close("part-list");
}

}  // namespace

std::string exportMusicXml(const ScoreDocument& doc, const MidiSettings& settings) {
    std::vector<Part> parts;
    if (settings.staves != StaveSelection::Bass)
        parts.push_back(readPart(doc, settings, StaveSelection::Treble, "P1"));
    if (settings.staves != StaveSelection::Treble) {
        // Appended, not "P" + a temporary: GCC 12 at -O3 warns falsely (-Wrestrict) on that.
        std::string id = "P";
        id += std::to_string(parts.size() + 1);
        parts.push_back(readPart(doc, settings, StaveSelection::Bass, id));
    }

    // Every part has as many measures as the longest; a part that ends earlier rests.
    size_t measureCount = 1;
    for (const Part& part : parts) measureCount = std::max(measureCount, part.measures.size());
    std::vector<int64_t> padLengths(measureCount, kTicksPerWhole);
    for (size_t m = 0; m < measureCount; ++m) {
        for (const Part& part : parts) {
            if (m < part.measures.size()) {
                padLengths[m] = part.measures[m].length;
                break;
            }
        }
    }

    XmlText out;
    size_t events = 0;
    for (const Part& part : parts) events += part.reading.events.size();
    out.reserve(1024 + 256 * events);  // a note takes about 200 bytes
    out.declaration();
    out.raw(
        "<!DOCTYPE score-partwise PUBLIC \"-//Recordare//DTD MusicXML 4.0 Partwise//EN\" "
        "\"http://www.musicxml.org/dtds/partwise.dtd\">\n");
    out.open("score-partwise", {{"version", "4.0"}});
    out.open("identification");
    out.open("encoding");
    out.leaf("software", std::string("NOMA ") + kVersion);
    out.close("encoding");
    out.close("identification");
    partList(out, parts, settings);
    const std::string tempo = XmlText::number(std::clamp(settings.tempo, kMinTempo, kMaxTempo));
    for (size_t i = 0; i < parts.size(); ++i) {
        PartWriter writer(out, parts[i].reading, parts[i].measures, parts[i].marks);
        writer.write(parts[i].id, parts[i].bass, static_cast<int>(measureCount),
                     i == 0 ? std::string_view(tempo) : std::string_view(), padLengths);
    }
    out.close("score-partwise");
    return out.take();
}

Status writeMusicXmlFile(const ScoreDocument& doc, const MidiSettings& settings,
                         const std::string& path) {
    AtomicFile file(path);
    if (file.write(exportMusicXml(doc, settings)) && file.commit()) return {};
    return Failure{kMusicXmlWriteFailedMessage,
                   "cannot write the MusicXML file " + path + ": " + file.failure()};
}

std::string withMusicXmlExtension(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    const size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    const size_t dot = path.find_last_of('.');
    // A leading dot starts a hidden file's name, not an extension.
    if (dot == std::string::npos || dot <= nameStart) return path + ".musicxml";
    return path.substr(0, dot) + ".musicxml";
}

}  // namespace noma
