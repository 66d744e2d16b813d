#pragma once

#include <string_view>

#include "document/SymbolKind.h"

namespace noma {

enum class Placement {
    None,            // not a kind (0 and the gaps)
    Generated,       // written only by staff construction (57, 58)
    OneClick,        // column, row
    OneClickPixelX,  // kind 11: x in pixels, row
    TwoClicksEndX,   // column, row, unsnapped x pixel of the right end
    TwoClicksOffset, // column, row, column offset, row offset
    ThreeClicks,     // two end points and the bulge point
    Line,            // column, row, horizontal and vertical pixel length
    Braille,         // x pixel, y pixel from the row origin, dot pattern
    Region,          // the region and clipboard tools 51..56
    Drag,            // 50: armed while a picked-up symbol is carried
};

// What the catalogue knows of a main-palette mode 0..63.
struct ModeInfo {
    std::string_view modeName;  // shown in the mode box while armed
    std::string_view button;    // base name of the palette picture pair ("" when none)
    std::string_view hint;      // tooltip of the palette button ("" when none)
    int paletteColumn;          // 1..3, 0 when not on the palette
    int paletteRow;             // 1..18
    Placement placement;
};

constexpr int kModeTableSize = 64;

// Entry for modes 0..63; an empty entry for anything else.
const ModeInfo& modeInfo(int mode);

// The text the mode box shows while `mode` is armed: the table for 1..63, the special
// palettes' own texts for their ranges, "" otherwise.
std::string_view modeText(int mode);

// How a kind is placed (special palette kinds included).
Placement placementOf(int kind);

// Whether field `field` of a record of `kind` holds a pixel value rather than a column or row.
bool isPixelField(int kind, int field);

// Codes that no operation produces and that draw nothing when read from a file.
bool isInertKind(int kind);

}  // namespace noma
