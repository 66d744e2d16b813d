#pragma once

namespace noma {

// Lets assistive tools read a special palette's picture as a group of buttons, one per cell,
// each named and pressed as the cell is.
void installPaletteCellAccessible();

}  // namespace noma
