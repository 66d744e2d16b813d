#pragma once

#include <algorithm>
#include <initializer_list>
#include <memory>

#include "document/PageGeometry.h"
#include "document/ScoreDocument.h"
#include "platform/Canvas.h"

namespace noma::test {

// A half-open box of pixels.
struct Box {
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;
    bool operator==(const Box&) const = default;
};

inline int countIn(const Canvas& c, Box b, Rgb colour) {
    int n = 0;
    for (int y = std::max(b.y1, 0); y < std::min(b.y2, c.height()); ++y)
        for (int x = std::max(b.x1, 0); x < std::min(b.x2, c.width()); ++x)
            n += c.getPixel(x, y) == colour;
    return n;
}

inline int countAll(const Canvas& c, Rgb colour) {
    return countIn(c, {0, 0, c.width(), c.height()}, colour);
}

// The smallest box holding every pixel of `colour`; an empty box when there is none.
inline Box boundsOf(const Canvas& c, Rgb colour) {
    Box b{c.width(), c.height(), 0, 0};
    for (int y = 0; y < c.height(); ++y) {
        for (int x = 0; x < c.width(); ++x) {
            if (c.getPixel(x, y) != colour) continue;
            b.x1 = std::min(b.x1, x);
            b.y1 = std::min(b.y1, y);
            b.x2 = std::max(b.x2, x + 1);
            b.y2 = std::max(b.y2, y + 1);
        }
    }
    return b.x1 < b.x2 ? b : Box{};
}

// Runs of `colour` down column x between rows y1 (inclusive) and y2 (exclusive).
inline int runsDown(const Canvas& c, int x, int y1, int y2, Rgb colour) {
    int runs = 0;
    bool in = false;
    for (int y = y1; y < y2; ++y) {
        const bool on = c.getPixel(x, y) == colour;
        if (on && !in) ++runs;
        in = on;
    }
    return runs;
}

inline SymbolRecord rec(std::initializer_list<int32_t> fields) {
    SymbolRecord r;
    int i = 0;
    for (int32_t f : fields) r[i++] = f;
    return r;
}

// A one-page document (heap: the record store is large) with the given page settings and no
// records.
inline std::unique_ptr<ScoreDocument> onePage(int pitch, int orientation, int scoreType,
                                              int topMargin = 12, int staveInterval = 10) {
    auto doc = std::make_unique<ScoreDocument>();
    doc->header = {1, pitch, orientation};
    doc->settings(0) = {scoreType, 0, topMargin, 0, staveInterval, 0};
    doc->interactionState = kIdle;
    return doc;
}

}  // namespace noma::test
