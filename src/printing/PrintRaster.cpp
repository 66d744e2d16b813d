#include "printing/PrintRaster.h"

#include <algorithm>
#include <cstdint>

namespace noma {

namespace {

// Integer products stay in 64 bits whatever resolution a printer reports.
int scaled(int64_t numerator, int64_t divisor) {
    return static_cast<int>(std::clamp<int64_t>(numerator / divisor, INT32_MIN, INT32_MAX));
}

}  // namespace

std::array<Rgb, 8> greyTable() {
    std::array<Rgb, 8> table{};
    for (int i = 0; i < 8; ++i) table[static_cast<size_t>(i)] = rgb(30 * i, 30 * i, 30 * i);
    return table;
}

PrintRaster tactileRaster(int dpi, int strength) {
    const int s = std::clamp(strength, kMinStrength, kMaxStrength);
    const auto grey = greyTable();
    PrintRaster r;
    r.dpi = dpi;
    // A page pixel is 1.8/150 inch and a stroke unit 2/150 inch whatever the printer; a
    // printer too coarse for one pixel per unit still draws every stroke one pixel wide.
    r.strokeUnit = std::max(1, scaled(2 * int64_t{dpi}, 150));
    r.printUnit = static_cast<float>(dpi * 1.8 / 150);
    r.marginX = scaled(50 * int64_t{dpi}, 150);
    r.marginY = scaled(51 * int64_t{dpi}, 150);
    r.baseGrey = grey[static_cast<size_t>(s + 1)];
    r.strongGrey = grey[static_cast<size_t>(s - 1)];
    r.strongestGrey = grey[static_cast<size_t>(std::max(s - 2, 0))];
    return r;
}

PrintRaster inkRaster(int dpi, int magnification) {
    const int m = std::clamp(magnification, kMinMagnification, kMaxMagnification);
    PrintRaster r;
    r.dpi = dpi;
    r.strokeUnit = std::max(1, scaled(int64_t{m} * dpi * 5, 36000));
    r.printUnit = static_cast<float>(m * (dpi * 4.5) / 36000);
    r.marginX = static_cast<int>(r.printUnit * 25);
    r.marginY = 0;
    r.baseGrey = kBlack;
    r.strongGrey = kBlack;
    r.strongestGrey = kBlack;
    return r;
}

OffsetRange centredStroke(int strokeUnit) {
    const int half = strokeUnit / 2;
    return half == 0 ? OffsetRange{0, 1} : OffsetRange{-half, half};
}

}  // namespace noma
