#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/Canvas.h"
#include "platform/Status.h"

namespace noma {

// The part (x, y, width, height) of a canvas as a JPEG file, written atomically.
Status writeJpegFile(const std::string& path, const Canvas& canvas, int x, int y, int width,
                     int height, int quality = 90);

// Pictures larger than this on a side are refused: the clipboard picture is part of a page.
inline constexpr int kMaxJpegSide = 4096;

// JPEG bytes as a canvas; nothing when they cannot be decoded.
std::optional<Canvas> decodeJpeg(std::string_view bytes);

// A JPEG file as a canvas; nothing when it is missing or cannot be decoded.
std::optional<Canvas> readJpegFile(const std::string& path);

}  // namespace noma
