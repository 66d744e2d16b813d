#include "platform/Utf8.h"

#include "platform/Contract.h"

namespace noma {

Utf8Sequence readUtf8(std::string_view text, size_t pos) {
    NOMA_EXPECTS(pos < text.size());
    const auto byte = [&](size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char lead = byte(pos);
    size_t extra = 0;
    char32_t cp = 0;
    if (lead < 0x80) {
        return {lead, 1, true};
    } else if (lead >= 0xC2 && lead < 0xE0) {
        extra = 1, cp = lead & 0x1F;
    } else if (lead >= 0xE0 && lead < 0xF0) {
        extra = 2, cp = lead & 0x0F;
    } else if (lead >= 0xF0 && lead < 0xF5) {
        extra = 3, cp = lead & 0x07;
    } else {
        return {};
    }
    size_t k = 1;
    for (; k <= extra; ++k) {
        if (pos + k >= text.size() || (byte(pos + k) & 0xC0) != 0x80)
            return {kInvalidCodePoint, k, false};
        cp = (cp << 6) | (byte(pos + k) & 0x3F);
    }
    // Overlong forms, surrogates and values past U+10FFFF are not characters.
    const bool overlong = (extra == 2 && cp < 0x800) || (extra == 3 && cp < 0x10000);
    if (overlong || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return {kInvalidCodePoint, k, false};
    return {cp, k, true};
}

char32_t nextCodePoint(std::string_view text, size_t& pos) {
    const Utf8Sequence sequence = readUtf8(text, pos);
    pos += sequence.valid ? sequence.length : 1;
    return sequence.codePoint;
}

std::u32string decodeUtf8(std::string_view utf8) {
    std::u32string out;
    for (size_t pos = 0; pos < utf8.size();) {
        const Utf8Sequence sequence = readUtf8(utf8, pos);
        out += sequence.codePoint;
        pos += sequence.length;
    }
    return out;
}

void appendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

bool isWellFormedUtf8(std::string_view text) {
    for (size_t pos = 0; pos < text.size();) {
        const size_t start = pos;
        // A malformed sequence steps one byte; a real U+FFFD steps three.
        if (nextCodePoint(text, pos) == kInvalidCodePoint && pos - start == 1) return false;
    }
    return true;
}

size_t codePointCount(std::string_view text) {
    size_t count = 0;
    for (size_t pos = 0; pos < text.size(); ++count) nextCodePoint(text, pos);
    return count;
}

}  // namespace noma
