#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Status.h"

namespace noma {

constexpr int kUserSymbolCount = 96;  // symbol numbers 1..96, slots 0..95
constexpr int kUserSymbolGrid = 50;   // the drawing grid is 50 x 50 cells

// A user-drawn symbol as stored: W x H cells, each black (1) or white (0), row by row.
struct UserSymbolBits {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> cells;

    bool black(int x, int y) const {
        return cells[static_cast<size_t>(y) * static_cast<size_t>(width) +
                     static_cast<size_t>(x)] != 0;
    }
    bool operator==(const UserSymbolBits&) const = default;
};

// "<folder>/NMK", where the symbol files live.
std::string userSymbolFolder(const std::string& programFolder);
// "<folder>/NMK/NMK<number>.nmk".
std::string userSymbolPath(const std::string& programFolder, int number);

// The file text: "W H", then one line per row of "1 " / "0 " tokens, CR LF line ends.
std::string formatUserSymbol(const UserSymbolBits& bits);

// The symbol in a file's text, or nothing when the text is not a well-formed symbol: width
// and height 1..50 followed by exactly W x H tokens, each 0 or 1.
std::optional<UserSymbolBits> parseUserSymbol(std::string_view text);

// Reads and checks a symbol file; nothing when it is missing, unreadable or malformed.
std::optional<UserSymbolBits> readUserSymbolFile(const std::string& path);

// Writes the file atomically.
Status writeUserSymbolFile(const std::string& path, const UserSymbolBits& bits);

}  // namespace noma
