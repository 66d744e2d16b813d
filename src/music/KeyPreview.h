#pragma once

#include <array>
#include <vector>

namespace noma {

// The transposition dialog's picture of the new key signature, as a list of glyph copies
// that the window performs with the symbol pictures.
enum class PreviewGlyph { TrebleClef, BassClef, Sharp, Flat };

struct PreviewCopy {
    PreviewGlyph glyph;
    int sourceWidth;
    int sourceHeight;
    // Target rectangle, right and bottom exclusive; the source is stretched into it.
    int left;
    int top;
    int right;
    int bottom;
    bool operator==(const PreviewCopy&) const = default;
};

struct KeyPreview {
    static constexpr int kWidth = 225;
    static constexpr int kHeight = 105;
    // Drawn in this order on white: the copies, then black lines across the whole width.
    std::vector<PreviewCopy> copies;
    static constexpr std::array<int, 5> kLineYs = {30, 42, 54, 66, 78};
};

// Both clefs and the key's accidentals on the treble side and, 100 pixels right and 12 down,
// on the bass side.
KeyPreview keyPreview(int keyIndex);

}  // namespace noma
