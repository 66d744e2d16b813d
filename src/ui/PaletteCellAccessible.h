#pragma once

namespace noma {

class PaletteCellPicture;

// Lets assistive tools read a special palette's picture as a group of buttons, one per cell,
// each named and pressed as the cell is.
void installPaletteCellAccessible();

// Cell `index` of the picture, renamed, is told to assistive tools as a new object.
void renewCellAccessible(PaletteCellPicture* picture, int index);

}  // namespace noma
