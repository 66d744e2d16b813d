#include "render/LedgerLines.h"

#include <algorithm>

#include "platform/Geometry.h"
#include "render/FigureMetrics.h"
#include "render/PageColours.h"

namespace noma::render {

namespace {

void drawOn(Canvas& canvas, const StaveTable& staves, const LedgerPage& page, int x, int y,
            Rgb ink) {
    if (page.blank || page.pitch <= 0) return;
    x = Canvas::clampCoordinate(x);
    const int64_t p = page.pitch;
    const int half = page.pitch * 12 / 6;
    const int64_t height = canvas.height();
    canvas.setPenColour(ink);
    auto line = [&](int64_t row) {
        const int ly = static_cast<int>(row * p);
        canvas.moveTo({x - half, ly});
        canvas.lineTo({x + half, ly});
    };
    const int count = std::clamp(staves.staveCount, 0, kMaxDetectedStaves);
    for (int s = 0; s < count; ++s) {
        const int64_t top =
            int64_t{staves.staveTop[static_cast<size_t>(s)]} + 2 * int64_t{page.topMargin};
        const int64_t above = staves.staveGap[static_cast<size_t>(s)];
        const int64_t below = staves.staveGap[static_cast<size_t>(s) + 1];
        if ((top - above) * p < y && y < (top - 1) * p) {
            // Rows top - 2j for j = 1 .. above / 2 that lie at or below the note; only those on
            // the image are visited, so absurd rows from a file cost nothing.
            int64_t last = std::min(above / 2, floorDiv(top * p - y, 2 * p));
            last = std::min(last, floorDiv(top, 2));
            const int64_t first = std::max<int64_t>(1, floorDiv(top * p - height, 2 * p) + 1);
            for (int64_t j = first; j <= last; ++j) line(top - 2 * j);
        } else if ((top + 8) * p < y && y < (top + below + 8) * p) {
            int64_t last = std::min(below / 2, floorDiv(y - (top + 8) * p, 2 * p));
            last = std::min(last, floorDiv(height - 1 - (top + 8) * p, 2 * p));
            const int64_t first = std::max<int64_t>(1, -floorDiv(top + 8, 2));
            for (int64_t j = first; j <= last; ++j) line(top + 8 + 2 * j);
        }
    }
}

}  // namespace

void ScreenLedgerLines::draw(Canvas& canvas, double x, double y) const {
    drawOn(canvas, staves_, page_, toDevice(x), toDevice(y), ink_);
}

}  // namespace noma::render
