#pragma once

#include <cstdint>

namespace noma {

// a / b rounded down, not toward zero: the cell of a coordinate left of or above the origin.
constexpr int64_t floorDiv(int64_t a, int64_t b) {
    return a / b - ((a % b != 0 && (a < 0) != (b < 0)) ? 1 : 0);
}

// A pixel position on an image.
struct Point {
    int x = 0;
    int y = 0;

    constexpr Point moved(int dx, int dy) const { return {x + dx, y + dy}; }
    bool operator==(const Point&) const = default;
};

// A box between corners (x1, y1) and (x2, y2), right/bottom exclusive: it covers
// x1 <= x < x2, y1 <= y < y2. The canvas accepts the corners in either order.
struct Rect {
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;

    // The box of width x height with its top-left at `topLeft`.
    static constexpr Rect sized(Point topLeft, int width, int height) {
        return {topLeft.x, topLeft.y, topLeft.x + width, topLeft.y + height};
    }
    // The box reaching `half` pixels to each side of `centre` (the right/bottom edge excluded).
    static constexpr Rect around(Point centre, int half) {
        return {centre.x - half, centre.y - half, centre.x + half, centre.y + half};
    }
    bool operator==(const Rect&) const = default;
};

}  // namespace noma
