#include "palettes/PaletteCanvas.h"

#include <string>

namespace noma {

void drawCellFrame(Canvas& c, int x1, int y1, int x2, int y2, Rgb colour) {
    c.setPenColour(colour);
    c.moveTo({x1, y1});
    c.lineTo({x2, y1});
    c.lineTo({x2, y2});
    c.lineTo({x1, y2});
    c.lineTo({x1, y1});
}

void recolourCell(Canvas& c, int x1, int y1, int x2, int y2, Rgb from, Rgb to) {
    for (int y = y1; y < y2; ++y)
        for (int x = x1; x < x2; ++x)
            if (c.getPixel(x, y) == from) c.setPixel(x, y, to);
}

void drawLabel(Canvas& c, int x, int y, int number) {
    c.setFont(7);
    c.setFontColour(kBlack);
    c.setTextOpaque(false);
    c.textOut({x, y}, std::to_string(number));
}

}  // namespace noma
