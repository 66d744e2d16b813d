#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace noma {

// One horizontal run of ink pixels, relative to the top-left of the text box.
struct InkRun {
    int x = 0;
    int y = 0;
    int length = 0;
};

// A line of text laid out in the Japanese face: its box and its ink.
struct TextLayout {
    int width = 0;   // sum of the advances
    int height = 0;  // ascent + descent of the face
    int ascent = 0;
    std::vector<InkRun> ink;
};

// Lays out UTF-8 text (malformed bytes show as U+FFFD) at `pointSize` points on a device of
// `dpi` dots per inch. Glyphs are rendered without anti-aliasing so that text keeps the exact
// colour it is given, as every other figure does. Without a usable face the box has the size
// of the text at an average width and no ink.
TextLayout layoutText(std::string_view utf8, int pointSize, int dpi);

// The font file fontconfig chose (IPA Gothic or Noto Sans CJK preferred); "" when none.
std::string textFacePath();

}  // namespace noma
