#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Geometry.h"

namespace noma {

// One six-dot cell: bit n-1 is dot n. Dots 1-2-3 run down the left column, 4-5-6 the right.
using BrailleCell = uint8_t;

constexpr BrailleCell kBlankCell = 0;
constexpr int kDotCount = 6;
constexpr int kMaxCellValue = 63;

// Consecutive cells of one line lie this many pixels apart.
constexpr int kCellPitch = 19;

constexpr BrailleCell dotBit(int dot) {
    return static_cast<BrailleCell>(1u << (dot - 1));
}
constexpr bool hasDot(BrailleCell cell, int dot) {
    return (cell & dotBit(dot)) != 0;
}

// The cell of a dot-number string such as "256"; each of 1..6 counts once, other characters
// are ignored.
constexpr BrailleCell cellFromDots(std::string_view dots) {
    BrailleCell cell = kBlankCell;
    for (char c : dots)
        if (c >= '1' && c <= '6') cell |= dotBit(c - '0');
    return cell;
}

// Cells written as dot-number groups separated by spaces, "0" for a blank: "4 16".
std::vector<BrailleCell> cellsFromDots(std::string_view groups);

// "256" for dots 2, 5 and 6; "0" for the blank cell.
std::string dotNumbers(BrailleCell cell);

// Cells as dot numbers, separated by single spaces.
std::string dotNumbers(const std::vector<BrailleCell>& cells);

// The six-position form of the symbol list: "( -2--56 )".
std::string sixPositionText(BrailleCell cell);

// Centre of dot n when dot 1 sits at `dot1`: columns 7 pixels apart, rows 8 apart.
constexpr Point dotCentre(int dot, Point dot1) {
    return {dot1.x + ((dot - 1) / 3) * 7, dot1.y + ((dot - 1) % 3) * 8};
}

// Centres of the raised dots of `cell`, in dot order.
std::vector<Point> raisedDotCentres(BrailleCell cell, Point dot1);

// Where the braille display puts dot 1 of the cell whose reference point is (x, y).
constexpr Point displayDot1(int x, int y) {
    return {x - 4, y - 5};
}

}  // namespace noma
