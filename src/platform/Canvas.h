#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <vector>

#include "platform/Geometry.h"

namespace noma {

// A pixel as 0xFFRRGGBB, the layout a QImage of Format_RGB32 reads directly.
using Rgb = uint32_t;

constexpr Rgb rgb(int r, int g, int b) {
    return 0xFF000000u | (static_cast<uint32_t>(r & 255) << 16) |
           (static_cast<uint32_t>(g & 255) << 8) | static_cast<uint32_t>(b & 255);
}
constexpr int redOf(Rgb c) {
    return static_cast<int>((c >> 16) & 255);
}
constexpr int greenOf(Rgb c) {
    return static_cast<int>((c >> 8) & 255);
}
constexpr int blueOf(Rgb c) {
    return static_cast<int>(c & 255);
}

constexpr Rgb kWhite = rgb(255, 255, 255);
constexpr Rgb kBlack = rgb(0, 0, 0);
// What getPixel answers outside the image: no real pixel has a zero alpha byte.
constexpr Rgb kNoPixel = 0;

struct TextExtent {
    int width = 0;
    int height = 0;
};

// An exact 24-bit raster with the drawing rules of the classic Windows canvas: 1-pixel pen,
// lines that stop short of their end pixel, right/bottom-exclusive boxes, inscribed ellipses,
// counter-clockwise arcs, an exclusive-OR pen and nearest-neighbour stretching. Everything is
// clipped: drawing off the image is allowed and never writes outside it.
class Canvas {
  public:
    enum class PenMode { Copy, Xor };
    enum class Stretch {
        Nearest,   // each destination pixel takes one source pixel
        KeepDark,  // a shrink ANDs the source pixels meeting in one pixel: black survives
    };

    // Coordinates beyond this are pulled in to it, which keeps the line and shape arithmetic
    // within 64 bits; such points are far off any image anyway.
    static constexpr int kCoordinateLimit = 1 << 29;
    static constexpr int clampCoordinate(int v) {
        return v < -kCoordinateLimit ? -kCoordinateLimit
                                     : (v > kCoordinateLimit ? kCoordinateLimit : v);
    }

    Canvas() = default;
    Canvas(int width, int height, Rgb fill = kWhite);

    // New size, every pixel `fill`. Pixel storage is reallocated only when the size changes.
    void resize(int width, int height, Rgb fill = kWhite);
    int width() const { return width_; }
    int height() const { return height_; }
    // Row-major pixels, width() per row, stride width() * 4 bytes.
    uint32_t* data() { return pixels_.data(); }
    const uint32_t* data() const { return pixels_.data(); }
    int strideBytes() const { return width_ * 4; }
    void clear(Rgb colour);

    void setPenColour(Rgb colour) { pen_ = colour; }
    Rgb penColour() const { return pen_; }
    void setBrushColour(Rgb colour) { brush_ = colour; }
    Rgb brushColour() const { return brush_; }
    // Xor: pen and shape pixels are combined with what is there by exclusive OR, so drawing
    // the same thing twice restores the image (rubber rectangles).
    void setPenMode(PenMode mode) { mode_ = mode; }
    PenMode penMode() const { return mode_; }

    void moveTo(Point p) { current_ = p; }
    // Pen line from the current point up to, not including, `to`, which becomes current.
    void lineTo(Point to);
    Point current() const { return current_; }

    // Brush over the box; swapped corners cover the same area.
    // Always copies: the pen mode does not apply.
    void fillRect(Rect box);
    // Outline in the pen along the edge of the box, inside in the brush.
    void rectangle(Rect box);
    // The ellipse inscribed in the box: brush inside, pen outline.
    void ellipse(Rect box);
    // Outline of the box's ellipse counter-clockwise on screen from the ray through `start`
    // to the ray through `end`; both on one ray gives the whole outline.
    void arc(Rect box, Point start, Point end);
    // Whether the box's ellipse (and its arcs) keeps its pixels when the box is moved: so for
    // all but a few sizes, where rounding at some positions tips a pixel.
    static bool ellipseMovesExactly(Rect box);

    void setPixel(int x, int y, Rgb colour) {
        if (contains(x, y)) pixels_[index(x, y)] = colour;
    }
    Rgb getPixel(int x, int y) const { return contains(x, y) ? pixels_[index(x, y)] : kNoPixel; }
    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

    // Copies the box `from` of `source` into this canvas's box `to`, scaling when the sizes
    // differ. `source` may be this canvas.
    void copyRect(Rect to, const Canvas& source, Rect from, Stretch stretch = Stretch::Nearest);

    // Text through the system's Japanese face at `pointSize` points on a `dpi` device.
    void setFont(int pointSize, int dpi = 96) {
        fontPoints_ = pointSize;
        fontDpi_ = dpi;
    }
    void setFontColour(Rgb colour) { fontColour_ = colour; }
    // Opaque text stands on a box in the brush colour; transparent text only sets its ink.
    void setTextOpaque(bool opaque) { textOpaque_ = opaque; }
    TextExtent textExtent(std::string_view utf8) const;
    // UTF-8 text with the top-left of its box at `topLeft`.
    void textOut(Point topLeft, std::string_view utf8);

    // A horizontal run x1 <= x < x2 of row y in `colour`, clipped; copy mode.
    void fillSpan(int x1, int x2, int y, Rgb colour);

    // Sets the n pixels from p on to `colour`: the store loop of every span. Figures are made
    // of short runs, which are cheapest as a few overlapping 4-pixel stores with no scalar
    // tail, inline where they are drawn; longer runs go to fillLongPixels.
    static void fillPixels(uint32_t* p, size_t n, Rgb colour) {
        if (n < 4) {
            for (size_t i = 0; i < n; ++i) p[i] = colour;
            return;
        }
        if (n > 16) {
            fillLongPixels(p, n, colour);
            return;
        }
        const uint32_t quad[4] = {colour, colour, colour, colour};
        std::memcpy(p, quad, sizeof quad);
        std::memcpy(p + (n > 8 ? 4 : 0), quad, sizeof quad);
        std::memcpy(p + n - (n > 8 ? 8 : 4), quad, sizeof quad);
        std::memcpy(p + n - 4, quad, sizeof quad);
    }
    // fillPixels for n > 16: straight-line 4-pixel stores up to 64 pixels; longer runs of four
    // equal bytes (white: the clearing) go through memset.
    static void fillLongPixels(uint32_t* p, size_t n, Rgb colour);

  private:
    size_t index(int x, int y) const {
        return static_cast<size_t>(y) * static_cast<size_t>(width_) + static_cast<size_t>(x);
    }
    // A span in the current pen mode; `colour` is the pen or the brush.
    void modeSpan(int x1, int x2, int y, Rgb colour);
    void modeSpanRaw(int x1, int x2, int y, Rgb colour);
    void penPixel(int x, int y) {
        if (!contains(x, y)) return;
        uint32_t& p = pixels_[index(x, y)];
        p = mode_ == PenMode::Copy ? pen_ : p ^ (pen_ & 0x00FFFFFFu);
    }
    struct ArcSector;
    void ellipseRows(Rect box, bool fill, bool outline, const ArcSector* arc);

    int width_ = 0;
    int height_ = 0;
    std::vector<uint32_t> pixels_;
    Rgb pen_ = kBlack;
    Rgb brush_ = kWhite;
    PenMode mode_ = PenMode::Copy;
    Point current_;
    int fontPoints_ = 10;
    int fontDpi_ = 96;
    Rgb fontColour_ = kBlack;
    bool textOpaque_ = true;
};

}  // namespace noma
