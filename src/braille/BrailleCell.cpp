#include "braille/BrailleCell.h"

#include <algorithm>

namespace noma {

std::vector<BrailleCell> cellsFromDots(std::string_view groups) {
    std::vector<BrailleCell> cells;
    size_t pos = 0;
    while (pos < groups.size()) {
        const size_t end = std::min(groups.find(' ', pos), groups.size());
        if (end > pos) cells.push_back(cellFromDots(groups.substr(pos, end - pos)));
        pos = end + 1;
    }
    return cells;
}

std::string dotNumbers(BrailleCell cell) {
    std::string text;
    for (int dot = 1; dot <= kDotCount; ++dot)
        if (hasDot(cell, dot)) text += static_cast<char>('0' + dot);
    return text.empty() ? "0" : text;
}

std::string dotNumbers(const std::vector<BrailleCell>& cells) {
    std::string text;
    for (BrailleCell cell : cells) {
        if (!text.empty()) text += ' ';
        text += dotNumbers(cell);
    }
    return text;
}

std::string sixPositionText(BrailleCell cell) {
    std::string text = "( ";
    for (int dot = 1; dot <= kDotCount; ++dot)
        text += hasDot(cell, dot) ? static_cast<char>('0' + dot) : '-';
    return text + " )";
}

std::vector<Point> raisedDotCentres(BrailleCell cell, Point dot1) {
    std::vector<Point> centres;
    for (int dot = 1; dot <= kDotCount; ++dot)
        if (hasDot(cell, dot)) centres.push_back(dotCentre(dot, dot1));
    return centres;
}

}  // namespace noma
