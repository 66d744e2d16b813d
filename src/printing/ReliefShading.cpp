#include "printing/ReliefShading.h"

#include <algorithm>
#include <cmath>

namespace noma {

namespace {

// A full step of relief rises over this many pixels of the preview: steep enough that every
// edge catches the light at any zoom.
constexpr float kSteepness = 3.0F;

// Heights of the box, one per output pixel: the mean of the print pixels that fall into it.
std::vector<float> sampledHeights(const Canvas& print, Rect source, int width, int height) {
    std::vector<float> heights(static_cast<size_t>(width) * static_cast<size_t>(height), 0.0F);
    const int64_t sw = source.x2 - source.x1, sh = source.y2 - source.y1;
    // The print columns of each output column; an enlargement repeats one column.
    std::vector<int> columnStart(static_cast<size_t>(width) + 1);
    for (int x = 0; x <= width; ++x)
        columnStart[static_cast<size_t>(x)] = static_cast<int>(source.x1 + sw * x / width);
    std::vector<uint32_t> sums(static_cast<size_t>(width));
    for (int y = 0; y < height; ++y) {
        const int top = static_cast<int>(source.y1 + sh * y / height);
        const int bottom = std::max(top + 1, static_cast<int>(source.y1 + sh * (y + 1) / height));
        std::fill(sums.begin(), sums.end(), 0U);
        for (int py = top; py < bottom; ++py) {
            if (py < 0 || py >= print.height()) continue;  // paper: adds nothing
            const uint32_t* row = print.data() + static_cast<size_t>(py) * print.width();
            for (int x = 0; x < width; ++x) {
                const int from = columnStart[static_cast<size_t>(x)];
                const int to = std::max(from + 1, columnStart[static_cast<size_t>(x) + 1]);
                uint32_t sum = 0;
                for (int px = std::max(from, 0); px < std::min(to, print.width()); ++px)
                    sum += 255U - static_cast<uint32_t>(greenOf(row[px]));
                sums[static_cast<size_t>(x)] += sum;
            }
        }
        float* out = heights.data() + static_cast<size_t>(y) * width;
        for (int x = 0; x < width; ++x) {
            const int from = columnStart[static_cast<size_t>(x)];
            const int to = std::max(from + 1, columnStart[static_cast<size_t>(x) + 1]);
            const float pixels = static_cast<float>(to - from) * static_cast<float>(bottom - top);
            out[x] = static_cast<float>(sums[static_cast<size_t>(x)]) / (255.0F * pixels);
        }
    }
    return heights;
}

}  // namespace

std::vector<uint8_t> hillshade(const std::vector<float>& heights, int width, int height,
                               float steepness) {
    std::vector<uint8_t> out(heights.size(), 0);
    if (width <= 0 || height <= 0) return out;
    // Towards the light: up and to the left on the screen (y grows downward), 45 degrees up.
    const float lxy = std::cos(0.785398F) * 0.707107F;
    const float lz = std::sin(0.785398F);
    const auto at = [&](int x, int y) {
        x = std::clamp(x, 0, width - 1);
        y = std::clamp(y, 0, height - 1);
        return heights[static_cast<size_t>(y) * width + x];
    };
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const float dx = (at(x + 1, y) - at(x - 1, y)) * 0.5F * steepness;
            const float dy = (at(x, y + 1) - at(x, y - 1)) * 0.5F * steepness;
            // Normal (-dx, -dy, 1), light (-lxy, -lxy, lz).
            const float lambert = (dx * lxy + dy * lxy + lz) / std::sqrt(dx * dx + dy * dy + 1.0F);
            const float grey = 200.0F * std::max(lambert, 0.0F) / lz - 15.0F * at(x, y);
            out[static_cast<size_t>(y) * width + x] =
                static_cast<uint8_t>(std::clamp(std::lround(grey), 0L, 255L));
        }
    }
    return out;
}

Canvas reliefPicture(const Canvas& print, Rect source, int width, int height, ReliefLook look) {
    width = std::max(width, 1);
    height = std::max(height, 1);
    if (source.x2 <= source.x1) source.x2 = source.x1 + 1;
    if (source.y2 <= source.y1) source.y2 = source.y1 + 1;
    const std::vector<float> heights = sampledHeights(print, source, width, height);
    Canvas out(width, height);
    uint32_t* pixels = out.data();
    if (look == ReliefLook::Flat) {
        for (size_t i = 0; i < heights.size(); ++i) {
            const int grey = 255 - static_cast<int>(std::lround(heights[i] * 255.0F));
            pixels[i] = rgb(grey, grey, grey);
        }
        return out;
    }
    const std::vector<uint8_t> shade = hillshade(heights, width, height, kSteepness);
    for (size_t i = 0; i < shade.size(); ++i) pixels[i] = rgb(shade[i], shade[i], shade[i]);
    return out;
}

}  // namespace noma
