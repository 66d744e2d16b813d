#pragma once

#include <cstdint>
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

// Which drawing function a kept figure's kind belongs to.
enum class FigureFamily : uint8_t { Note, Rest, Mark };

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

    static int device(double v) { return toDevice(v); }

    void line(double x1, double y1, double x2, double y2) {
        canvas_.moveTo({device(x1), device(y1)});
        canvas_.lineTo({device(x2), device(y2)});
    }
    void polyline(std::initializer_list<FigurePoint> points, double dx = 0, double dy = 0) {
        bool first = true;
        for (const FigurePoint& p : points) {
            if (first) {
                canvas_.moveTo({device(p.x + dx), device(p.y + dy)});
            } else {
                canvas_.lineTo({device(p.x + dx), device(p.y + dy)});
            }
            first = false;
        }
    }
    void fill(double x1, double y1, double x2, double y2) {
        canvas_.fillRect({device(x1), device(y1), device(x2), device(y2)});
    }
    void ellipse(double x1, double y1, double x2, double y2) {
        const int l = device(x1), t = device(y1), r = device(x2), b = device(y2);
        if (keeping_ && !Canvas::ellipseMovesExactly({l, t, r, b})) movable_ = false;
        canvas_.ellipse({l, t, r, b});
    }
    void arc(double x1, double y1, double x2, double y2, double xs, double ys, double xe,
             double ye) {
        const int l = device(x1), t = device(y1), r = device(x2), b = device(y2);
        if (keeping_ && !Canvas::ellipseMovesExactly({l, t, r, b})) movable_ = false;
        canvas_.arc({l, t, r, b}, {device(xs), device(ys)}, {device(xe), device(ye)});
    }
    // The template scaled to width x height with its top-left at (x0, y0).
    void stamp(TemplateId id, double x0, double y0, double width, double height) {
        stampMask(canvas_, scaledTemplate(id, device(width), device(height)), device(x0),
                  device(y0), ink_);
    }

    // A figure that depends on nothing but `kind` and the metrics and draws only in the ink,
    // drawn by draw(pen, x, y). On the screen its pixels are the same wherever it stands
    // (whole-pixel units, whole-pixel anchors), so it is drawn once, kept as a mask and
    // stamped after. Printing, Xor mode and figures at the image's edge are drawn directly.
    template <class Draw>
    void keptFigure(FigureFamily family, int kind, double x, double y, Draw draw) {
        constexpr double kFar = 1 << 28;
        const bool whole = m_.isScreen() && canvas_.penMode() == Canvas::PenMode::Copy &&
                           x > -kFar && x < kFar && y > -kFar && y < kFar &&
                           x == static_cast<int>(x) && y == static_cast<int>(y);
        if (!whole) {
            draw(*this, x, y);
            return;
        }
        const auto& screen = static_cast<const ScreenMetrics&>(m_);
        const uint64_t key = (static_cast<uint64_t>(family) << 56) |
                             (static_cast<uint64_t>(static_cast<uint32_t>(kind)) << 24) |
                             (static_cast<uint32_t>(screen.pitch()) & 0xFFFFFFu);
        KeptFigure* kept = nullptr;
        if (!findKeptFigure(key, kept)) {
            // Kept figures lie within 48 sixths of the pitch of their anchor; the scratch
            // picture leaves room, and a figure that reaches its edge is not kept.
            const int reach = screen.unit(60) + 8;
            kept = render::keptFigure(key, reach, [&](Canvas& scratch, int origin) {
                FigurePen pen(scratch, m_, kBlack);
                pen.keeping_ = true;
                draw(pen, origin, origin);
                return pen.movable_;
            });
        }
        const int ax = static_cast<int>(x), ay = static_cast<int>(y);
        if (kept == nullptr || ax + kept->left < 0 || ay + kept->top < 0 ||
            ax + kept->left + kept->mask.width() > canvas_.width() ||
            ay + kept->top + kept->mask.height() > canvas_.height()) {
            draw(*this, x, y);
            return;
        }
        stampKeptFigure(canvas_, *kept, ax, ay, ink_);
        if (kept->movesPen) canvas_.moveTo({ax + kept->endX, ay + kept->endY});
    }

  private:
    Canvas& canvas_;
    const FigureMetrics& m_;
    Rgb ink_;
    // While a figure is drawn to be kept: whether all it drew moves with its anchor.
    bool keeping_ = false;
    bool movable_ = true;
};

// Figure families, by file.
void drawNoteFigure(FigurePen& pen, int kind, double x, double y, const FigureContext& context);
void drawRestFigure(FigurePen& pen, int kind, double x, double y);
void drawMarkFigure(FigurePen& pen, const SymbolRecord& record, double x, double y,
                    const FigureContext& context);

}  // namespace noma::render
