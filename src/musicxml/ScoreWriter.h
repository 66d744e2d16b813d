#pragma once

#include <optional>
#include <string>

#include "music/MidiExport.h"
#include "platform/Failure.h"

namespace noma {

class ScoreDocument;

// The music the MIDI export reads from the pages and staves of `settings`, as a MusicXML 4.0
// score-partwise document in UTF-8, with the tempo and the timbre's instrument, and the slurs,
// hairpins and braille words that stand at its notes. Both staves give two parts: the treble
// staves, then the bass staves.
std::string exportMusicXml(const ScoreDocument& doc, const MidiSettings& settings);

// Writes the MusicXML file atomically; the failure to show when it cannot be written.
Status writeMusicXmlFile(const ScoreDocument& doc, const MidiSettings& settings,
                         const std::string& path);

// The save dialog's name with its extension replaced by ".musicxml" (added when there is none).
std::string withMusicXmlExtension(const std::string& path);

inline constexpr const char* kMusicXmlMenuItem = "MusicXMLへの書き出し…";
inline constexpr const char* kMusicXmlDialogCaption = "MusicXMLへの書き出し";
inline constexpr const char* kMusicXmlSaveTitle = "MusicXMLファイルの保存";
inline constexpr const char* kMusicXmlSaveFilter =
    "MusicXMLファイル (*.musicxml)|*.musicxml|すべてのファイル (*.*)|*.*";
inline constexpr const char* kMusicXmlSavedMessage = "MusicXMLファイルを書き出しました。";
inline constexpr const char* kMusicXmlWriteFailedMessage =
    "MusicXMLファイルを書き込めませんでした。";

}  // namespace noma
