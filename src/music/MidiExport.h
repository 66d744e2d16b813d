#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "music/NoteReader.h"
#include "platform/Status.h"

namespace noma {

class ScoreDocument;

constexpr int kTimbreCount = 12;
constexpr int kMinTempo = 10;
constexpr int kMaxTempo = 300;
constexpr int kDefaultTempo = 120;

struct Timbre {
    std::string_view name;  // item text of the timbre box
    int program;            // General MIDI program, 0-based
};

// The timbre box's items in order.
const std::array<Timbre, kTimbreCount>& timbres();

// The program of timbre item `item`; with no item selected (or an unknown one) item 0.
int timbreProgram(int item);

// What the MIDI dialog converts.
struct MidiSettings {
    int tempo = kDefaultTempo;  // quarter notes per minute, 10..300
    int timbreItem = 0;         // 0..11, -1 when none is selected
    StaveSelection staves = StaveSelection::Treble;
    int firstPage = 1;  // 1-based, inclusive
    int lastPage = 1;
};

// The dialog's values at start-up: tempo 120, item 0, treble staves, every page. Each
// time the dialog is shown again only the page range returns to every page.
MidiSettings defaultMidiSettings(const ScoreDocument& doc);

// The Standard MIDI File of the pages, as the dialog's play and save write it. A tempo
// outside 10..300 is held to the nearer limit, as the tempo box holds it.
std::string exportMidi(const ScoreDocument& doc, const MidiSettings& settings);

// Writes the MIDI file atomically; the failure to show when it cannot be written.
Status writeMidiFile(const ScoreDocument& doc, const MidiSettings& settings,
                     const std::string& path);

// Part of page `page` (1-based) for listening to it: only stave `stave` (0-based), or only the
// notes and rests standing at `cells` (column, row), in reading order. The settings' tempo and
// timbre hold, its pages and staves do not.
Status writeStaveMidiFile(const ScoreDocument& doc, int page, int stave,
                          const MidiSettings& settings, const std::string& path);
Status writeCellsMidiFile(const ScoreDocument& doc, int page,
                          const std::vector<std::pair<int, int>>& cells,
                          const MidiSettings& settings, const std::string& path);

// The save dialog's name with its extension replaced by ".mid" (added when there is none).
std::string withMidExtension(const std::string& path);

// The file the play button writes and plays, in the program folder.
std::string playbackMidiPath(const std::string& programFolder);

inline constexpr const char* kPlaybackMidiName = "NOMAtoMIDI.mid";
inline constexpr const char* kMidiDialogCaption = "ＭＩＤＩファイルへの変換";
inline constexpr const char* kMidiSaveTitle = "ＭＩＤＩファイルの保存";
inline constexpr const char* kMidiSaveFilter =
    "ＭＩＤＩファイル (*.mid)|*.MID|すべてのファイル (*.*)|*.*";
inline constexpr const char* kMidiOverwriteQuestion =
    "同名のファイルが存在します。上書きしますか？";
inline constexpr const char* kMidiSavedMessage = "ＭＩＤＩファイルを保存しました。";
// A page range whose first page comes after its last holds no music: refused, not converted
// into an empty file.
inline constexpr const char* kMidiEmptyRangeMessage =
    "開始ページが終了ページより後にあるため、変換できません。";
inline constexpr const char* kNoStaveToPlayMessage = "カーソルが段の上にないため、再生できません。";
inline constexpr const char* kMidiWriteFailedMessage = "ＭＩＤＩファイルを書き込めませんでした。";

}  // namespace noma
