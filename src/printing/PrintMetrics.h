#pragma once

#include "printing/PrintRaster.h"
#include "render/FigureMetrics.h"

namespace noma {

// Figures at printer scale: k sixths of the pitch are k x s printer pixels with no rounding
// (s = printUnit x pitch / 6), page pixels are printUnit each and lie behind the margins, and
// a thick stroke's offsets count in stroke units, so it keeps its physical width whatever the
// pitch.
class PrintMetrics final : public render::FigureMetrics {
  public:
    PrintMetrics(const PrintRaster& raster, int pitch)
        : unit_(raster.printUnit),
          s_(static_cast<double>(raster.printUnit) * pitch / 6),
          strokeUnit_(raster.strokeUnit),
          marginX_(raster.marginX),
          marginY_(raster.marginY) {
        fillUnits();
    }

    // Printer pixels per page pixel, and per sixth of the pitch.
    double unit() const { return unit_; }
    double s() const { return s_; }
    int strokeUnit() const { return strokeUnit_; }

    double px(double pagePixels) const override { return pagePixels * unit_; }
    double x(double pageX) const override { return marginX_ + pageX * unit_; }
    double y(double pageY) const override { return marginY_ + pageY * unit_; }
    render::StrokeRange strokes(int lo, int hi, render::StrokeBasis) const override {
        return {lo * strokeUnit_, (hi + 1) * strokeUnit_ - 1};
    }

  protected:
    double computeU(int k) const override { return k * s_; }

  private:
    double unit_;
    double s_;
    int strokeUnit_;
    int marginX_;
    int marginY_;
};

}  // namespace noma
