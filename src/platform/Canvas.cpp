#include "platform/Canvas.h"

#include <algorithm>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <utility>

namespace noma {

namespace {

int64_t bounded(int v) {
    return Canvas::clampCoordinate(v);
}

// Smallest i in [lo, hi] with pred(i) true for a predicate false-then-true over the range;
// hi + 1 when none.
template <class Pred>
int64_t firstTrue(int64_t lo, int64_t hi, Pred pred) {
    int64_t a = lo;
    int64_t b = hi + 1;
    while (a < b) {
        const int64_t mid = a + (b - a) / 2;
        if (pred(mid)) {
            b = mid;
        } else {
            a = mid + 1;
        }
    }
    return a;
}

}  // namespace

void Canvas::fillLongPixels(uint32_t* p, size_t n, Rgb colour) {
    if (n <= 64) {
        // The rows of a box start anywhere: one unaligned store at each end, and aligned ones
        // between, so that no store in the middle straddles two cache lines.
        alignas(16) const uint32_t quad[4] = {colour, colour, colour, colour};
        uint32_t* const end = p + n;
        std::memcpy(p, quad, sizeof quad);
        auto* at =
            reinterpret_cast<uint32_t*>((reinterpret_cast<uintptr_t>(p) + 16) & ~uintptr_t{15});
        for (; at + 4 <= end; at += 4)
            std::memcpy(__builtin_assume_aligned(at, 16), quad, sizeof quad);
        std::memcpy(end - 4, quad, sizeof quad);
        return;
    }
    const uint32_t low = colour & 0xFFu;
    if (colour == low * 0x01010101u) {
        std::memset(p, static_cast<int>(low), n * sizeof(uint32_t));
    } else {
        std::fill_n(p, n, colour);
    }
}

Canvas::Canvas(int width, int height, Rgb fill) {
    resize(width, height, fill);
}

void Canvas::resize(int width, int height, Rgb fill) {
    width_ = std::max(width, 0);
    height_ = std::max(height, 0);
    pixels_.assign(static_cast<size_t>(width_) * static_cast<size_t>(height_), fill);
}

void Canvas::clear(Rgb colour) {
    fillPixels(pixels_.data(), pixels_.size(), colour);
}

void Canvas::fillSpan(int x1, int x2, int y, Rgb colour) {
    if (y < 0 || y >= height_) return;
    x1 = std::max(x1, 0);
    x2 = std::min(x2, width_);
    if (x1 >= x2) return;
    fillPixels(pixels_.data() + index(x1, y), static_cast<size_t>(x2 - x1), colour);
}

void Canvas::modeSpan(int x1, int x2, int y, Rgb colour) {
    if (y < 0 || y >= height_) return;
    modeSpanRaw(std::max(x1, 0), std::min(x2, width_), y, colour);
}

// x1, x2 already clipped to the row.
void Canvas::modeSpanRaw(int x1, int x2, int y, Rgb colour) {
    if (x1 >= x2) return;
    uint32_t* row = pixels_.data() + index(0, y);
    if (mode_ == PenMode::Copy) {
        fillPixels(row + x1, static_cast<size_t>(x2 - x1), colour);
    } else {
        const uint32_t bits = colour & 0x00FFFFFFu;
        for (int x = x1; x < x2; ++x) row[x] ^= bits;
    }
}

void Canvas::lineTo(Point to) {
    const int64_t x0 = bounded(current_.x);
    const int64_t y0 = bounded(current_.y);
    current_ = to;
    const int64_t x1 = bounded(to.x);
    const int64_t y1 = bounded(to.y);
    if (width_ == 0 || height_ == 0 || (x0 == x1 && y0 == y1)) return;

    if (y0 == y1) {
        const int64_t from = x1 > x0 ? x0 : x1 + 1;
        const int64_t to = x1 > x0 ? x1 : x0 + 1;
        modeSpan(static_cast<int>(from), static_cast<int>(to), static_cast<int>(y0), pen_);
        return;
    }
    if (x0 == x1) {
        if (x0 < 0 || x0 >= width_) return;
        const int64_t from = std::max<int64_t>(y1 > y0 ? y0 : y1 + 1, 0);
        const int64_t to = std::min<int64_t>(y1 > y0 ? y1 : y0 + 1, height_);
        if (from >= to) return;
        const std::ptrdiff_t stride = width_;
        uint32_t* p = pixels_.data() + from * stride + x0;
        uint32_t* const end = p + (to - from) * stride;
        if (mode_ == PenMode::Copy) {
            const uint32_t colour = pen_;
            for (; p != end; p += stride) *p = colour;
        } else {
            const uint32_t bits = pen_ & 0x00FFFFFFu;
            for (; p != end; p += stride) *p ^= bits;
        }
        return;
    }

    // Walk the major axis; the minor coordinate of step i is the nearest to the ideal line,
    // halves rounding away from the start: f(i) = floor((2 i |dminor| + |dmajor|) / 2|dmajor|).
    const bool xMajor = std::llabs(x1 - x0) >= std::llabs(y1 - y0);
    const int64_t maj0 = xMajor ? x0 : y0;
    const int64_t min0 = xMajor ? y0 : x0;
    const int64_t dMaj = (xMajor ? x1 : y1) - maj0;
    const int64_t dMin = (xMajor ? y1 : x1) - min0;
    const int64_t aMaj = std::llabs(dMaj);
    const int64_t aMin = std::llabs(dMin);
    const int64_t sMaj = dMaj > 0 ? 1 : -1;
    const int64_t sMin = dMin > 0 ? 1 : (dMin < 0 ? -1 : 0);
    const int64_t majLimit = xMajor ? width_ : height_;
    const int64_t minLimit = xMajor ? height_ : width_;

    // Steps whose major coordinate lies on the image (the end pixel is step aMaj, excluded).
    int64_t lo = 0;
    int64_t hi = aMaj - 1;
    if (sMaj > 0) {
        lo = std::max(lo, -maj0);
        hi = std::min(hi, majLimit - 1 - maj0);
    } else {
        lo = std::max(lo, maj0 - (majLimit - 1));
        hi = std::min(hi, maj0);
    }
    if (lo > hi) return;

    const int64_t twoMaj = 2 * aMaj;
    const bool minorInside =
        std::min(min0, min0 + dMin) >= 0 && std::max(min0, min0 + dMin) < minLimit;
    if (!minorInside) {
        // The minor coordinate is monotonic in i: narrow the steps to those on the image.
        auto f = [&](int64_t i) { return (2 * i * aMin + aMaj) / twoMaj; };
        int64_t fLo;
        int64_t fHi;
        if (sMin >= 0) {
            fLo = -min0;
            fHi = minLimit - 1 - min0;
        } else {
            fLo = min0 - (minLimit - 1);
            fHi = min0;
        }
        lo = firstTrue(lo, hi, [&](int64_t i) { return f(i) >= fLo; });
        hi = firstTrue(lo, hi, [&](int64_t i) { return f(i) > fHi; }) - 1;
        if (lo > hi) return;
    }

    // Step a pixel pointer: one pixel along the major axis each step, one row or column along
    // the minor axis whenever the error term carries.
    const int64_t num = 2 * lo * aMin + aMaj;
    int64_t rem = lo == 0 ? aMaj : num % twoMaj;
    const int64_t firstMaj = maj0 + sMaj * lo;
    const int64_t firstMin = lo == 0 ? min0 : min0 + sMin * (num / twoMaj);
    const int64_t px = xMajor ? firstMaj : firstMin;
    const int64_t py = xMajor ? firstMin : firstMaj;
    uint32_t* p = pixels_.data() + py * width_ + px;
    const std::ptrdiff_t stepMaj = xMajor ? sMaj : sMaj * width_;
    const std::ptrdiff_t stepMin = xMajor ? sMin * width_ : sMin;
    const int64_t twoMin = 2 * aMin;
    int64_t n = hi - lo + 1;
    if (mode_ == PenMode::Copy) {
        const uint32_t colour = pen_;
        for (; n > 0; --n) {
            *p = colour;
            p += stepMaj;
            rem += twoMin;
            if (rem >= twoMaj) {
                rem -= twoMaj;
                p += stepMin;
            }
        }
    } else {
        const uint32_t bits = pen_ & 0x00FFFFFFu;
        for (; n > 0; --n) {
            *p ^= bits;
            p += stepMaj;
            rem += twoMin;
            if (rem >= twoMaj) {
                rem -= twoMaj;
                p += stepMin;
            }
        }
    }
}

void Canvas::fillRect(Rect box) {
    auto [x1, y1, x2, y2] = box;
    if (x1 > x2) std::swap(x1, x2);
    if (y1 > y2) std::swap(y1, y2);
    const int top = std::max(y1, 0);
    const int bottom = std::min(y2, height_);
    x1 = std::max(x1, 0);
    x2 = std::min(x2, width_);
    if (x1 >= x2) return;
    const size_t n = static_cast<size_t>(x2 - x1);
    for (int y = top; y < bottom; ++y) fillPixels(pixels_.data() + index(x1, y), n, brush_);
}

void Canvas::rectangle(Rect box) {
    int64_t l = bounded(box.x1), t = bounded(box.y1), r = bounded(box.x2), b = bounded(box.y2);
    if (l > r) std::swap(l, r);
    if (t > b) std::swap(t, b);
    if (l == r || t == b) return;
    const int left = static_cast<int>(l), right = static_cast<int>(r);
    const int top = static_cast<int>(t), bottom = static_cast<int>(b);
    modeSpan(left, right, top, pen_);
    if (bottom - 1 > top) modeSpan(left, right, bottom - 1, pen_);
    const int from = std::max(top + 1, 0);
    const int to = std::min(bottom - 1, height_);
    for (int y = from; y < to; ++y) {
        penPixel(left, y);
        if (right - 1 > left) penPixel(right - 1, y);
        modeSpan(left + 1, right - 1, y, brush_);
    }
}

void Canvas::copyRect(Rect to, const Canvas& source, Rect from, Stretch stretch) {
    if (&source == this) {
        const Canvas copy = *this;
        copyRect(to, copy, from, stretch);
        return;
    }
    int64_t dl = bounded(to.x1), dt = bounded(to.y1), dr = bounded(to.x2), db = bounded(to.y2);
    int64_t sl = bounded(from.x1), st = bounded(from.y1), sr = bounded(from.x2),
            sb = bounded(from.y2);
    if (dl > dr) std::swap(dl, dr);
    if (dt > db) std::swap(dt, db);
    if (sl > sr) std::swap(sl, sr);
    if (st > sb) std::swap(st, sb);
    const int64_t dw = dr - dl, dh = db - dt, sw = sr - sl, sh = sb - st;
    if (dw <= 0 || dh <= 0 || sw <= 0 || sh <= 0) return;

    const int64_t rowFrom = std::max<int64_t>(dt, 0), rowTo = std::min<int64_t>(db, height_);
    const int64_t colFrom = std::max<int64_t>(dl, 0), colTo = std::min<int64_t>(dr, width_);
    if (dw == sw && dh == sh) {
        // Same size: whole rows at a time (the preview restores strips this way).
        const int64_t first = std::max(colFrom, dl - sl);
        const int64_t last = std::min(colTo, dl - sl + source.width_);
        for (int64_t y = rowFrom; y < rowTo && first < last; ++y) {
            const int64_t sy = st + (y - dt);
            if (sy < 0 || sy >= source.height_) continue;
            const uint32_t* in = source.pixels_.data() +
                                 static_cast<size_t>(sy) * static_cast<size_t>(source.width_);
            uint32_t* out = pixels_.data() + static_cast<size_t>(y) * static_cast<size_t>(width_);
            std::copy(in + (first - dl + sl), in + (last - dl + sl), out + first);
        }
        return;
    }
    const bool andBlock = stretch == Stretch::KeepDark && (sw > dw || sh > dh);
    for (int64_t y = rowFrom; y < rowTo; ++y) {
        const int64_t j = y - dt;
        const int64_t syFirst = st + j * sh / dh;
        const int64_t syLast = andBlock ? std::max(syFirst, st + (j + 1) * sh / dh - 1) : syFirst;
        uint32_t* out = pixels_.data() + static_cast<size_t>(y) * static_cast<size_t>(width_);
        for (int64_t x = colFrom; x < colTo; ++x) {
            const int64_t i = x - dl;
            const int64_t sxFirst = sl + i * sw / dw;
            const int64_t sxLast =
                andBlock ? std::max(sxFirst, sl + (i + 1) * sw / dw - 1) : sxFirst;
            uint32_t value = 0xFFFFFFFFu;
            bool any = false;
            for (int64_t sy = syFirst; sy <= syLast; ++sy) {
                if (sy < 0 || sy >= source.height_) continue;
                for (int64_t sx = sxFirst; sx <= sxLast; ++sx) {
                    if (sx < 0 || sx >= source.width_) continue;
                    value &=
                        source.pixels_[source.index(static_cast<int>(sx), static_cast<int>(sy))];
                    any = true;
                }
            }
            if (any) out[x] = value;
        }
    }
}

}  // namespace noma
