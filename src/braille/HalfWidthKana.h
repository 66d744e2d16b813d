#pragma once

#include <string>
#include <string_view>

namespace noma {

// What an input method delivers in hiragana or full-width mode, turned into the half-width
// forms the braille conversion reads: hiragana and full-width katakana become half-width
// katakana (が -> ｶﾞ, ぱ -> ﾊﾟ), Japanese punctuation its half-width forms (。 -> ｡, 「 -> ｢),
// full-width ASCII its ASCII twin (Ａ -> A, ＃ -> #), the ideographic space a space and "￥"
// the yen sign. Characters without a half-width form (kanji, for example) pass unchanged.
// Kana without a half-width form of their own take the nearest one (ゎ -> ﾜ, ゐ -> ｲ, ヶ -> ｹ).
std::string toHalfWidthKana(std::string_view utf8);

}  // namespace noma
