#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "braille/BrailleCell.h"
#include "braille/CodePageText.h"
#include "braille/TextToCells.h"

namespace noma::test {

// Cells of UTF-8 text through the code page, as dot numbers: "3456 1 12".
inline std::string cellsOf(std::string_view utf8) {
    return dotNumbers(convertTextToCells(toCodePage(utf8)));
}

// Rows written as in a table, "ｷｬ 4 16, ｷｭ 4 146": the text, then its cells.
inline std::vector<std::pair<std::string, std::string>> tableRows(std::string_view rows) {
    std::vector<std::pair<std::string, std::string>> out;
    size_t pos = 0;
    while (pos < rows.size()) {
        size_t end = rows.find(", ", pos);
        if (end == std::string_view::npos) end = rows.size();
        const std::string_view row = rows.substr(pos, end - pos);
        const size_t space = row.find(' ');
        out.emplace_back(std::string(row.substr(0, space)), std::string(row.substr(space + 1)));
        pos = end + 2;
    }
    return out;
}

}  // namespace noma::test
