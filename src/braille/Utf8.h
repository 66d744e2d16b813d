#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace noma {

constexpr char32_t kInvalidCodePoint = 0xFFFD;

// Decodes the code point at `pos` and moves `pos` past it. A malformed sequence yields
// kInvalidCodePoint and skips one byte, so decoding always makes progress.
char32_t nextCodePoint(std::string_view text, size_t& pos);

void appendUtf8(std::string& out, char32_t cp);

// False when any byte sequence of `text` is not UTF-8 (text in another encoding, say).
bool isWellFormedUtf8(std::string_view text);

// Number of code points (malformed bytes count one each).
size_t codePointCount(std::string_view text);

}  // namespace noma
