#pragma once

#include <string>
#include <string_view>

namespace noma {

// The braille writing window reads its text as bytes of the Japanese single-byte code page:
// ASCII, with 0x5C shown as the yen sign, and half-width katakana at 0xA1..0xDF.
constexpr unsigned char kYenByte = 0x5C;
constexpr unsigned char kFirstKanaByte = 0xA1;  // ｡
constexpr unsigned char kLastKanaByte = 0xDF;   // ﾟ
constexpr char32_t kFirstHalfWidthKana = 0xFF61;
constexpr char32_t kLastHalfWidthKana = 0xFF9F;
constexpr char32_t kYenSign = 0x00A5;

// UTF-8 text to code-page bytes: ASCII stays, "¥" (U+00A5) becomes 0x5C, half-width katakana
// U+FF61..U+FF9F become 0xA1..0xDF; every other character, and malformed UTF-8, is dropped.
std::string toCodePage(std::string_view utf8);

// The code-page byte of one character, or -1 when the page has none.
int codePageByte(char32_t cp);

// The characters of `utf8` that the code page holds, still as UTF-8: what the conversion
// will read, in a form that can be shown.
std::string keepCodePageCharacters(std::string_view utf8);

// The characters of `utf8` that no braille cell can write, each once in order of appearance:
// those left outside the code page once brought to their half-width forms (kanji, say).
std::string charactersWithoutCells(std::string_view utf8);

inline constexpr const char* kCharactersWithoutCellsMessage = "点字にできない文字があります：";

}  // namespace noma
