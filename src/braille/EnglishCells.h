#pragma once

#include <string_view>

namespace noma {

// Letters a..z and digits 0..9 of English braille, as dot numbers.
inline constexpr std::string_view kLetterDots[26] = {
    "1",   "12",   "14",  "145",  "15",   "124",  "1245",  "125",   "24",
    "245", "13",   "123", "134",  "1345", "135",  "1234",  "12345", "1235",
    "234", "2345", "136", "1236", "2456", "1346", "13456", "1356"};

inline constexpr std::string_view kDigitDots[10] = {"245", "1",   "12",   "14",  "145",
                                                    "15",  "124", "1245", "125", "24"};

}  // namespace noma
