#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace noma {

constexpr char32_t kInvalidCodePoint = 0xFFFD;

// One sequence read from UTF-8 text. A malformed one has kInvalidCodePoint and the length of
// its malformed bytes: the lead and the continuation bytes that follow it, or the whole
// sequence when it is complete but overlong, a surrogate or past U+10FFFF.
struct Utf8Sequence {
    char32_t codePoint = kInvalidCodePoint;
    size_t length = 1;
    bool valid = false;
};

// The sequence at `pos` (pos < text.size()).
Utf8Sequence readUtf8(std::string_view text, size_t pos);

// Decodes the code point at `pos` (pos < text.size()) and moves `pos` past it. A malformed sequence
// yields kInvalidCodePoint and skips one byte, so decoding always makes progress.
char32_t nextCodePoint(std::string_view text, size_t& pos);

// Decodes the whole text; each malformed sequence becomes one U+FFFD.
std::u32string decodeUtf8(std::string_view utf8);

void appendUtf8(std::string& out, char32_t cp);

// False when any byte sequence of `text` is not UTF-8 (text in another encoding, say).
bool isWellFormedUtf8(std::string_view text);

// Number of code points (malformed bytes count one each).
size_t codePointCount(std::string_view text);

}  // namespace noma
