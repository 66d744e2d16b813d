#include "render/Templates.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <memory>
#include <span>
#include <tuple>
#include <unordered_map>

#include "platform/Contract.h"

namespace noma::render {

namespace {

// 10 x 12.
constexpr const char* kNoteHead[] = {
    "......##..", "....#####.", "...######.", "..########", ".#########", ".#########",
    "#########.", "#########.", "########..", ".######...", ".#####....", "..##......",
};

// 7 x 16.
constexpr const char* kWedge[] = {
    "#######", "#######", "#######", "#######", ".#####.", ".#####.", ".#####.", ".#####.",
    "..###..", "..###..", "..###..", "..###..", "...#...", "...#...", "...#...", "...#...",
};

// 26 x 78; the anchor, on the middle staff line, is row 35.
constexpr const char* kTrebleClef[] = {
    "..............###.........", ".............#####........", "............###..##.......",
    "...........###....#.......", "...........##.....##......", "...........##......#......",
    "..........###......#......", "..........###......#......", "..........##.......#......",
    "..........##.......#......", "..........##.......#......", "..........##.......#......",
    "..........##.......#......", "..........##.......#......", "..........##......##......",
    "..........##......##......", "..........##......#.......", "...........#.....##.......",
    "...........##....##.......", "...........##...###.......", "............#...##........",
    "............#..###........", "............#.###.........", "............#####.........",
    "............####..........", "...........####...........", "..........####............",
    ".........#####............", "........###..#............", ".......###...#............",
    "......###....##...........", ".....###......#...........", "....###.......#...........",
    "...###........#...........", "...##........######.......", "..###.....###########.....",
    "..##.....####.#..#####....", ".##.....###...#.....###...", ".##.....##....#......###..",
    "###....##......#......##..", "##.....##......#......###.", "##....##.......#.......##.",
    "##....##.......#.......###", "##....#........#........##", "##....#........#........##",
    "##....##.......#.........#", "##.....#.......#.........#", "##.....##......#.........#",
    "###.....#......##........#", ".##.............#.......##", ".##.............#.......##",
    "..#.............#.......#.", "..##............#......##.", "...#............#......##.",
    "...##...........##....##..", "....##...........#...##...", ".....###.........#..##....",
    ".......####......####.....", "..........########........", ".................#........",
    ".................#........", ".................#........", ".................#........",
    ".................#........", ".................#........", ".................#........",
    ".................#........", ".................#........", ".................#........",
    "..........##.....#........", ".........####....#........", ".........####....#........",
    ".........####....#........", "..........##....#.........", "...........#....#.........",
    "............####..........", "..........................", "..........................",
};

// 26 x 40; the anchor is row 23.
constexpr const char* kBassClef[] = {
    ".......######.............", ".....##......###..........", "....#.........###.........",
    "...#............##........", "..#.............###....###", "..#..............##....###",
    ".#...............##....###", ".#................##......", "#.................##......",
    "####..............##......", "#####.............###.....", "#####.............###.....",
    ".###...............##.....", "...................##.....", "...................##.....",
    "...................##..###", "...................##..###", "...................##..###",
    "...................##.....", "...................##.....", "...................##.....",
    "..................###.....", "..................##......", "..................##......",
    "..................##......", ".................###......", ".................##.......",
    ".................##.......", "................##........", "................##........",
    "...............##.........", "..............##..........", ".............##...........",
    "............##............", "...........#..............", "..........#...............",
    "........##................", "......##..................", "....##....................",
    "..........................",
};

// 10 x 18.
constexpr const char* kKeySharp[] = {
    ".......#..", "..#....#..", "..#....#..", "..#..#####", "##########", "#####..#..",
    "..#....#..", "..#....#..", "..#....#..", "..#....#..", "..#....#..", "..#..#####",
    "##########", "#####..#..", "..#....#..", "..#....#..", "..#.......", "..........",
};

// 9 x 18.
constexpr const char* kKeyFlat[] = {
    ".#.......", ".#.......", ".#.......", ".#.......", ".#.......", ".#.......",
    ".#.###...", ".######..", ".#...###.", ".#....##.", ".#....##.", ".#....##.",
    ".#....#..", ".#...#...", ".#..#....", ".#.#.....", ".##......", ".#.......",
};

Mask fromRows(std::span<const char* const> rows) {
    const int width = static_cast<int>(std::strlen(rows[0]));
    const int height = static_cast<int>(rows.size());
    std::vector<uint8_t> ink;
    ink.reserve(static_cast<size_t>(width * height));
    for (const char* row : rows)
        for (int x = 0; x < width; ++x) ink.push_back(row[x] == '#' ? 1 : 0);
    return Mask(width, height, std::move(ink));
}

std::span<const char* const> rowsOf(TemplateId id) {
    switch (id) {
        case TemplateId::NoteHead:
            return kNoteHead;
        case TemplateId::Wedge:
            return kWedge;
        case TemplateId::TrebleClef:
            return kTrebleClef;
        case TemplateId::BassClef:
            return kBassClef;
        case TemplateId::KeySharp:
            return kKeySharp;
        case TemplateId::KeyFlat:
            return kKeyFlat;
    }
    return kNoteHead;
}

constexpr int kTemplateCount = 6;

}  // namespace

Mask::Mask(int width, int height, std::vector<uint8_t> ink)
    : width_(width), height_(height), ink_(std::move(ink)) {
    for (int y = 0; y < height_; ++y) {
        int x = 0;
        while (x < width_) {
            if (!this->ink(x, y)) {
                ++x;
                continue;
            }
            const int start = x;
            while (x < width_ && this->ink(x, y)) ++x;
            runs_.push_back({start, y, x - start});
        }
    }
}

const Mask& templateMask(TemplateId id) {
    static const auto masks = [] {
        std::vector<Mask> all;
        for (int i = 0; i < kTemplateCount; ++i)
            all.push_back(fromRows(rowsOf(static_cast<TemplateId>(i))));
        return all;
    }();
    return masks[static_cast<size_t>(id)];
}

Mask scaleMask(const Mask& mask, int width, int height) {
    width = std::max(width, 0);
    height = std::max(height, 0);
    std::vector<uint8_t> ink(static_cast<size_t>(width) * static_cast<size_t>(height));
    if (mask.width() > 0 && mask.height() > 0) {
        for (int j = 0; j < height; ++j) {
            const int sy = static_cast<int>(static_cast<int64_t>(j) * mask.height() / height);
            for (int i = 0; i < width; ++i) {
                const int sx = static_cast<int>(static_cast<int64_t>(i) * mask.width() / width);
                ink[static_cast<size_t>(j) * static_cast<size_t>(width) + static_cast<size_t>(i)] =
                    mask.ink(sx, sy) ? 1 : 0;
            }
        }
    }
    return Mask(width, height, std::move(ink));
}

const Mask& scaledTemplate(TemplateId id, int width, int height) {
    // A screen page uses a handful of sizes and printing a few more per job, and enlarging a
    // template for print costs more than stamping it, so each size is made once. Sessions
    // that print at ever new sizes start the masks afresh instead of growing without end.
    constexpr size_t kMaxMasks = 1024;
    static std::map<std::tuple<int, int, int>, Mask> masks;
    const std::tuple<int, int, int> key{static_cast<int>(id), width, height};
    if (const auto found = masks.find(key); found != masks.end()) return found->second;
    if (masks.size() >= kMaxMasks) masks.clear();
    return masks.emplace(key, scaleMask(templateMask(id), width, height)).first->second;
}

void stampMask(Canvas& canvas, const Mask& mask, int x0, int y0, Rgb ink) {
    x0 = Canvas::clampCoordinate(x0);
    y0 = Canvas::clampCoordinate(y0);
    if (x0 >= 0 && y0 >= 0 && x0 + mask.width() <= canvas.width() &&
        y0 + mask.height() <= canvas.height()) {
        // Wholly on the image, as stamps nearly always are: no clipping per run.
        uint32_t* origin =
            canvas.data() + static_cast<size_t>(y0) * static_cast<size_t>(canvas.width()) + x0;
        const size_t stride = static_cast<size_t>(canvas.width());
        for (const MaskRun& run : mask.runs()) {
            Canvas::fillPixels(origin + static_cast<size_t>(run.y) * stride + run.x,
                               static_cast<size_t>(run.length), ink);
        }
        return;
    }
    for (const MaskRun& run : mask.runs())
        canvas.fillSpan(x0 + run.x, x0 + run.x + run.length, y0 + run.y, ink);
}

namespace {

// The figures kept so far; they stay for the program's life, so pointers to them do.
std::unordered_map<uint64_t, std::unique_ptr<KeptFigure>>& keptFigures() {
    static std::unordered_map<uint64_t, std::unique_ptr<KeptFigure>> figures;
    return figures;
}

}  // namespace

bool findKeptFigure(uint64_t key, KeptFigure*& figure) {
    const auto& figures = keptFigures();
    const auto found = figures.find(key);
    if (found == figures.end()) return false;
    figure = found->second.get();
    return true;
}

KeptFigure* keptFigure(uint64_t key, int reach,
                       const std::function<bool(Canvas& scratch, int origin)>& draw) {
    // A page has a few dozen kinds at one pitch; the bound only guards against misuse.
    constexpr int kMaxReach = 512;
    constexpr size_t kMaxFigures = 4096;
    auto& figures = keptFigures();
    const auto found = figures.find(key);
    if (found != figures.end()) return found->second.get();
    if (figures.size() >= kMaxFigures || reach < 0 || reach > kMaxReach) return nullptr;

    std::unique_ptr<KeptFigure> kept;
    const int side = 2 * reach + 1;
    Canvas scratch(side, side, kWhite);
    // No figure coordinate comes this far, so the pen still here has not been moved.
    constexpr int kUnmoved = -(1 << 30);
    scratch.moveTo({kUnmoved, kUnmoved});
    if (draw(scratch, reach)) {
        int left = side, top = side, right = -1, bottom = -1;
        for (int y = 0; y < side; ++y) {
            for (int x = 0; x < side; ++x) {
                if (scratch.getPixel(x, y) == kWhite) continue;
                left = std::min(left, x), right = std::max(right, x);
                top = std::min(top, y), bottom = std::max(bottom, y);
            }
        }
        const bool clear = left > 0 && top > 0 && right < side - 1 && bottom < side - 1;
        if (right < 0 || clear) {
            kept = std::make_unique<KeptFigure>();
            if (right >= 0) {
                std::vector<uint8_t> ink;
                for (int y = top; y <= bottom; ++y)
                    for (int x = left; x <= right; ++x)
                        ink.push_back(scratch.getPixel(x, y) == kWhite ? 0 : 1);
                kept->mask = Mask(right - left + 1, bottom - top + 1, std::move(ink));
                kept->left = left - reach;
                kept->top = top - reach;
            }
            const Point end = scratch.current();
            kept->movesPen = end != Point{kUnmoved, kUnmoved};
            kept->endX = end.x - reach;
            kept->endY = end.y - reach;
        }
    }
    return figures.emplace(key, std::move(kept)).first->second.get();
}

void stampKeptFigure(Canvas& canvas, KeptFigure& figure, int x, int y, Rgb ink) {
    // The runs are stored without clipping.
    NOMA_EXPECTS(x + figure.left >= 0 && y + figure.top >= 0 &&
                 x + figure.left + figure.mask.width() <= canvas.width() &&
                 y + figure.top + figure.mask.height() <= canvas.height());
    const int stride = canvas.width();
    if (figure.stride != stride) {
        figure.spans.clear();
        for (const MaskRun& run : figure.mask.runs())
            figure.spans.push_back({run.y * stride + run.x, run.length});
        figure.stride = stride;
    }
    uint32_t* const origin =
        canvas.data() + static_cast<size_t>(y + figure.top) * stride + x + figure.left;
    // Each row of a figure is most often a line of the image not yet in the nearest cache, so
    // the stores wait on memory: ask for the lines a few runs ahead while storing this one.
    constexpr size_t kAhead = 4;
    const KeptFigure::Span* const spans = figure.spans.data();
    const size_t count = figure.spans.size();
    for (size_t i = 0; i < count; ++i) {
        if (i + kAhead < count) __builtin_prefetch(origin + spans[i + kAhead].offset, 1);
        uint32_t* const p = origin + spans[i].offset;
        if (spans[i].length == 1) {
            *p = ink;  // most runs of strokes are single pixels
        } else {
            Canvas::fillPixels(p, static_cast<size_t>(spans[i].length), ink);
        }
    }
}

Canvas templatePicture(TemplateId id, Rgb ink) {
    const Mask& mask = templateMask(id);
    Canvas picture(mask.width(), mask.height(), kWhite);
    stampMask(picture, mask, 0, 0, ink);
    return picture;
}

}  // namespace noma::render
