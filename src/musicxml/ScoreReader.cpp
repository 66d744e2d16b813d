#include "musicxml/ScoreReader.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <map>
#include <pugixml.hpp>

#include "musicxml/MxlContainer.h"
#include "platform/FileIo.h"

namespace noma::musicxml {

namespace {

Failure failure(const char* message, const char* gloss) {
    return Failure{message, gloss};
}

std::string_view trimmed(const char* text) {
    std::string_view s(text);
    while (!s.empty() && std::strchr(" \t\r\n", s.front()) != nullptr) s.remove_prefix(1);
    while (!s.empty() && std::strchr(" \t\r\n", s.back()) != nullptr) s.remove_suffix(1);
    return s;
}

// A decimal number of the text, rounded to the nearest integer; `fallback` when the text is
// not one. Values beyond the int range become the nearer int limit, which every check refuses.
long long roundedNumber(const char* text, long long fallback) {
    const std::string_view s = trimmed(text);
    double value = 0;
    const auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (error != std::errc() || end != s.data() + s.size() || !std::isfinite(value)) {
        return fallback;
    }
    if (value > 4e18) return static_cast<long long>(4e18);
    if (value < -4e18) return static_cast<long long>(-4e18);
    return std::llround(value);
}

int smallNumber(const char* text, int fallback, int low, int high) {
    const long long v = roundedNumber(text, fallback);
    return v < low || v > high ? fallback : static_cast<int>(v);
}

int childNumber(const pugi::xml_node& node, const char* name, int fallback, int low = -1000000,
                int high = 1000000) {
    const pugi::xml_node child = node.child(name);
    return child ? smallNumber(child.child_value(), fallback, low, high) : fallback;
}

std::string childText(const pugi::xml_node& node, const char* name) {
    return std::string(trimmed(node.child(name).child_value()));
}

bool isYes(const pugi::xml_attribute& a) {
    return std::strcmp(a.value(), "yes") == 0;
}

// Reads the measures of one part in order, keeping its divisions for the duration checks.
class PartReader {
  public:
    Status measure(const pugi::xml_node& node, Measure& out) {
        out.number = node.attribute("number").value();
        out.implicit = isYes(node.attribute("implicit"));
        for (pugi::xml_node child : node.children()) {
            const std::string_view name = child.name();
            Status s;
            if (name == "note") {
                s = note(child, out);
            } else if (name == "attributes") {
                s = attributes(child, out);
            } else if (name == "backup" || name == "forward") {
                s = move(child, name == "backup", out);
            } else if (name == "barline") {
                barline(child, out);
            } else if (name == "direction") {
                direction(child, out);
            }
            if (!s.ok()) return s;
        }
        return {};
    }

  private:
    Status duration(const pugi::xml_node& node, int& out) const {
        const pugi::xml_node d = node.child("duration");
        if (!d) {
            out = 0;
            return {};
        }
        const long long v = roundedNumber(d.child_value(), -1);
        if (v < 0 || v > static_cast<long long>(divisions_) * kMaxQuarters) {
            return failure(kAbsurdDurationMessage, "absurd duration");
        }
        out = static_cast<int>(v);
        return {};
    }

    Status attributes(const pugi::xml_node& node, Measure& measure) {
        Attributes a;
        if (pugi::xml_node d = node.child("divisions")) {
            const long long v = roundedNumber(d.child_value(), 0);
            if (v < 1 || v > kMaxDivisions) {
                return failure(kAbsurdDivisionsMessage, "absurd divisions");
            }
            a.divisions = divisions_ = static_cast<int>(v);
        }
        if (pugi::xml_node key = node.child("key")) {
            a.hasKey = !key.child("fifths").empty();
            a.fifths = childNumber(key, "fifths", 0, -7, 7);
            a.mode = childText(key, "mode");
        }
        if (pugi::xml_node time = node.child("time")) {
            a.hasTime = true;
            a.beats = childText(time, "beats");
            a.beatType = childNumber(time, "beat-type", 0, 0, 1024);
            a.timeSymbol = time.attribute("symbol").value();
            a.senzaMisura = !time.child("senza-misura").empty();
        }
        a.staves = childNumber(node, "staves", 0, 0, 64);
        for (pugi::xml_node clef : node.children("clef")) {
            Clef c;
            c.staff = smallNumber(clef.attribute("number").value(), 1, 1, 64);
            c.sign = childText(clef, "sign");
            c.line = childNumber(clef, "line", 0, 0, 9);
            c.octaveChange = childNumber(clef, "clef-octave-change", 0, -4, 4);
            a.clefs.push_back(std::move(c));
        }
        measure.events.emplace_back(std::move(a));
        return {};
    }

    Status move(const pugi::xml_node& node, bool backward, Measure& measure) {
        int d = 0;
        if (Status s = duration(node, d); !s.ok()) return s;
        if (backward) {
            measure.events.emplace_back(Backup{d});
        } else {
            measure.events.emplace_back(Forward{d, childNumber(node, "staff", 1, 1, 64),
                                                childNumber(node, "voice", 1, 1, 1000000)});
        }
        return {};
    }

    static void connection(const pugi::xml_node& node, std::vector<Connection>& out) {
        const std::string_view type = node.attribute("type").value();
        if (type != "start" && type != "stop") return;
        out.push_back({smallNumber(node.attribute("number").value(), 1, 1, 16), type == "start"});
    }

    static void notations(const pugi::xml_node& node, Note& n) {
        for (pugi::xml_node child : node.children()) {
            const std::string_view name = child.name();
            if (name == "tied") {
                const std::string_view type = child.attribute("type").value();
                if (type == "start") n.tieStart = true;
                if (type == "stop") n.tieStop = true;
            } else if (name == "slur") {
                connection(child, n.slurs);
            } else if (name == "tuplet") {
                connection(child, n.tuplets);
            } else if (name == "fermata") {
                n.fermata = true;
                n.fermataInverted = std::strcmp(child.attribute("type").value(), "inverted") == 0;
            } else if (name == "arpeggiate") {
                n.arpeggio = true;
            } else if (name == "articulations") {
                for (pugi::xml_node a : child.children()) {
                    const std::string_view an = a.name();
                    if (an == "staccato")
                        n.staccato = true;
                    else if (an == "staccatissimo")
                        n.staccatissimo = true;
                    else if (an == "accent")
                        n.accent = true;
                    else if (an == "tenuto")
                        n.tenuto = true;
                    else if (an == "breath-mark")
                        n.breath = true;
                    else if (a.type() == pugi::node_element)
                        n.unshown.emplace_back(an);
                }
            } else if (name == "ornaments" || name == "technical") {
                for (pugi::xml_node o : child.children()) {
                    if (o.type() == pugi::node_element) n.unshown.emplace_back(o.name());
                }
            } else if (child.type() == pugi::node_element && name != "footnote" &&
                       name != "level" && name != "other-notation") {
                n.unshown.emplace_back(name);
            }
        }
    }

    Status note(const pugi::xml_node& node, Measure& measure) {
        Note n;
        n.grace = !node.child("grace").empty();
        n.cue = !node.child("cue").empty();
        n.chord = !node.child("chord").empty();
        if (pugi::xml_node pitch = node.child("pitch")) {
            n.step = childText(pitch, "step").c_str()[0];
            n.alter = childNumber(pitch, "alter", 0, -3, 3);
            n.octave = childNumber(pitch, "octave", 4, 0, 9);
            n.hasPosition = true;
        } else if (pugi::xml_node other =
                       node.child("unpitched") ? node.child("unpitched") : node.child("rest")) {
            n.rest = std::strcmp(other.name(), "rest") == 0;
            n.measureRest = n.rest && isYes(other.attribute("measure"));
            if (other.child("display-step")) {
                n.step = childText(other, "display-step").c_str()[0];
                n.octave = childNumber(other, "display-octave", 4, 0, 9);
                n.hasPosition = true;
            }
        }
        if (n.step < 'A' || n.step > 'G') n.step = 'C';
        if (Status s = duration(node, n.duration); !s.ok()) return s;
        n.type = childText(node, "type");
        if (n.rest && n.type.empty()) n.measureRest = true;
        for (pugi::xml_node dot = node.child("dot"); dot; dot = dot.next_sibling("dot")) ++n.dots;
        for (pugi::xml_node tie : node.children("tie")) {
            const std::string_view type = tie.attribute("type").value();
            if (type == "start") n.tieStart = true;
            if (type == "stop") n.tieStop = true;
        }
        n.voice = childNumber(node, "voice", 1, 1, 1000000);
        n.staff = childNumber(node, "staff", 1, 1, 64);
        const std::string stem = childText(node, "stem");
        n.stem = stem == "up" ? StemDirection::Up
                              : (stem == "down" ? StemDirection::Down : StemDirection::None);
        n.accidental = childText(node, "accidental");
        if (pugi::xml_node tm = node.child("time-modification")) {
            n.actualNotes = childNumber(tm, "actual-notes", 0, 0, 1000);
            n.normalNotes = childNumber(tm, "normal-notes", 0, 0, 1000);
        }
        for (pugi::xml_node nt : node.children("notations")) notations(nt, n);
        for (pugi::xml_node lyric : node.children("lyric")) {
            Lyric l;
            l.number = smallNumber(lyric.attribute("number").value(), 1, 1, 100);
            l.syllabic = childText(lyric, "syllabic");
            for (pugi::xml_node text : lyric.children("text")) l.text += text.child_value();
            if (!l.text.empty()) n.lyrics.push_back(std::move(l));
        }
        measure.events.emplace_back(std::move(n));
        return {};
    }

    static void barline(const pugi::xml_node& node, Measure& measure) {
        Barline b;
        if (const char* location = node.attribute("location").value(); *location != '\0') {
            b.location = location;
        }
        b.style = childText(node, "bar-style");
        b.repeat = node.child("repeat").attribute("direction").value();
        if (pugi::xml_node ending = node.child("ending")) {
            b.ending = ending.attribute("number").value();
            b.endingType = ending.attribute("type").value();
        }
        b.fermata = !node.child("fermata").empty();
        measure.events.emplace_back(std::move(b));
    }

    static void direction(const pugi::xml_node& node, Measure& measure) {
        Direction d;
        d.staff = childNumber(node, "staff", 1, 1, 64);
        d.above = std::strcmp(node.attribute("placement").value(), "below") != 0;
        for (pugi::xml_node type : node.children("direction-type")) {
            for (pugi::xml_node child : type.children()) {
                const std::string_view name = child.name();
                if (name == "dynamics") {
                    for (pugi::xml_node mark : child.children()) {
                        if (mark.type() != pugi::node_element) continue;
                        d.dynamics.emplace_back(std::strcmp(mark.name(), "other-dynamics") == 0
                                                    ? mark.child_value()
                                                    : mark.name());
                    }
                } else if (name == "words") {
                    if (const std::string_view w = trimmed(child.child_value()); !w.empty()) {
                        d.words.emplace_back(w);
                    }
                } else if (name == "wedge") {
                    d.wedge = child.attribute("type").value();
                } else if (name == "pedal") {
                    d.pedal = child.attribute("type").value();
                } else if (child.type() == pugi::node_element) {
                    d.unshown.emplace_back(name);
                }
            }
        }
        measure.events.emplace_back(std::move(d));
    }

    int divisions_ = 1;
};

std::string title(const pugi::xml_node& root) {
    std::string t = std::string(trimmed(root.child("work").child("work-title").child_value()));
    if (t.empty()) t = std::string(trimmed(root.child("movement-title").child_value()));
    return t;
}

Expected<Score> readPartwise(const pugi::xml_node& root, Score score) {
    for (pugi::xml_node part : root.children("part")) {
        Part p;
        p.id = part.attribute("id").value();
        PartReader reader;
        for (pugi::xml_node m : part.children("measure")) {
            p.measures.emplace_back();
            if (Status s = reader.measure(m, p.measures.back()); !s.ok()) return s.failure();
        }
        score.parts.push_back(std::move(p));
    }
    return score;
}

// Timewise files hold each measure's parts; the model wants each part's measures.
Expected<Score> readTimewise(const pugi::xml_node& root, Score score) {
    std::map<std::string, size_t, std::less<>> index;
    for (pugi::xml_node sp : root.child("part-list").children("score-part")) {
        const std::string id = sp.attribute("id").value();
        if (index.emplace(id, score.parts.size()).second) score.parts.push_back(Part{id, {}, {}});
    }
    std::vector<PartReader> readers(score.parts.size());
    for (pugi::xml_node m : root.children("measure")) {
        for (pugi::xml_node part : m.children("part")) {
            const auto found = index.find(std::string_view(part.attribute("id").value()));
            if (found == index.end()) continue;
            Part& p = score.parts[found->second];
            p.measures.emplace_back();
            Measure& measure = p.measures.back();
            if (Status s = readers[found->second].measure(part, measure); !s.ok()) {
                return s.failure();
            }
            // The measure's own attributes are on the timewise <measure>.
            measure.number = m.attribute("number").value();
            measure.implicit = isYes(m.attribute("implicit"));
        }
    }
    return score;
}

void nameParts(const pugi::xml_node& root, Score& score) {
    std::map<std::string, std::string, std::less<>> names;
    for (pugi::xml_node sp : root.child("part-list").children("score-part")) {
        names.emplace(sp.attribute("id").value(),
                      std::string(trimmed(sp.child("part-name").child_value())));
    }
    for (Part& p : score.parts) {
        if (const auto found = names.find(p.id); found != names.end()) p.name = found->second;
    }
}

bool declaresEntities(const pugi::xml_document& doc) {
    for (pugi::xml_node node : doc.children()) {
        if (node.type() == pugi::node_doctype && std::strstr(node.value(), "<!ENTITY") != nullptr) {
            return true;
        }
    }
    return false;
}

}  // namespace

Expected<Score> readScoreText(std::string_view text) {
    if (static_cast<int64_t>(text.size()) > kMaxScoreBytes) {
        return failure(kTooLargeScoreMessage, "the MusicXML file is too large");
    }
    pugi::xml_document doc;
    // Only the five predefined entities and character references are ever replaced; a DOCTYPE
    // is kept as text so that a declared entity is refused rather than silently left in place.
    const pugi::xml_parse_result parsed = doc.load_buffer(
        text.data(), text.size(), pugi::parse_default | pugi::parse_doctype, pugi::encoding_auto);
    if (!parsed) {
        // An element still open at the end of the text: the file was cut short.
        const bool truncated = parsed.status == pugi::status_end_element_mismatch &&
                               static_cast<size_t>(parsed.offset) + 1 >= text.size();
        if (truncated) return failure(kTruncatedMessage, "the MusicXML file is truncated");
        return failure(kNotXmlMessage, "not a well-formed XML file");
    }
    if (declaresEntities(doc)) {
        return failure(kEntityMessage, "the DOCTYPE declares entities, which are never expanded");
    }
    const pugi::xml_node root = doc.document_element();
    const std::string_view rootName = root.name();
    if (rootName != "score-partwise" && rootName != "score-timewise") {
        return failure(kNotMusicXmlMessage, "not a MusicXML score");
    }
    Score score;
    score.title = title(root);
    score.version = root.attribute("version").value();
    Expected<Score> read = rootName == "score-partwise" ? readPartwise(root, std::move(score))
                                                        : readTimewise(root, std::move(score));
    if (!read.ok()) return read;
    if (read->parts.empty()) return failure(kNoPartsMessage, "the score has no parts");
    nameParts(root, read.value());
    return read;
}

Expected<Score> readScoreFile(const std::string& path) {
    const Expected<std::string> bytes = readWholeFile(path);
    if (!bytes.ok()) {
        return Failure{"ファイルを読み込めません。" + bytes.failure().message,
                       "cannot read the file: " + bytes.failure().gloss};
    }
    if (looksLikeZip(*bytes)) {
        Expected<std::string> text = extractRootFile(*bytes);
        if (!text.ok()) return text.failure();
        return readScoreText(*text);
    }
    return readScoreText(*bytes);
}

}  // namespace noma::musicxml
