#pragma once

#include <vector>

#include "interchange/TactileLayout.h"

namespace noma::interchange {

// Where the figures of a laid-out page reach, as they are drawn: what text set beside a stave
// must keep clear of.

// Pixels above and below a stave's top line (negative above).
struct Reach {
    int top = 0;
    int bottom = 0;
};

// A figure's box: x in page pixels, y from its stave's top line.
struct FigureBox {
    int left = 0, right = 0, top = 0, bottom = 0;
};

struct PixelSpan {
    int left = 0, right = 0;
};

// The boxes of each stave's figures on a page: a record belongs to the stave whose reading
// window holds its row. Braille cells are left out.
std::vector<std::vector<FigureBox>> figureBoxes(const LaidOutPage& page,
                                                const LayoutSettings& settings);

// What the boxes reach above and below over the spans; never less than the stave's lines.
Reach reachOver(const std::vector<FigureBox>& boxes, const std::vector<PixelSpan>& spans,
                int pitch);

}  // namespace noma::interchange
