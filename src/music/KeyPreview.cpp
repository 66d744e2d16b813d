#include "music/KeyPreview.h"

#include <algorithm>

#include "document/PageGeometry.h"

namespace noma {

namespace {

constexpr std::array<int, 7> kSharpX = {52, 58, 64, 70, 76, 82, 88};
constexpr std::array<int, 7> kSharpY = {21, 39, 15, 33, 51, 27, 45};
constexpr std::array<int, 7> kFlatX = {58, 64, 70, 76, 82, 88, 94};
constexpr std::array<int, 7> kFlatY = {43, 25, 49, 31, 55, 37, 61};

}  // namespace

KeyPreview keyPreview(int keyIndex) {
    KeyPreview preview;
    preview.copies.push_back({PreviewGlyph::TrebleClef, 26, 78, 20, 20, 46, 98});
    preview.copies.push_back({PreviewGlyph::BassClef, 26, 40, 120, 32, 146, 72});
    keyIndex = std::clamp(keyIndex, 0, kKeyCount - 1);
    const bool sharps = keyHasSharps(keyIndex);
    for (int side = 0; side < 2; ++side) {
        for (int n = 0; n < accidentalCount(keyIndex); ++n) {
            const size_t k = static_cast<size_t>(n);
            const int x = 100 * side + (sharps ? kSharpX[k] : kFlatX[k]);
            const int y = 12 * side + (sharps ? kSharpY[k] : kFlatY[k]);
            preview.copies.push_back({sharps ? PreviewGlyph::Sharp : PreviewGlyph::Flat,
                                      sharps ? 10 : 9, 18, x, y, x + 10, y + 18});
        }
    }
    return preview;
}

}  // namespace noma
