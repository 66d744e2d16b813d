#include "printing/ReliefIssues.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <numeric>
#include <tuple>
#include <unordered_map>

namespace noma {

namespace {

// The spacing is measured on a grid of about this many cells per inch: fine enough for a
// fingertip's limit of millimetres, coarse enough to stay fast on a 600 dpi page.
constexpr int kGridDpi = 150;

struct Run {
    int y;
    int x1;  // x1 <= x < x2
    int x2;
};

int findRoot(std::vector<int>& parent, int i) {
    while (parent[static_cast<size_t>(i)] != i) {
        parent[static_cast<size_t>(i)] =
            parent[static_cast<size_t>(parent[static_cast<size_t>(i)])];
        i = parent[static_cast<size_t>(i)];
    }
    return i;
}

bool raised(uint32_t pixel) {
    return (pixel & 0x00FFFFFFU) != 0x00FFFFFFU;
}

// The raised pixels as runs of rows, and the pieces they make (8-connected): a component
// number per run.
struct Pieces {
    std::vector<Run> runs;
    std::vector<int> rowStart;  // runs of row y: rowStart[y] .. rowStart[y + 1] - 1
    std::vector<int> piece;     // per run
    std::vector<Rect> boxes;    // per piece
};

Pieces findPieces(const Canvas& print) {
    Pieces p;
    const int w = print.width(), h = print.height();
    p.rowStart.assign(static_cast<size_t>(h) + 1, 0);
    for (int y = 0; y < h; ++y) {
        p.rowStart[static_cast<size_t>(y)] = static_cast<int>(p.runs.size());
        const uint32_t* row = print.data() + static_cast<size_t>(y) * w;
        int x = 0;
        while (x < w) {
            while (x < w && !raised(row[x])) ++x;
            if (x == w) break;
            const int start = x;
            while (x < w && raised(row[x])) ++x;
            p.runs.push_back({y, start, x});
        }
    }
    p.rowStart[static_cast<size_t>(h)] = static_cast<int>(p.runs.size());

    std::vector<int> parent(p.runs.size());
    std::iota(parent.begin(), parent.end(), 0);
    for (int y = 1; y < h; ++y) {
        int i = p.rowStart[static_cast<size_t>(y) - 1], j = p.rowStart[static_cast<size_t>(y)];
        const int iEnd = j, jEnd = p.rowStart[static_cast<size_t>(y) + 1];
        while (i < iEnd && j < jEnd) {
            const Run& a = p.runs[static_cast<size_t>(i)];
            const Run& b = p.runs[static_cast<size_t>(j)];
            // Diagonal neighbours touch too.
            if (a.x1 <= b.x2 && b.x1 <= a.x2) {
                const int ra = findRoot(parent, i), rb = findRoot(parent, j);
                if (ra != rb) parent[static_cast<size_t>(std::max(ra, rb))] = std::min(ra, rb);
            }
            if (a.x2 < b.x2) {
                ++i;
            } else {
                ++j;
            }
        }
    }
    p.piece.assign(p.runs.size(), -1);
    std::vector<int> number(p.runs.size(), -1);
    for (size_t r = 0; r < p.runs.size(); ++r) {
        const int root = findRoot(parent, static_cast<int>(r));
        int& n = number[static_cast<size_t>(root)];
        const Run& run = p.runs[r];
        if (n < 0) {
            n = static_cast<int>(p.boxes.size());
            p.boxes.push_back({run.x1, run.y, run.x2, run.y + 1});
        }
        Rect& box = p.boxes[static_cast<size_t>(n)];
        box = {std::min(box.x1, run.x1), std::min(box.y1, run.y), std::max(box.x2, run.x2),
               std::max(box.y2, run.y + 1)};
        p.piece[r] = n;
    }
    return p;
}

Rect grown(Rect r, int by) {
    return {r.x1 - by, r.y1 - by, r.x2 + by, r.y2 + by};
}

bool inside(Rect inner, Rect outer) {
    return inner.x1 >= outer.x1 && inner.y1 >= outer.y1 && inner.x2 <= outer.x2 &&
           inner.y2 <= outer.y2;
}

// The x ranges of each row that the raised lines' strokes cover, sorted and merged.
struct LineRows {
    std::vector<std::vector<std::pair<int, int>>> spans;  // per row: x1 <= x < x2

    LineRows(const std::vector<Rect>& lines, int width, int height)
        : spans(lines.empty() ? 0 : static_cast<size_t>(height)) {
        for (const Rect& line : lines) {
            const int x1 = std::max(line.x1, 0), x2 = std::min(line.x2, width);
            if (x1 >= x2) continue;
            for (int y = std::max(line.y1, 0); y < std::min(line.y2, height); ++y)
                spans[static_cast<size_t>(y)].emplace_back(x1, x2);
        }
        for (auto& row : spans) {
            if (row.size() < 2) continue;
            std::sort(row.begin(), row.end());
            size_t last = 0;
            for (size_t i = 1; i < row.size(); ++i) {
                if (row[i].first <= row[last].second) {
                    row[last].second = std::max(row[last].second, row[i].second);
                } else {
                    row[++last] = row[i];
                }
            }
            row.resize(last + 1);
        }
    }

    const std::vector<std::pair<int, int>>* row(int y) const {
        return spans.empty() ? nullptr : &spans[static_cast<size_t>(y)];
    }
    bool covers(const Run& run) const {
        const auto* r = row(run.y);
        if (r == nullptr) return false;
        for (const auto& [x1, x2] : *r)
            if (x1 <= run.x1 && run.x2 <= x2) return true;
        return false;
    }
    // Calls `f(x1, x2)` for each part of the run outside the lines.
    template <typename F>
    void forEachOutside(const Run& run, F f) const {
        int x = run.x1;
        if (const auto* r = row(run.y)) {
            for (const auto& [x1, x2] : *r) {
                if (x2 <= x) continue;
                if (x1 >= run.x2) break;
                if (x1 > x) f(x, x1);
                x = std::max(x, x2);
            }
        }
        if (x < run.x2) f(x, run.x2);
    }
};

struct Nearest {
    double gapPixels = std::numeric_limits<double>::infinity();
    Point from;
    Point to;
};

// For every grid cell the nearest figure cell (its index, or -1 on a grid without figures):
// the exact Euclidean feature transform, columns first, then the lower envelope of parabolas
// along each row.
std::vector<int> nearestFigureCells(const std::vector<int>& grid, int gw, int gh) {
    const auto at = [gw](int x, int y) { return static_cast<size_t>(y) * gw + x; };
    std::vector<int> above(grid.size(), -1), below(grid.size(), -1);
    for (int y = 0; y < gh; ++y)
        for (int x = 0; x < gw; ++x)
            above[at(x, y)] = grid[at(x, y)] >= 0 ? y : (y > 0 ? above[at(x, y - 1)] : -1);
    for (int y = gh - 1; y >= 0; --y)
        for (int x = 0; x < gw; ++x)
            below[at(x, y)] = grid[at(x, y)] >= 0 ? y : (y + 1 < gh ? below[at(x, y + 1)] : -1);
    // The nearest figure row of the column, into `above`.
    for (size_t i = 0; i < grid.size(); ++i) {
        const int y = static_cast<int>(i / static_cast<size_t>(gw));
        if (below[i] >= 0 && (above[i] < 0 || below[i] - y < y - above[i])) above[i] = below[i];
    }
    std::vector<int> nearest(grid.size(), -1);
    std::vector<int> v(static_cast<size_t>(gw));
    std::vector<double> z(static_cast<size_t>(gw) + 1);
    for (int y = 0; y < gh; ++y) {
        const auto f = [&](int q) {
            const double d = y - above[at(q, y)];
            return d * d;
        };
        int k = -1;
        for (int q = 0; q < gw; ++q) {
            if (above[at(q, y)] < 0) continue;
            double s = 0;
            while (k >= 0) {
                const int p = v[static_cast<size_t>(k)];
                s = ((f(q) + double(q) * q) - (f(p) + double(p) * p)) / (2.0 * (q - p));
                if (s > z[static_cast<size_t>(k)]) break;
                --k;
            }
            ++k;
            v[static_cast<size_t>(k)] = q;
            z[static_cast<size_t>(k)] = k == 0 ? -std::numeric_limits<double>::infinity() : s;
            z[static_cast<size_t>(k) + 1] = std::numeric_limits<double>::infinity();
        }
        if (k < 0) continue;
        k = 0;
        for (int x = 0; x < gw; ++x) {
            while (z[static_cast<size_t>(k) + 1] < x) ++k;
            const int q = v[static_cast<size_t>(k)];
            nearest[at(x, y)] = static_cast<int>(at(q, above[at(q, y)]));
        }
    }
    return nearest;
}

}  // namespace

ReliefIssues findReliefIssues(const Canvas& print, const std::vector<Rect>& brailleCells,
                              const std::vector<Rect>& lines, int dpi, double minimumGapMm) {
    ReliefIssues issues;
    const Pieces p = findPieces(print);
    // A piece of line lies wholly on the lines' strokes: what the white-out leaves of a line
    // between figures. A line touching a figure is part of the figure's piece.
    const LineRows lineRows(lines, print.width(), print.height());
    std::vector<bool> line(p.boxes.size(), !lines.empty());
    if (!lines.empty()) {
        for (size_t r = 0; r < p.runs.size(); ++r)
            if (!lineRows.covers(p.runs[r])) line[static_cast<size_t>(p.piece[r])] = false;
    }
    // A braille dot is a piece wholly inside a cell; a dot merged with a figure is not.
    std::vector<bool> dot(p.boxes.size(), false);
    for (size_t n = 0; n < p.boxes.size(); ++n) {
        if (line[n]) continue;
        for (const Rect& cell : brailleCells) {
            if (inside(p.boxes[n], grown(cell, 1))) {
                dot[n] = true;
                break;
            }
        }
    }
    for (const Rect& cell : brailleCells) {
        const Rect near = grown(cell, 1);
        bool touched = false;
        for (int y = std::max(near.y1, 0); y < std::min(near.y2, print.height()) && !touched; ++y) {
            for (int r = p.rowStart[static_cast<size_t>(y)];
                 r < p.rowStart[static_cast<size_t>(y) + 1] && !touched; ++r) {
                const Run& run = p.runs[static_cast<size_t>(r)];
                touched = run.x1 < near.x2 && near.x1 < run.x2 &&
                          !dot[static_cast<size_t>(p.piece[static_cast<size_t>(r)])];
            }
        }
        if (touched) issues.touchingCells.push_back(cell);
    }

    // The figures on the grid: one figure per cell; a cell two figures share is a gap of
    // less than a cell.
    const int cell = std::max(1, dpi / kGridDpi);
    const int gw = (print.width() + cell - 1) / cell, gh = (print.height() + cell - 1) / cell;
    if (gw == 0 || gh == 0) return issues;
    std::vector<int> grid(static_cast<size_t>(gw) * gh, -1);
    std::unordered_map<uint64_t, Nearest> pairs;
    const auto key = [](int a, int b) {
        return (static_cast<uint64_t>(std::min(a, b)) << 32) |
               static_cast<uint32_t>(std::max(a, b));
    };
    const auto centre = [cell, gw](size_t index) {
        const int gx = static_cast<int>(index % static_cast<size_t>(gw));
        const int gy = static_cast<int>(index / static_cast<size_t>(gw));
        return Point{gx * cell + cell / 2, gy * cell + cell / 2};
    };
    // The white-out's gaps in the lines are intended: pieces of line are no figures, and
    // the line a figure touches is not part of its shape.
    for (size_t r = 0; r < p.runs.size(); ++r) {
        const int figure = p.piece[r];
        if (dot[static_cast<size_t>(figure)] || line[static_cast<size_t>(figure)]) continue;
        const Run& run = p.runs[r];
        lineRows.forEachOutside(run, [&](int x1, int x2) {
            for (int gx = x1 / cell; gx <= (x2 - 1) / cell; ++gx) {
                const size_t i = static_cast<size_t>(run.y / cell) * gw + gx;
                if (grid[i] < 0) {
                    grid[i] = figure;
                } else if (grid[i] != figure) {
                    Nearest& n = pairs[key(grid[i], figure)];
                    if (n.gapPixels > 0) n = {0, centre(i), centre(i)};
                }
            }
        });
    }
    // Neighbouring cells nearest to different figures lie between them: the distance of
    // those figure cells is the pair's gap there.
    const std::vector<int> nearest = nearestFigureCells(grid, gw, gh);
    const double limit = minimumGapMm / 25.4 * dpi;
    const auto compare = [&](size_t a, size_t b) {
        const int fa = nearest[a], fb = nearest[b];
        if (fa < 0 || fb < 0) return;
        const int la = grid[static_cast<size_t>(fa)], lb = grid[static_cast<size_t>(fb)];
        if (la == lb) return;
        const Point pa = centre(static_cast<size_t>(fa)), pb = centre(static_cast<size_t>(fb));
        const double centres = std::hypot(pa.x - pb.x, pa.y - pb.y);
        // Cells side by side leave no gap: the gap is the distance less one cell.
        const double gap = std::max(0.0, centres - cell);
        if (gap >= limit) return;
        Nearest& n = pairs[key(la, lb)];
        if (gap < n.gapPixels) n = {gap, la < lb ? pa : pb, la < lb ? pb : pa};
    };
    for (int y = 0; y < gh; ++y) {
        for (int x = 0; x < gw; ++x) {
            const size_t i = static_cast<size_t>(y) * gw + x;
            if (x + 1 < gw) compare(i, i + 1);
            if (y + 1 < gh) compare(i, i + static_cast<size_t>(gw));
        }
    }
    for (const auto& [k, n] : pairs) {
        const int a = static_cast<int>(k >> 32), b = static_cast<int>(k & 0xFFFFFFFFU);
        issues.closeFigures.push_back({p.boxes[static_cast<size_t>(a)],
                                       p.boxes[static_cast<size_t>(b)], n.from, n.to,
                                       n.gapPixels * 25.4 / dpi});
    }
    std::sort(issues.closeFigures.begin(), issues.closeFigures.end(),
              [](const CloseFigures& a, const CloseFigures& b) {
                  if (a.gapMm != b.gapMm) return a.gapMm < b.gapMm;
                  return std::tie(a.first.y1, a.first.x1) < std::tie(b.first.y1, b.first.x1);
              });
    return issues;
}

void drawReliefIssues(Canvas& out, const ReliefIssues& issues, Rect source, int pen) {
    pen = std::max(pen, 1);
    const int64_t sw = std::max(source.x2 - source.x1, 1), sh = std::max(source.y2 - source.y1, 1);
    const auto map = [&](Point p) {
        return Point{static_cast<int>((p.x - source.x1) * int64_t{out.width()} / sw),
                     static_cast<int>((p.y - source.y1) * int64_t{out.height()} / sh)};
    };
    // Frames in preview pixels.
    const auto frame = [&](Rect r, Rgb colour) {
        const Point a{r.x1, r.y1}, b{r.x2, r.y2};
        out.setBrushColour(colour);
        // Outside the box, so the frame never hides what it marks.
        for (int w = 1; w <= pen; ++w) {
            out.fillRect({a.x - w, a.y - w, b.x + w, a.y - w + 1});
            out.fillRect({a.x - w, b.y + w - 1, b.x + w, b.y + w});
            out.fillRect({a.x - w, a.y - w, a.x - w + 1, b.y + w});
            out.fillRect({b.x + w - 1, a.y - w, b.x + w, b.y + w});
        }
    };
    const Rgb red = rgb(230, 0, 0), blue = rgb(0, 80, 255);
    out.setPenMode(Canvas::PenMode::Copy);
    out.setPenColour(red);
    for (const CloseFigures& c : issues.closeFigures) {
        // The spot where the two come nearest, not the figures: a stave is one figure as
        // large as the page.
        const Point a = map(c.from), b = map(c.to);
        const int spot = 3 * pen;
        frame({std::min(a.x, b.x) - spot, std::min(a.y, b.y) - spot, std::max(a.x, b.x) + spot,
               std::max(a.y, b.y) + spot},
              red);
        for (int d = 0; d < pen; ++d) {
            out.moveTo(a.moved(d, 0));
            out.lineTo(b.moved(d, 0));
            out.setPixel(b.x + d, b.y, red);
        }
    }
    for (const Rect& cell : issues.touchingCells) {
        const Point a = map({cell.x1, cell.y1}), b = map({cell.x2, cell.y2});
        frame({a.x, a.y, b.x, b.y}, blue);
    }
}

}  // namespace noma
