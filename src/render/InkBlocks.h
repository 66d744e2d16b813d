#pragma once

#include <cstdint>
#include <vector>

#include "platform/Canvas.h"

namespace noma::render {

// Which 16-pixel blocks of each image row may hold something other than white. The page's
// white-out rectangles cut only what was drawn before them (frame, ruled lines, search marks,
// grid points, lines), which is sparse: filling white where the rows are still white changes
// nothing, so the fill can skip those rows and stay exact.
class InkBlocks {
  public:
    static constexpr int kBlockWidth = 16;
    // Rows as wide as 64 blocks are tracked; a wider image counts as inked everywhere.
    static constexpr int kMaxTrackedWidth = 64 * kBlockWidth;

    // An all-white image of this size.
    void reset(int width, int height);

    // Something may have been drawn on the box with these corners, both included, in any
    // order; the part off the image is ignored.
    void mark(int64_t x1, int64_t y1, int64_t x2, int64_t y2);

    // Whether row y may hold ink in x1 <= x < x2.
    bool mayHoldInk(int y, int x1, int x2) const;

    // The same pixels as canvas.fillRect(x1, y1, x2, y2) with a white brush, on an image whose
    // ink was all marked here; the brush is left as it was.
    void fillWhite(Canvas& canvas, int x1, int y1, int x2, int y2) const;

  private:
    // Each block column keeps its inked rows as a bit set, 64 rows a word, so that a fill finds
    // the few inked rows of a tall box with a handful of word operations.
    uint64_t& word(int block, int index) {
        return columns_[static_cast<size_t>(block) * static_cast<size_t>(words_) +
                        static_cast<size_t>(index)];
    }
    uint64_t word(int block, int index) const {
        return columns_[static_cast<size_t>(block) * static_cast<size_t>(words_) +
                        static_cast<size_t>(index)];
    }

    int width_ = 0;
    int height_ = 0;
    bool tracked_ = false;
    int words_ = 0;  // words per block column
    std::vector<uint64_t> columns_;
};

}  // namespace noma::render
