#pragma once

#include <string>

#include "platform/Canvas.h"

namespace noma {

// The picture's grey samples (one byte a pixel, row by row) as a zlib stream: one deflate
// block made of each row's runs of equal pixels, with codes fitted to the page. Print pages
// are almost all runs, which this encodes at memory speed where a general compressor
// searches every byte. False, with `out` unspecified, when a pixel is not grey.
bool deflateGreyRuns(const Canvas& picture, std::string& out);

}  // namespace noma
