#pragma once

namespace noma {

// How braille cells are shown: translated to kana, to Latin letters, or as dots.
enum DisplayMode : int {
    kDisplayKana = 0,
    kDisplayAlphabet = 1,
    kDisplayBraille = 2,
};

constexpr DisplayMode kStartDisplayMode = kDisplayBraille;

}  // namespace noma
