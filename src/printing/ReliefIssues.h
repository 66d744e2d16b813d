#pragma once

#include <vector>

#include "platform/Canvas.h"

namespace noma {

// Two figures of a print closer than a fingertip can tell apart.
struct CloseFigures {
    Rect first;  // the figures' boxes, print pixels
    Rect second;
    Point from;  // the nearest points found, one on each figure
    Point to;
    double gapMm = 0;
};

// What the preview's checks find on one printed page.
struct ReliefIssues {
    std::vector<CloseFigures> closeFigures;  // nearest first
    std::vector<Rect> touchingCells;         // braille cells (their dot area) touching a figure
};

inline constexpr double kDefaultMinimumGapMm = 3.0;

// The checks of a print picture at `dpi`. A figure is a connected piece of raised (non-white)
// pixels; the pieces that lie inside a braille cell's dot area (`brailleCells`, print pixels)
// are its dots, and those that lie on the strokes of the raised lines (`lines`, print pixels)
// are what the white-out left of a line: neither is a figure. Where a figure touches a line,
// the line's stroke is not counted as the figure's. Pairs of figures whose gap is below
// `minimumGapMm` are found on a grid of about 1/150 inch (the gap is exact to that grid), and a
// cell is reported when a figure or a line reaches into its dot area.
ReliefIssues findReliefIssues(const Canvas& print, const std::vector<Rect>& brailleCells,
                              const std::vector<Rect>& lines, int dpi, double minimumGapMm);

// The issues over `out`, a preview of the print's box `source` at out's size: where two
// figures come too near, a red frame and the line between them; touching cells framed in blue;
// lines `pen` pixels wide.
void drawReliefIssues(Canvas& out, const ReliefIssues& issues, Rect source, int pen = 2);

}  // namespace noma
