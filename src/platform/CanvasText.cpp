// Text output on a canvas: an optional box in the brush colour, then the glyphs' ink.
#include "platform/Canvas.h"
#include "platform/FontText.h"

namespace noma {

TextExtent Canvas::textExtent(std::string_view utf8) const {
    const TextLayout layout = layoutText(utf8, fontPoints_, fontDpi_);
    return {layout.width, layout.height};
}

void Canvas::textOut(Point topLeft, std::string_view utf8) {
    const TextLayout layout = layoutText(utf8, fontPoints_, fontDpi_);
    const int x = clampCoordinate(topLeft.x);
    const int y = clampCoordinate(topLeft.y);
    if (textOpaque_) fillRect(Rect::sized({x, y}, layout.width, layout.height));
    for (const InkRun& run : layout.ink)
        fillSpan(x + run.x, x + run.x + run.length, y + run.y, fontColour_);
}

}  // namespace noma
