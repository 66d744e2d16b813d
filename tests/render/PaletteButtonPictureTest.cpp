#include <gtest/gtest.h>

#include "document/SymbolCatalogue.h"
#include "render/PalettePictures.h"

namespace noma::render {
namespace {

int differingPixels(const Canvas& a, const Canvas& b) {
    int n = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) n += a.getPixel(x, y) != b.getPixel(x, y);
    return n;
}

// Two buttons that differ in a pixel or two look the same to the eye.
TEST(PaletteButtonPicture, EveryButtonLooksDifferentFromEveryOther) {
    std::vector<std::pair<int, Canvas>> pictures;
    for (int mode = 1; mode < kModeTableSize; ++mode)
        if (modeInfo(mode).paletteColumn != 0)
            pictures.emplace_back(mode, palettePicture(mode, false));
    ASSERT_EQ(pictures.size(), 54u);
    for (size_t i = 0; i < pictures.size(); ++i)
        for (size_t j = i + 1; j < pictures.size(); ++j)
            EXPECT_GE(differingPixels(pictures[i].second, pictures[j].second), 8)
                << "modes " << pictures[i].first << " and " << pictures[j].first;
}

}  // namespace
}  // namespace noma::render
