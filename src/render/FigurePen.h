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

    void line(double x1, double y1, double x2, double y2) {
        canvas_.moveTo(toDevice(x1), toDevice(y1));
        canvas_.lineTo(toDevice(x2), toDevice(y2));
    }
    void polyline(std::initializer_list<FigurePoint> points, double dx = 0, double dy = 0) {
        bool first = true;
        for (const FigurePoint& p : points) {
            if (first) {
                canvas_.moveTo(toDevice(p.x + dx), toDevice(p.y + dy));
            } else {
                canvas_.lineTo(toDevice(p.x + dx), toDevice(p.y + dy));
            }
            first = false;
        }
    }
    void fill(double x1, double y1, double x2, double y2) {
        canvas_.fillRect(toDevice(x1), toDevice(y1), toDevice(x2), toDevice(y2));
    }
    void ellipse(double x1, double y1, double x2, double y2) {
        canvas_.ellipse(toDevice(x1), toDevice(y1), toDevice(x2), toDevice(y2));
    }
    void arc(double x1, double y1, double x2, double y2, double xs, double ys, double xe,
             double ye) {
        canvas_.arc(toDevice(x1), toDevice(y1), toDevice(x2), toDevice(y2), toDevice(xs),
                    toDevice(ys), toDevice(xe), toDevice(ye));
    }
    // The template scaled to width x height with its top-left at (x0, y0).
    void stamp(TemplateId id, double x0, double y0, double width, double height) {
        stampMask(canvas_, scaledTemplate(id, toDevice(width), toDevice(height)), toDevice(x0),
                  toDevice(y0), ink_);
    }

  private:
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
