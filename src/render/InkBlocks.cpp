#include "render/InkBlocks.h"

#include <algorithm>
#include <utility>

namespace noma::render {

namespace {

// Bits first..last (inclusive, 0..63) of a word.
uint64_t bitRange(int first, int last) {
    const uint64_t upTo = last == 63 ? ~uint64_t{0} : (uint64_t{1} << (last + 1)) - 1;
    return upTo & ~((uint64_t{1} << first) - 1);
}

}  // namespace

void InkBlocks::reset(int width, int height) {
    width_ = std::max(width, 0);
    height_ = std::max(height, 0);
    tracked_ = width_ <= kMaxTrackedWidth;
    words_ = (height_ + 63) / 64;
    const int blocks = tracked_ ? (width_ + kBlockWidth - 1) / kBlockWidth : 0;
    columns_.assign(static_cast<size_t>(blocks) * static_cast<size_t>(words_), 0);
}

void InkBlocks::mark(int64_t x1, int64_t y1, int64_t x2, int64_t y2) {
    if (!tracked_) return;
    if (x1 > x2) std::swap(x1, x2);
    if (y1 > y2) std::swap(y1, y2);
    x1 = std::max<int64_t>(x1, 0);
    y1 = std::max<int64_t>(y1, 0);
    x2 = std::min<int64_t>(x2, width_ - 1);
    y2 = std::min<int64_t>(y2, height_ - 1);
    if (x1 > x2 || y1 > y2) return;
    const int top = static_cast<int>(y1), bottom = static_cast<int>(y2);
    for (int b = static_cast<int>(x1) / kBlockWidth; b <= static_cast<int>(x2) / kBlockWidth; ++b) {
        for (int w = top / 64; w <= bottom / 64; ++w) {
            const int first = w == top / 64 ? top % 64 : 0;
            const int last = w == bottom / 64 ? bottom % 64 : 63;
            word(b, w) |= bitRange(first, last);
        }
    }
}

bool InkBlocks::mayHoldInk(int y, int x1, int x2) const {
    x1 = std::max(x1, 0);
    x2 = std::min(x2, width_);
    if (y < 0 || y >= height_ || x1 >= x2) return false;
    if (!tracked_) return true;
    for (int b = x1 / kBlockWidth; b <= (x2 - 1) / kBlockWidth; ++b)
        if ((word(b, y / 64) >> (y % 64)) & 1) return true;
    return false;
}

void InkBlocks::fillWhite(Canvas& canvas, int x1, int y1, int x2, int y2) const {
    if (!tracked_ || canvas.width() != width_ || canvas.height() != height_) {
        const Rgb brush = canvas.brushColour();
        canvas.setBrushColour(kWhite);
        canvas.fillRect({x1, y1, x2, y2});
        canvas.setBrushColour(brush);
        return;
    }
    if (x1 > x2) std::swap(x1, x2);
    if (y1 > y2) std::swap(y1, y2);
    x1 = std::max(x1, 0);
    x2 = std::min(x2, width_);
    y1 = std::max(y1, 0);
    y2 = std::min(y2, height_);
    if (x1 >= x2 || y1 >= y2) return;
    const int firstBlock = x1 / kBlockWidth, lastBlock = (x2 - 1) / kBlockWidth;
    const size_t n = static_cast<size_t>(x2 - x1);
    uint32_t* const pixels = canvas.data();
    for (int w = y1 / 64; w <= (y2 - 1) / 64; ++w) {
        uint64_t rows = 0;
        for (int b = firstBlock; b <= lastBlock; ++b) rows |= word(b, w);
        rows &= bitRange(w == y1 / 64 ? y1 % 64 : 0, w == (y2 - 1) / 64 ? (y2 - 1) % 64 : 63);
        while (rows != 0) {
            const int y = w * 64 + __builtin_ctzll(rows);
            rows &= rows - 1;
            Canvas::fillPixels(pixels + static_cast<size_t>(y) * static_cast<size_t>(width_) + x1,
                               n, kWhite);
        }
    }
}

}  // namespace noma::render
