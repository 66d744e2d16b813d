#pragma once

#include <cstdint>
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

// The template scaled to width x height; scaled versions are made once and kept.
const Mask& scaledTemplate(TemplateId id, int width, int height);

// Sets every canvas pixel under the mask's ink, placed with its top-left at (x0, y0), to `ink`;
// the other pixels stay as they are.
void stampMask(Canvas& canvas, const Mask& mask, int x0, int y0, Rgb ink);

// The template as a picture of its own size: `ink` on white (black for the page, red for the
// placement preview).
Canvas templatePicture(TemplateId id, Rgb ink);

}  // namespace noma::render
