#pragma once

// The printer page the print benchmarks draw on: A4 at 600 dpi.
#include "platform/Canvas.h"
#include "printing/PaperSize.h"

namespace noma::bench {

constexpr int kPrintDpi = 600;

inline Canvas a4Picture() {
    return Canvas(millimetresToPixels(210, kPrintDpi), millimetresToPixels(297, kPrintDpi));
}

}  // namespace noma::bench
