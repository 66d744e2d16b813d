#include "printing/PrintFigures.h"

#include <algorithm>

namespace noma::printing {

using render::toDevice;

void PrintPen::line(double x1, double y1, double x2, double y2) {
    canvas_.moveTo({toDevice(x1), toDevice(y1)});
    canvas_.lineTo({toDevice(x2), toDevice(y2)});
}

void PrintPen::fill(double x1, double y1, double x2, double y2) {
    canvas_.fillRect({toDevice(x1), toDevice(y1), toDevice(x2), toDevice(y2)});
}

void PrintPen::ellipse(double x1, double y1, double x2, double y2) {
    canvas_.ellipse({toDevice(x1), toDevice(y1), toDevice(x2), toDevice(y2)});
}

void PrintPen::arc(double x1, double y1, double x2, double y2, double xs, double ys, double xe,
                   double ye) {
    canvas_.arc({toDevice(x1), toDevice(y1), toDevice(x2), toDevice(y2)},
                {toDevice(xs), toDevice(ys)}, {toDevice(xe), toDevice(ye)});
}

void PrintPen::stamp(const render::Mask& mask, double x, double y, Rgb ink) {
    for (const render::MaskRun& run : mask.runs()) {
        const int py = toDevice(y + run.y);
        if (py < 0 || py >= canvas_.height()) continue;
        // A run lands on consecutive pixels unless rounding splits it; then pixel by pixel.
        const int first = toDevice(x + run.x);
        const int last = toDevice(x + (run.x + run.length - 1));
        if (last - first == run.length - 1) {
            canvas_.fillSpan(first, last + 1, py, ink);
            continue;
        }
        for (int i = run.x; i < run.x + run.length; ++i) canvas_.setPixel(toDevice(x + i), py, ink);
    }
}

render::Mask fittedMask(const render::Mask& mask, int width, int height) {
    width = std::max(width, 0);
    height = std::max(height, 0);
    std::vector<uint8_t> ink(static_cast<size_t>(width) * static_cast<size_t>(height));
    const int64_t w = mask.width(), h = mask.height();
    // Target cell i covers source cells [i w / width, max((i + 1) w / width, that + 1)).
    const auto span = [](int64_t i, int64_t source, int64_t target) {
        const int64_t from = i * source / target;
        return std::pair<int64_t, int64_t>{from, std::max((i + 1) * source / target, from + 1)};
    };
    for (int j = 0; j < height; ++j) {
        const auto [y1, y2] = span(j, h, height);
        for (int i = 0; i < width; ++i) {
            const auto [x1, x2] = span(i, w, width);
            bool any = false;
            for (int64_t y = y1; y < y2 && !any; ++y)
                for (int64_t x = x1; x < x2 && !any; ++x)
                    any = mask.ink(static_cast<int>(x), static_cast<int>(y));
            ink[static_cast<size_t>(j) * static_cast<size_t>(width) + static_cast<size_t>(i)] =
                any ? 1 : 0;
        }
    }
    return render::Mask(width, height, std::move(ink));
}

}  // namespace noma::printing
