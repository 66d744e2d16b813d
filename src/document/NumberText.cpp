#include "document/NumberText.h"

namespace noma {

std::string fullWidthNumber(int value) {
    if (value < 0 || value > 99) return std::to_string(value);
    static const char* const kDigits[10] = {"０", "１", "２", "３", "４",
                                            "５", "６", "７", "８", "９"};
    std::string text = value < 10 ? "　" : kDigits[value / 10];
    text += kDigits[value % 10];
    return text;
}

}  // namespace noma
