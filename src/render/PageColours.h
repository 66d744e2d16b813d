#pragma once

#include "platform/Canvas.h"

namespace noma::render {

// Page background and white-out are kWhite, symbols and staff lines kBlack.
constexpr Rgb kSilver = rgb(192, 192, 192);  // page frame and ruled lines
constexpr Rgb kGridBlue = rgb(0, 0, 255);    // grid points
constexpr Rgb kAqua = rgb(0, 255, 255);      // search highlight
constexpr Rgb kHotGreen = rgb(0, 255, 0);    // hot-position marks
constexpr Rgb kPreviewRed = rgb(255, 0, 0);  // placement preview, braille writing cursor

}  // namespace noma::render
