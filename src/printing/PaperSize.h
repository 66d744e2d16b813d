#pragma once

#include <string_view>

namespace noma {

// Paper codes and orientations as printers report them in their device mode.
constexpr int kPaperA3 = 8;
constexpr int kPaperA4 = 9;
constexpr int kPaperB4 = 12;  // JIS B4
constexpr int kPaperB5 = 13;  // JIS B5
constexpr int kOrientationPortrait = 1;
constexpr int kOrientationLandscape = 2;

struct PaperSize {
    double widthMm = 0;  // portrait
    double heightMm = 0;
};

// The size of a paper code; A4 for a code this program does not print on by name.
PaperSize paperSize(int paperCode);

// "Ａ３", "Ａ４", "Ｂ４", "Ｂ５", or "Ａ３～Ｂ５以外" for any other paper.
std::string_view paperText(int paperCode);

// "縦" for portrait, "横" for landscape, empty for anything else.
std::string_view orientationText(int orientation);

// A length in millimetres as whole printer pixels at `dpi`.
int millimetresToPixels(double mm, int dpi);

}  // namespace noma
