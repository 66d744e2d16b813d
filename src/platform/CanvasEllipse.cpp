// Ellipses and arcs: the inscribed ellipse of a right/bottom-exclusive box, row by row.
#include <algorithm>
#include <cmath>

#include "platform/Canvas.h"

namespace noma {

namespace {

int64_t bounded(int v) {
    return Canvas::clampCoordinate(v);
}

// Inline floor and ceil for values well inside the 64-bit range.
int64_t floorToInt(double v) {
    const auto i = static_cast<int64_t>(v);
    return i - (v < static_cast<double>(i) ? 1 : 0);
}
int64_t ceilToInt(double v) {
    const auto i = static_cast<int64_t>(v);
    return i + (v > static_cast<double>(i) ? 1 : 0);
}

struct Span {
    int64_t l = 1;
    int64_t r = 0;
    bool empty() const { return l > r; }
};

// The pixels whose centres lie inside the ellipse inscribed in [x1, x2) x [y1, y2).
// A row never comes out empty, so thin ellipses stay connected.
class EllipseSpans {
  public:
    EllipseSpans(int64_t x1, int64_t y1, int64_t x2, int64_t y2)
        : x1_(x1),
          y1_(y1),
          x2_(x2),
          y2_(y2),
          cx_(static_cast<double>(x1 + x2) / 2),
          cy_(static_cast<double>(y1 + y2) / 2),
          a_(static_cast<double>(x2 - x1) / 2),
          inverseB_(2 / static_cast<double>(y2 - y1)) {}

    Span row(int64_t y) const {
        if (y < y1_ || y >= y2_) return {};
        const double dy = (static_cast<double>(y) + 0.5 - cy_) * inverseB_;
        const double t = std::max(0.0, (1 - dy) * (1 + dy));
        const double hx = a_ * std::sqrt(t);
        Span s{ceilToInt(cx_ - hx - 0.5), floorToInt(cx_ + hx - 0.5)};
        if (s.empty()) {
            s.l = floorToInt(cx_ - 0.5);
            s.r = ceilToInt(cx_ - 0.5);
        }
        s.l = std::max(s.l, x1_);
        s.r = std::min(s.r, x2_ - 1);
        return s;
    }

    double cx() const { return cx_; }
    double cy() const { return cy_; }

  private:
    int64_t x1_, y1_, x2_, y2_;
    double cx_, cy_, a_, inverseB_;
};

}  // namespace

void Canvas::ellipse(int x1, int y1, int x2, int y2) {
    ellipseRows(x1, y1, x2, y2, true, true, nullptr);
}

// The part of the plane swept counter-clockwise on screen from the ray through `start` to the
// ray through `end`, both taken from the centre. Vectors are in screen pixels (y down).
struct Canvas::ArcSector {
    double sx, sy, ex, ey;
    bool full;
    bool wide;  // more than half a turn

    ArcSector(double startX, double startY, double endX, double endY) {
        // With y flipped, counter-clockwise on screen is the usual positive turn.
        sx = startX, sy = -startY, ex = endX, ey = -endY;
        if (sx == 0 && sy == 0) sx = 1;
        if (ex == 0 && ey == 0) ex = 1;
        const double turn = cross(sx, sy, ex, ey);
        full = turn == 0 && sx * ex + sy * ey > 0;  // both on one ray
        wide = turn < 0;
    }
    static double cross(double ax, double ay, double bx, double by) { return ax * by - ay * bx; }
    bool contains(double vx, double vy) const {
        vy = -vy;
        if (full) return true;
        if (!wide) return cross(sx, sy, vx, vy) >= 0 && cross(vx, vy, ex, ey) >= 0;
        return !(cross(ex, ey, vx, vy) > 0 && cross(vx, vy, sx, sy) > 0);
    }
};

void Canvas::arc(int x1, int y1, int x2, int y2, int xs, int ys, int xe, int ye) {
    int64_t l = bounded(x1), t = bounded(y1), r = bounded(x2), b = bounded(y2);
    if (l > r) std::swap(l, r);
    if (t > b) std::swap(t, b);
    const double cx = static_cast<double>(l + r) / 2;
    const double cy = static_cast<double>(t + b) / 2;
    const ArcSector sector(static_cast<double>(xs) - cx, static_cast<double>(ys) - cy,
                           static_cast<double>(xe) - cx, static_cast<double>(ye) - cy);
    ellipseRows(x1, y1, x2, y2, false, true, &sector);
}

// With `arc`, only the outline pixels inside its sector are drawn.
void Canvas::ellipseRows(int x1, int y1, int x2, int y2, bool fill, bool outline,
                         const ArcSector* arc) {
    int64_t l = bounded(x1), t = bounded(y1), r = bounded(x2), b = bounded(y2);
    if (l > r) std::swap(l, r);
    if (t > b) std::swap(t, b);
    if (l == r || t == b || width_ == 0 || height_ == 0) return;
    const EllipseSpans spans(l, t, r, b);
    const int64_t from = std::max<int64_t>(t, 0);
    const int64_t to = std::min<int64_t>(b, height_);
    if (from >= to) return;

    auto outlinePart = [&](int64_t a, int64_t z, int y) {
        a = std::max<int64_t>(a, 0);
        z = std::min<int64_t>(z, width_ - 1);
        if (a > z) return;
        if (arc == nullptr) {
            modeSpanRaw(static_cast<int>(a), static_cast<int>(z + 1), y, pen_);
            return;
        }
        const double dy = static_cast<double>(y) + 0.5 - spans.cy();
        uint32_t* row = pixels_.data() + static_cast<size_t>(y) * static_cast<size_t>(width_);
        const uint32_t bits = pen_ & 0x00FFFFFFu;
        for (int64_t x = a; x <= z; ++x) {
            if (!arc->contains(static_cast<double>(x) + 0.5 - spans.cx(), dy)) continue;
            row[x] = mode_ == PenMode::Copy ? pen_ : row[x] ^ bits;
        }
    };

    Span above = spans.row(from - 1);
    Span here = spans.row(from);
    for (int64_t y = from; y < to; ++y) {
        const Span below = spans.row(y + 1);
        const int row = static_cast<int>(y);
        // Inside pixels: those whose four neighbours are all in the ellipse.
        Span inner;
        if (!above.empty() && !below.empty()) {
            inner.l = std::max({here.l + 1, above.l, below.l});
            inner.r = std::min({here.r - 1, above.r, below.r});
        }
        if (fill && !inner.empty()) {
            modeSpan(static_cast<int>(std::max<int64_t>(inner.l, -1)),
                     static_cast<int>(std::min<int64_t>(inner.r + 1, width_ + 1)), row, brush_);
        }
        if (outline) {
            if (inner.empty()) {
                outlinePart(here.l, here.r, row);
            } else {
                outlinePart(here.l, inner.l - 1, row);
                outlinePart(inner.r + 1, here.r, row);
            }
        }
        above = here;
        here = below;
    }
}

}  // namespace noma
