#pragma once

#include "platform/Canvas.h"

namespace noma::render {

constexpr int kPaletteButtonSize = 25;

// The 25 x 25 picture of a palette button, drawn from the mode's own figure: a raised button,
// or the sunken look of its pressed twin.
Canvas palettePicture(int mode, bool pressed);

// The program's icon: a treble clef, size x size.
Canvas programIconPicture(int size);

}  // namespace noma::render
