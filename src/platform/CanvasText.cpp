// Text output on a canvas: an optional box in the brush colour, then the glyphs' ink.
#include "platform/Canvas.h"
#include "platform/FontText.h"

namespace noma {

TextExtent Canvas::textExtent(std::string_view utf8) const {
    const TextLayout layout = layoutText(utf8, fontPoints_, fontDpi_);
    return {layout.width, layout.height};
}

void Canvas::textOut(int x, int y, std::string_view utf8) {
    const TextLayout layout = layoutText(utf8, fontPoints_, fontDpi_);
    x = clampCoordinate(x);
    y = clampCoordinate(y);
    if (textOpaque_) fillRect(x, y, x + layout.width, y + layout.height);
    for (const InkRun& run : layout.ink)
        fillSpan(x + run.x, x + run.x + run.length, y + run.y, fontColour_);
}

}  // namespace noma
