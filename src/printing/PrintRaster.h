#pragma once

#include <array>

#include "platform/Canvas.h"

namespace noma {

// The two kinds of print, by the menu command that starts them.
enum class PrintMode {
    Tactile = 1,  // ３Ｄ印刷: greys that set the embosser's relief height
    Ink = 2,      // 墨字印刷: black, at a magnification, braille optionally translated
};

constexpr int kMinStrength = 1;  // darkest, highest relief
constexpr int kMaxStrength = 6;
constexpr int kMinMagnification = 50;
constexpr int kMaxMagnification = 300;

// How page pixels become printer pixels in one job, and the colours it prints in.
struct PrintRaster {
    int dpi = 600;
    float printUnit = 0;  // printer pixels per page pixel
    int strokeUnit = 1;   // printer pixels per unit of stroke thickness
    int marginX = 0;      // the page origin, from the printable area's corner
    int marginY = 0;
    Rgb baseGrey = kBlack;       // almost everything
    Rgb strongGrey = kBlack;     // slurs, accidental bars, beams, slashes, finger dots, open holes
    Rgb strongestGrey = kBlack;  // braille dots
};

// RGB(30 i, 30 i, 30 i) for i = 0..7.
std::array<Rgb, 8> greyTable();

// Tactile print at `dpi` with strength 1..6 (out-of-range strengths are held at the ends).
PrintRaster tactileRaster(int dpi, int strength);
// Ink print at `dpi` and a magnification of 50..300 percent (held at the ends).
PrintRaster inkRaster(int dpi, int magnification);

// The offsets of a stroke centred on its line, -(W div 2) .. W div 2 - 1: never empty, so a
// printer too coarse for two pixels still gets its one-pixel line.
struct OffsetRange {
    int first = 0;
    int below = 1;
};
OffsetRange centredStroke(int strokeUnit);

}  // namespace noma
