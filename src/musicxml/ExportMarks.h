#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "music/MidiTiming.h"
#include "music/NoteReader.h"

namespace noma {

class ScoreDocument;

// Something the reading does not play, tied to the note it belongs to.
struct NoteMark {
    enum class Kind {
        SlurStart,
        SlurStop,
        Crescendo,   // a wedge opening from this note
        Diminuendo,  // a wedge closing from this note
        WedgeStop,
        Words,
        Dynamics,  // `text` is the MusicXML element's name: "mf", "sfz" ...
    };
    size_t event = 0;
    Kind kind = Kind::Words;
    int number = 1;  // pairs a start with its stop where several overlap
    std::string text;
};

// The slurs, hairpins and braille words of pages first..last (1-based) placed on the notes
// of `reading` they belong to, ordered by event; a note tied into the one before it counts
// as that one. Slur ends take the note nearest them on their stave (within two columns),
// hairpin ends and words the note nearest in column on theirs; a mark that has no such
// note, or whose two ends meet one note, is left out.
std::vector<NoteMark> findNoteMarks(const ScoreDocument& doc, const MusicReading& reading,
                                    const std::vector<EventTime>& times, int firstPage,
                                    int lastPage);

// The text a run of braille cells spells: letters and digits as the braille window writes
// them, else kana as the ink translation reads them; empty when it is not text.
std::string brailleWordText(const std::vector<int>& cells);

}  // namespace noma
