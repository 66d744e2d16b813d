#pragma once

#include <array>

namespace noma::render {

// Which unit a thick stroke's offsets count in: device pixels on the screen, or sixths of
// the pitch (u(1)).
enum class StrokeBasis { Pixel, Pitch };

// The offsets first..last (inclusive, device pixels) a thick stroke is drawn at.
struct StrokeRange {
    int first = 0;
    int last = 0;
};

// The units figures are drawn in. Every figure is written once against this, so the page
// view and printing draw the same shapes: the screen in whole pixels, a printer at a
// fractional scale. Coordinates are device coordinates; `x`/`y` map page pixels to them.
class FigureMetrics {
  public:
    virtual ~FigureMetrics() = default;
    // Whether these are the screen's metrics (ScreenMetrics): asked once per figure, so a
    // plain member rather than a type check.
    bool isScreen() const { return isScreen_; }
    // k sixths of the vertical pitch. Figures ask for it many times each, so the values they
    // use are kept in a table filled by the metrics' constructor (see fillUnits).
    double u(int k) const {
        return k >= 0 && k < kUnitTableSize ? units_[static_cast<size_t>(k)] : computeU(k);
    }
    // A length given in page pixels (cell geometry, clef width).
    virtual double px(double pagePixels) const = 0;
    // A page-pixel position.
    virtual double x(double pageX) const = 0;
    virtual double y(double pageY) const = 0;
    // A thick stroke drawn at offsets lo..hi counted in `basis` units (screen: lo..hi pixels,
    // or lo * u(1) .. (hi + 1) * u(1) - 1 for the pitch basis).
    virtual StrokeRange strokes(int lo, int hi, StrokeBasis basis) const = 0;

  protected:
    virtual double computeU(int k) const = 0;
    // To be called by every concrete metrics' constructor.
    void fillUnits() {
        for (int k = 0; k < kUnitTableSize; ++k) units_[static_cast<size_t>(k)] = computeU(k);
    }
    bool isScreen_ = false;

  private:
    static constexpr int kUnitTableSize = 80;
    std::array<double, kUnitTableSize> units_{};
};

// Screen pixels: u(k) = (k x pitch) / 6 truncated, page pixels are device pixels.
class ScreenMetrics final : public FigureMetrics {
  public:
    explicit ScreenMetrics(int pitch) : pitch_(pitch) {
        fillUnits();
        isScreen_ = true;
    }
    int pitch() const { return pitch_; }
    int unit(int k) const { return k * pitch_ / 6; }

    double px(double pagePixels) const override { return pagePixels; }
    double x(double pageX) const override { return pageX; }
    double y(double pageY) const override { return pageY; }
    StrokeRange strokes(int lo, int hi, StrokeBasis basis) const override {
        if (basis == StrokeBasis::Pixel) return {lo, hi};
        return {lo * unit(1), (hi + 1) * unit(1) - 1};
    }

  protected:
    double computeU(int k) const override { return unit(k); }

  private:
    int pitch_;
};

// A device coordinate as a raster position: truncated toward zero, far values (and NaN) held at
// the raster's coordinate bound. Within the bound the conversion to int itself truncates.
constexpr int kDeviceBound = 1 << 29;
inline int toDevice(double v) {
    if (!(v > -kDeviceBound)) return -kDeviceBound;
    if (v > kDeviceBound) return kDeviceBound;
    return static_cast<int>(v);
}

}  // namespace noma::render
