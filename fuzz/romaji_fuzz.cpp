// Romaji typed into the braille writing window. Typing it a key at a time must give the same
// kana as converting it whole, and the kana must convert to cells.
#include <cstdlib>

#include "FuzzInput.h"
#include "braille/RomajiConverter.h"
#include "braille/TextToCells.h"

using namespace noma;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto text = fuzz::asText(data, size);
    const std::string whole = romajiToKana(text);

    RomajiConverter typing;
    std::string typed;
    for (size_t i = 0; i < text.size(); ++i) typed += typing.type(text.substr(i, 1));
    typed += typing.flush();
    if (typed != whole) std::abort();

    // Backspace while composing removes only what is pending.
    RomajiConverter erasing;
    std::string kept;
    for (size_t i = 0; i < text.size(); ++i) {
        kept += erasing.type(text.substr(i, 1));
        if (text[i] == '#') erasing.erasePending();
    }
    kept += erasing.flush();
    if (!erasing.pending().empty()) std::abort();

    if (convertEnteredText(whole).size() > kMaxPendingCells) std::abort();
    return 0;
}
