#pragma once

#include <string>
#include <vector>

#include "braille/DisplayMode.h"
#include "music/NoteReader.h"

namespace noma {

class ScoreDocument;

// Page `page` (1-based) read aloud as lines of text: for each stave the music reading takes,
// its clef, number and key, then one line per measure with the notes and rests as the MIDI
// reading hears them, the marks it applied and the braille on the stave as the text it spells
// (`braille`: kana or alphabet; cells without a reading as braille pattern characters).
std::vector<std::string> describePage(const ScoreDocument& doc, int page, StaveSelection staves,
                                      DisplayMode braille = kDisplayKana);

}  // namespace noma
