#pragma once

#include <string>

namespace noma {

// The number texts of the layout boxes: full-width digits, a one-digit value preceded by an
// ideographic space ("　６", "１０"). Values outside 0..99 are written in plain digits.
std::string fullWidthNumber(int value);

}  // namespace noma
