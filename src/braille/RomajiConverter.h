#pragma once

#include <string>
#include <string_view>

namespace noma {

// Romaji typed on a plain keyboard turned into half-width katakana (UTF-8), the way a
// Japanese input method in half-width katakana mode does, so romaji entry needs no input
// method. Hepburn and kunrei spellings both work (shi/si, chi/ti, tsu/tu, fu/hu, ja/zya/jya),
// "x" or "l" writes small kana, a doubled consonant gives ｯ, "nn", "n'" and "n" before a
// consonant give ﾝ, "-" gives ｰ and ",", ".", "[", "]", "/" give ､ ｡ ｢ ｣ ･. Upper-case letters
// count as lower case. Anything else passes through unchanged.
class RomajiConverter {
  public:
    // Feeds typed text; returns the kana it completes. Romaji that may still become a kana
    // ("k", "ky", "n") stays pending.
    std::string type(std::string_view typed);

    // Ends the input: a pending "n" becomes ﾝ, other pending letters are given as typed.
    std::string flush();

    // Removes the last pending letter (backspace while composing); false when none is pending.
    bool erasePending();

    const std::string& pending() const { return pending_; }

  private:
    std::string settle(bool ending);
    std::string pending_;
};

// Converts a whole romaji text, pending input included.
std::string romajiToKana(std::string_view romaji);

}  // namespace noma
