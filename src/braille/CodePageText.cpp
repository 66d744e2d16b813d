#include "braille/CodePageText.h"

#include "braille/HalfWidthKana.h"
#include "platform/Utf8.h"

namespace noma {

int codePageByte(char32_t cp) {
    if (cp < 0x80) return static_cast<int>(cp);
    if (cp == kYenSign) return kYenByte;
    if (cp >= kFirstHalfWidthKana && cp <= kLastHalfWidthKana)
        return static_cast<int>(cp - kFirstHalfWidthKana) + kFirstKanaByte;
    return -1;
}

std::string toCodePage(std::string_view utf8) {
    std::string bytes;
    for (size_t pos = 0; pos < utf8.size();) {
        const int b = codePageByte(nextCodePoint(utf8, pos));
        if (b >= 0) bytes += static_cast<char>(b);
    }
    return bytes;
}

std::string keepCodePageCharacters(std::string_view utf8) {
    std::string out;
    for (size_t pos = 0; pos < utf8.size();) {
        const char32_t cp = nextCodePoint(utf8, pos);
        if (codePageByte(cp) >= 0) appendUtf8(out, cp);
    }
    return out;
}

std::string charactersWithoutCells(std::string_view utf8) {
    const std::string halfWidth = toHalfWidthKana(utf8);
    std::string out;
    for (size_t pos = 0; pos < halfWidth.size();) {
        const char32_t cp = nextCodePoint(halfWidth, pos);
        if (codePageByte(cp) >= 0) continue;
        std::string character;
        appendUtf8(character, cp);
        if (out.find(character) == std::string::npos) out += character;
    }
    return out;
}

}  // namespace noma
