// Ellipses and arcs: the inscribed ellipse of a right/bottom-exclusive box, row by row.
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <unordered_map>
#include <vector>

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

    // Half the width of the ellipse at the centre line of row y, which lies in the box. Only
    // the row's offset from the box's top counts, exactly, wherever the box is.
    double halfWidth(int64_t y) const {
        const double dy = (static_cast<double>(y) + 0.5 - cy_) * inverseB_;
        const double t = std::max(0.0, (1 - dy) * (1 + dy));
        return a_ * std::sqrt(t);
    }

    Span row(int64_t y) const {
        if (y < y1_ || y >= y2_) return {};
        const double hx = halfWidth(y);
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

// Inside pixels of a row: those whose four neighbours are all in the ellipse.
Span innerSpan(const Span& above, const Span& here, const Span& below) {
    Span inner;
    if (!above.empty() && !below.empty()) {
        inner.l = std::max({here.l + 1, above.l, below.l});
        inner.r = std::min({here.r - 1, above.r, below.r});
    }
    return inner;
}

// A row's pixels and its inside part, relative to the box's left edge.
struct ShapeRow {
    int l, r;            // the row's pixels
    int innerL, innerR;  // inside part, empty when innerL > innerR
};

// The rows of the ellipse in a w x h box at the origin. Placed anywhere else the spans move
// with the box, unless a span end lies within rounding distance of a pixel centre, where the
// box's position can tip it; such sizes (a handful of the small ones) are not kept.
std::unique_ptr<std::vector<ShapeRow>> ellipseShape(int64_t w, int64_t h) {
    const EllipseSpans spans(0, 0, w, h);
    auto rows = std::make_unique<std::vector<ShapeRow>>();
    rows->reserve(static_cast<size_t>(h));
    Span above;
    Span here = spans.row(0);
    for (int64_t y = 0; y < h; ++y) {
        const double hx = spans.halfWidth(y);
        // A multiple of one half gives exact ends at any position.
        if (hx * 2 != std::floor(hx * 2)) {
            for (const double end : {spans.cx() - hx - 0.5, spans.cx() + hx - 0.5}) {
                if (std::fabs(end - std::round(end)) <= 1e-6) return nullptr;
            }
        }
        const Span below = spans.row(y + 1);
        const Span inner = innerSpan(above, here, below);
        rows->push_back({static_cast<int>(here.l), static_cast<int>(here.r),
                         static_cast<int>(inner.l), static_cast<int>(inner.r)});
        above = here;
        here = below;
    }
    return rows;
}

// Shapes are kept for the sizes a page draws again and again (dots, heads, marks);
// bigger ones and any beyond the count limit are worked out row by row each time.
constexpr int64_t kMaxKeptSide = 256;
constexpr size_t kMaxKeptShapes = 4096;

const std::vector<ShapeRow>* keptShape(int64_t w, int64_t h) {
    if (w > kMaxKeptSide || h > kMaxKeptSide) return nullptr;
    static std::unordered_map<int64_t, std::unique_ptr<std::vector<ShapeRow>>> shapes;
    const int64_t key = w * (kMaxKeptSide + 1) + h;
    const auto found = shapes.find(key);
    if (found != shapes.end()) return found->second.get();
    if (shapes.size() >= kMaxKeptShapes) return nullptr;
    return shapes.emplace(key, ellipseShape(w, h)).first->second.get();
}

}  // namespace

bool Canvas::ellipseMovesExactly(Rect box) {
    const int64_t w = std::llabs(bounded(box.x2) - bounded(box.x1));
    const int64_t h = std::llabs(bounded(box.y2) - bounded(box.y1));
    return w == 0 || h == 0 || keptShape(w, h) != nullptr;
}

void Canvas::ellipse(Rect box) {
    ellipseRows(box, true, true, nullptr);
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

    // Rows first..last (inclusive) outside which no pixel centre of the box
    // [l, r) x [t, b), centre (cx, cy), lies in the sector: the box clipped to the sector's
    // half-planes, widened by two rows against rounding. Arcs of slurs and fermatas cover a
    // part of their ellipse, and the rows beyond it need not be visited at all.
    void rows(int64_t l, int64_t t, int64_t r, int64_t b, double cx, double cy, int64_t& first,
              int64_t& last) const {
        first = t;
        last = b - 1;
        if (full) return;
        // Box corners relative to the centre, y up, as the sector's vectors are.
        const double left = static_cast<double>(l) - cx, right = static_cast<double>(r) - cx;
        const double top = cy - static_cast<double>(t), bottom = cy - static_cast<double>(b);
        const Polygon box{{{left, bottom}, {right, bottom}, {right, top}, {left, top}}, 4};
        // cross(s, v) >= 0 and cross(v, e) >= 0 as a x + b y >= 0; a wide sector is where
        // either holds, a narrow one where both do.
        const Polygon fromStart = box.clipped(-sy, sx);
        const Polygon toEnd = box.clipped(ey, -ex);
        double low = 0, high = 0;
        bool any = false;
        auto extend = [&](const Polygon& p) {
            for (int i = 0; i < p.count; ++i) {
                low = any ? std::min(low, p.at[i].y) : p.at[i].y;
                high = any ? std::max(high, p.at[i].y) : p.at[i].y;
                any = true;
            }
        };
        if (wide) {
            extend(fromStart);
            extend(toEnd);
        } else {
            extend(fromStart.clipped(ey, -ex));
        }
        if (!any) return;
        // A pixel row y has its centre at cy - (y + 0.5) in these coordinates.
        first = std::max(first, floorToInt(cy - high - 0.5) - 2);
        last = std::min(last, ceilToInt(cy - low - 0.5) + 2);
    }

  private:
    struct Polygon {
        struct Point {
            double x, y;
        };
        Point at[8];
        int count;

        // The part where a x + b y >= 0 (a convex polygon gains at most one corner).
        Polygon clipped(double a, double b) const {
            Polygon out{{}, 0};
            for (int i = 0; i < count; ++i) {
                const Point p = at[i];
                const Point q = at[(i + 1) % count];
                const double fp = a * p.x + b * p.y;
                const double fq = a * q.x + b * q.y;
                if (fp >= 0) out.at[out.count++] = p;
                if ((fp >= 0) != (fq >= 0)) {
                    const double k = fp / (fp - fq);
                    out.at[out.count++] = {p.x + k * (q.x - p.x), p.y + k * (q.y - p.y)};
                }
            }
            return out;
        }
    };
};

void Canvas::arc(Rect box, Point start, Point end) {
    int64_t l = bounded(box.x1), t = bounded(box.y1), r = bounded(box.x2), b = bounded(box.y2);
    if (l > r) std::swap(l, r);
    if (t > b) std::swap(t, b);
    const double cx = static_cast<double>(l + r) / 2;
    const double cy = static_cast<double>(t + b) / 2;
    const ArcSector sector(static_cast<double>(start.x) - cx, static_cast<double>(start.y) - cy,
                           static_cast<double>(end.x) - cx, static_cast<double>(end.y) - cy);
    ellipseRows(box, false, true, &sector);
}

// With `arc`, only the outline pixels inside its sector are drawn.
void Canvas::ellipseRows(Rect box, bool fill, bool outline, const ArcSector* arc) {
    int64_t l = bounded(box.x1), t = bounded(box.y1), r = bounded(box.x2), b = bounded(box.y2);
    if (l > r) std::swap(l, r);
    if (t > b) std::swap(t, b);
    if (l == r || t == b || width_ == 0 || height_ == 0) return;
    const EllipseSpans spans(l, t, r, b);
    int64_t from = std::max<int64_t>(t, 0);
    int64_t to = std::min<int64_t>(b, height_);
    if (arc != nullptr) {
        int64_t first, last;
        arc->rows(l, t, r, b, spans.cx(), spans.cy(), first, last);
        from = std::max(from, first);
        to = std::min(to, last + 1);
    }
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
    // A solid ellipse in one colour (the figures' dots): each row is one span.
    const bool solid = fill && outline && arc == nullptr && pen_ == brush_;
    auto drawRow = [&](int64_t y, const Span& here, const Span& inner) {
        const int row = static_cast<int>(y);
        if (solid) {
            modeSpanRaw(static_cast<int>(std::max<int64_t>(here.l, 0)),
                        static_cast<int>(std::min<int64_t>(here.r + 1, width_)), row, pen_);
            return;
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
    };

    if (const std::vector<ShapeRow>* shape = keptShape(r - l, b - t)) {
        for (int64_t y = from; y < to; ++y) {
            const ShapeRow& s = (*shape)[static_cast<size_t>(y - t)];
            drawRow(y, {l + s.l, l + s.r}, {l + s.innerL, l + s.innerR});
        }
        return;
    }
    Span above = spans.row(from - 1);
    Span here = spans.row(from);
    for (int64_t y = from; y < to; ++y) {
        const Span below = spans.row(y + 1);
        drawRow(y, here, innerSpan(above, here, below));
        above = here;
        here = below;
    }
}

}  // namespace noma
