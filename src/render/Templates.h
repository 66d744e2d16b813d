#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "platform/Canvas.h"

namespace noma::render {

// The small monochrome pictures figures are stamped from.
enum class TemplateId {
    NoteHead,    // 10 x 12
    Wedge,       // 7 x 16, staccatissimo
    TrebleClef,  // 26 x 78
    BassClef,    // 26 x 40
    KeySharp,    // 10 x 18, key-signature previews
    KeyFlat,     // 9 x 18
};

struct MaskRun {
    int x = 0;
    int y = 0;
    int length = 0;
};

// A black-and-white picture, kept as its ink runs for fast stamping.
class Mask {
  public:
    Mask() = default;
    Mask(int width, int height, std::vector<uint8_t> ink);

    int width() const { return width_; }
    int height() const { return height_; }
    bool ink(int x, int y) const {
        return x >= 0 && y >= 0 && x < width_ && y < height_ &&
               ink_[static_cast<size_t>(y) * static_cast<size_t>(width_) + static_cast<size_t>(x)];
    }
    const std::vector<MaskRun>& runs() const { return runs_; }

  private:
    int width_ = 0;
    int height_ = 0;
    std::vector<uint8_t> ink_;
    std::vector<MaskRun> runs_;
};

// The template at its own size.
const Mask& templateMask(TemplateId id);

// `mask` scaled to width x height with nearest-neighbour sampling: target pixel (i, j) takes
// source pixel (i * w / width, j * h / height), as a stretching copy between canvases does.
Mask scaleMask(const Mask& mask, int width, int height);

// The template scaled to width x height; scaled versions are made once and kept. The mask
// holds until the next call: use it or copy it at once.
const Mask& scaledTemplate(TemplateId id, int width, int height);

// Sets every canvas pixel under the mask's ink, placed with its top-left at (x0, y0), to `ink`;
// the other pixels stay as they are.
void stampMask(Canvas& canvas, const Mask& mask, int x0, int y0, Rgb ink);

// A figure drawn once and kept as a mask, to be stamped wherever it stands after.
struct KeptFigure {
    Mask mask;
    int left = 0;  // the mask's top-left relative to the figure's anchor
    int top = 0;
    bool movesPen = false;  // whether drawing it moves the pen, and where to, from the anchor
    int endX = 0;
    int endY = 0;
    // The mask's runs as pixel offsets from its top-left in an image `stride` pixels wide,
    // worked out for the image it was last stamped on.
    struct Span {
        int offset;
        int length;
    };
    int stride = -1;
    std::vector<Span> spans;
};

// Stamps the kept figure in `ink` with its anchor at (x, y); the figure must lie wholly on the
// image.
void stampKeptFigure(Canvas& canvas, KeptFigure& figure, int x, int y, Rgb ink);

// Whether `key` was asked for before, and if so what keptFigure answered
// (`figure`, null for a figure that may not be kept); cheaper than keptFigure itself, which
// stays for the first time.
bool findKeptFigure(uint64_t key, KeptFigure*& figure);

// The figure kept under `key`. The first time, `draw(scratch, origin)` draws
// it in black on a white scratch picture with its anchor at (origin, origin) and at most
// `reach` pixels away from it, and answers whether the figure may be kept. Null when it may
// not, or when it reaches the scratch picture's edge.
KeptFigure* keptFigure(uint64_t key, int reach,
                       const std::function<bool(Canvas& scratch, int origin)>& draw);

// The template as a picture of its own size: `ink` on white (black for the page, red for the
// placement preview).
Canvas templatePicture(TemplateId id, Rgb ink);

}  // namespace noma::render
