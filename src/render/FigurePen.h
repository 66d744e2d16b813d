#pragma once

#include <initializer_list>

#include "platform/Canvas.h"
#include "render/FigureMetrics.h"
#include "render/SymbolFigures.h"
#include "render/Templates.h"

namespace noma::render {

struct FigurePoint {
    double x = 0;
    double y = 0;
};

// Drawing in figure units: coordinates are device doubles that become raster positions only
// when handed to the canvas, so one figure serves the screen and the printer.
class FigurePen {
  public:
    FigurePen(Canvas& canvas, const FigureMetrics& metrics, Rgb ink)
        : canvas_(canvas), m_(metrics), ink_(ink) {
        canvas_.setPenColour(ink);
        canvas_.setBrushColour(ink);
    }

    double u(int k) const { return m_.u(k); }
    double px(double pixels) const { return m_.px(pixels); }
    const FigureMetrics& metrics() const { return m_; }
    Canvas& canvas() { return canvas_; }
    Rgb ink() const { return ink_; }
    StrokeRange strokes(int lo, int hi, StrokeBasis basis) const {
        return m_.strokes(lo, hi, basis);
    }

    // toDevice, which every figure coordinate goes through: within the bounds the conversion to
    // int already truncates toward zero, so no separate rounding step is needed.
    static int device(double v) {
        constexpr double kLimit = 1 << 29;
        if (!(v > -kLimit)) return -(1 << 29);
        if (v > kLimit) return 1 << 29;
        return static_cast<int>(v);
    }

    void line(double x1, double y1, double x2, double y2) {
        canvas_.moveTo(device(x1), device(y1));
        canvas_.lineTo(device(x2), device(y2));
    }
    void polyline(std::initializer_list<FigurePoint> points, double dx = 0, double dy = 0) {
        bool first = true;
        for (const FigurePoint& p : points) {
            if (first) {
                canvas_.moveTo(device(p.x + dx), device(p.y + dy));
            } else {
                canvas_.lineTo(device(p.x + dx), device(p.y + dy));
            }
            first = false;
        }
    }
    // A thick stroke: the polyline once for every offset d of `range`, moved d pixels right
    // (down when `down`), as polyline(points, d) or polyline(points, 0, d) for each d would.
    void thickPolyline(std::initializer_list<FigurePoint> points, StrokeRange range,
                       bool down = false) {
        if (range.first > range.last) return;
        const FigurePoint* from = nullptr;
        for (const FigurePoint& to : points) {
            if (from != nullptr) thickLine(*from, to, range, down);
            from = &to;
        }
    }
    void fill(double x1, double y1, double x2, double y2) {
        canvas_.fillRect(device(x1), device(y1), device(x2), device(y2));
    }
    void ellipse(double x1, double y1, double x2, double y2) {
        canvas_.ellipse(device(x1), device(y1), device(x2), device(y2));
    }
    void arc(double x1, double y1, double x2, double y2, double xs, double ys, double xe,
             double ye) {
        canvas_.arc(device(x1), device(y1), device(x2), device(y2), device(xs), device(ys),
                    device(xe), device(ye));
    }
    // The template scaled to width x height with its top-left at (x0, y0).
    void stamp(TemplateId id, double x0, double y0, double width, double height) {
        stampMask(canvas_, scaledTemplate(id, device(width), device(height)), device(x0),
                  device(y0), ink_);
    }

  private:
    // One segment of a thick polyline. The copies are one stroke when each is the first moved
    // by whole pixels, which device rounding can break for fractional printer coordinates.
    void thickLine(const FigurePoint& from, const FigurePoint& to, StrokeRange range, bool down) {
        const auto at = [&](const FigurePoint& p, int d, bool across) {
            const double offset = across == down ? d : 0;
            return device((across ? p.y : p.x) + offset);
        };
        const int x1 = at(from, range.first, false), y1 = at(from, range.first, true);
        const int x2 = at(to, range.first, false), y2 = at(to, range.first, true);
        bool uniform = true;
        for (int d = range.first + 1; d <= range.last && uniform; ++d) {
            const int shift = d - range.first;
            const int dx = down ? 0 : shift, dy = down ? shift : 0;
            uniform = at(from, d, false) == x1 + dx && at(from, d, true) == y1 + dy &&
                      at(to, d, false) == x2 + dx && at(to, d, true) == y2 + dy;
        }
        if (uniform) {
            canvas_.moveTo(x1, y1);
            canvas_.strokeTo(x2, y2, range.last - range.first + 1,
                             down ? Canvas::StrokeStep::Down : Canvas::StrokeStep::Right);
            return;
        }
        for (int d = range.first; d <= range.last; ++d) {
            canvas_.moveTo(at(from, d, false), at(from, d, true));
            canvas_.lineTo(at(to, d, false), at(to, d, true));
        }
    }

    Canvas& canvas_;
    const FigureMetrics& m_;
    Rgb ink_;
};

// Figure families, by file.
void drawNoteFigure(FigurePen& pen, int kind, double x, double y, const FigureContext& context);
void drawRestFigure(FigurePen& pen, int kind, double x, double y);
void drawMarkFigure(FigurePen& pen, const SymbolRecord& record, double x, double y,
                    const FigureContext& context);

}  // namespace noma::render
