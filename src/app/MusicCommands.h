#pragma once

#include <string>

#include "music/MidiExport.h"

namespace noma {

class Dialogs;
class FormHost;
class MidiPlayback;
class ScoreDocument;
class TranspositionForm;

// The MIDI dialog's values held within the document: the page range within 1..pageCount.
MidiSettings midiSettingsWithin(const ScoreDocument& doc, MidiSettings settings);

// "保存" of the MIDI dialog: asks for a file name, writes the file with its extension replaced
// by ".mid" and confirms. True when the file was written, and the dialog then closes.
bool saveMidiThroughDialog(const ScoreDocument& doc, const MidiSettings& settings,
                           Dialogs& dialogs);

// "MusicXMLへの書き出し…": asks for a file name as the MIDI dialog's save does and writes the
// pages and staves of `settings` as MusicXML with the extension ".musicxml". True when written.
bool exportMusicXmlThroughDialog(const ScoreDocument& doc, const MidiSettings& settings,
                                 Dialogs& dialogs);

// "プレイ" of the MIDI dialog: writes "NOMAtoMIDI.mid" in the program folder, overwriting the
// last one, and plays it to its end. Every failure is shown.
void playMidi(const ScoreDocument& doc, const MidiSettings& settings,
              const std::string& programFolder, MidiPlayback& playback, Dialogs& dialogs);

// "移調": shows the modal dialog and, when it was executed, rewrites its page range. True when
// the pages were rewritten. The caller marks the document and redraws after either button.
bool runTransposition(ScoreDocument& doc, TranspositionForm& form, FormHost& forms,
                      Dialogs& dialogs);

}  // namespace noma
