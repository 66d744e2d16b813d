#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

#include "braille/BrailleCell.h"

namespace noma {

// The writing window converts at most this many bytes of its text...
constexpr size_t kMaxInputBytes = 255;
// ...and holds at most this many cells before a commit.
constexpr size_t kMaxPendingCells = 256;

// The cells of a text in the single-byte Japanese code page (see CodePageText.h), as the
// braille writing window's romaji and direct entry produce them. Bytes past the 255th are
// ignored and cells past the 256th dropped; characters outside the tables give nothing.
std::vector<BrailleCell> convertTextToCells(std::string_view codePageBytes);

// The same for text as the platform delivers it (UTF-8): input-method output is first
// brought to its half-width forms, then to the code page.
std::vector<BrailleCell> convertEnteredText(std::string_view utf8);

}  // namespace noma
