#pragma once

#include <optional>
#include <string_view>

namespace noma {

// Code-page bytes of the half-width kana that matter to the conversion.
constexpr unsigned char kFirstComboKana = 0xA6;  // ｦ: kana from here on combine with what follows
constexpr unsigned char kLastComboKana = 0xDD;   // ﾝ
constexpr unsigned char kFirstSmallKana = 0xA7;  // ｧ
constexpr unsigned char kLastSmallKana = 0xAE;   // ｮ
constexpr unsigned char kSmallYa = 0xAC;         // ｬ
constexpr unsigned char kSmallYo = 0xAE;         // ｮ
constexpr unsigned char kLongVowelByte = 0xB0;   // ｰ
constexpr unsigned char kVoicedMarkByte = 0xDE;  // ﾞ
constexpr unsigned char kSemiVoicedMarkByte = 0xDF;  // ﾟ
constexpr unsigned char kOpenBracketByte = 0xA2;     // ｢
constexpr unsigned char kCloseBracketByte = 0xA3;    // ｣
constexpr unsigned char kFullStopByte = 0xA1;        // ｡

constexpr bool isSmallKana(int byte) {
    return byte >= kFirstSmallKana && byte <= kLastSmallKana;
}

// The cells (dot groups, "0" for blank) of one kana byte 0xA1..0xDD read alone; empty for
// the sound marks and every byte outside that range.
std::string_view kanaCellsAlone(int byte);

// A kana followed by a small kana ("ｷｬ"); nullopt when the pair is not a combination.
std::optional<std::string_view> kanaPairCells(int kana, int small);

// A kana, "ﾞ" and a small kana ("ｷﾞｬ"); nullopt when the three are not a combination.
std::optional<std::string_view> voicedTripleCells(int kana, int small);

}  // namespace noma
