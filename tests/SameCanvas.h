#pragma once

#include "platform/Canvas.h"

namespace noma::test {

// Whether two canvases have the same size and the same pixels.
inline bool sameCanvas(const Canvas& a, const Canvas& b) {
    if (a.width() != b.width() || a.height() != b.height()) return false;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.getPixel(x, y) != b.getPixel(x, y)) return false;
    return true;
}

}  // namespace noma::test
