#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/Canvas.h"
#include "platform/Status.h"

namespace noma {

// The canvas as the bytes of an 8-bit RGB PNG file.
std::string encodePng(const Canvas& canvas);

// Writes the canvas as a PNG atomically.
Status writePngFile(const Canvas& canvas, const std::string& path);

// Reads PNG bytes or a PNG file of any colour type into a canvas; nullopt when they are not
// a readable PNG.
std::optional<Canvas> decodePng(std::string_view bytes);
std::optional<Canvas> readPngFile(const std::string& path);

}  // namespace noma
