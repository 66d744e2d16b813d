#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "musicxml/Score.h"
#include "platform/Status.h"

namespace noma::musicxml {

// The largest MusicXML text read, compressed containers included once inflated: far above any
// real score, and a bound on the memory an import may take.
inline constexpr int64_t kMaxScoreBytes = int64_t{64} << 20;
// Divisions per quarter note and the longest duration (in quarter notes) taken as music.
inline constexpr int kMaxDivisions = 1 << 20;
inline constexpr int kMaxQuarters = 256;

// Reads score-partwise or score-timewise text (timewise becomes partwise). Nothing in it is
// trusted: a DOCTYPE that declares entities, broken or truncated XML, another root element and
// absurd divisions or durations are refused with a Failure.
Expected<Score> readScoreText(std::string_view text);

// Reads a .musicxml/.xml file, or a compressed .mxl container (recognised by its content).
Expected<Score> readScoreFile(const std::string& path);

inline constexpr const char* kNotXmlMessage =
    "MusicXMLファイルとして読み込めません（XMLではありません）。";
inline constexpr const char* kTruncatedMessage = "MusicXMLファイルが途中で切れています。";
inline constexpr const char* kNotMusicXmlMessage = "MusicXMLの楽譜ではありません。";
inline constexpr const char* kEntityMessage = "実体宣言を含むファイルは安全のため読み込めません。";
inline constexpr const char* kAbsurdDivisionsMessage = "MusicXMLの分割数（divisions）が不正です。";
inline constexpr const char* kAbsurdDurationMessage = "MusicXMLの音価（duration）が不正です。";
inline constexpr const char* kTooLargeScoreMessage = "MusicXMLファイルが大きすぎます。";
inline constexpr const char* kNoPartsMessage = "MusicXMLファイルにパートがありません。";

}  // namespace noma::musicxml
