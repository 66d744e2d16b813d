#pragma once

#include <cstdint>
#include <vector>

#include "platform/Canvas.h"

namespace noma {

// The two looks of the relief preview: the print's greys as relief lit from the upper left,
// or the grey picture the embosser is sent.
enum class ReliefLook { Relief, Flat };

// Lambert shading of a height map (row-major, `width` x `height`, heights 0..1 times
// `steepness` in pixels), lit from azimuth 315 degrees (the upper left) at 45 degrees
// elevation: slopes facing the light are brighter than flat ground, slopes turned away
// darker; higher plateaus are a shade darker, so the tops of figures read away from their
// edges too. One grey 0..255 per pixel.
std::vector<uint8_t> hillshade(const std::vector<float>& heights, int width, int height,
                               float steepness);

// The box `source` of a print picture as a `width` x `height` picture, its greys read as
// heights (white paper 0, black 1: the embosser raises darker greys higher): reduced by averaging
// (so the shading costs the screen's pixels, not the print's) or enlarged by repeating
// pixels, then shaded or left as its greys. Parts of `source` off the picture are paper.
Canvas reliefPicture(const Canvas& print, Rect source, int width, int height, ReliefLook look);

}  // namespace noma
