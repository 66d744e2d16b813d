#include "printing/PaperSize.h"

#include <cmath>

namespace noma {

PaperSize paperSize(int paperCode) {
    switch (paperCode) {
        case kPaperA3:
            return {297, 420};
        case kPaperB4:
            return {257, 364};
        case kPaperB5:
            return {182, 257};
        default:
            return {210, 297};
    }
}

std::string_view paperText(int paperCode) {
    switch (paperCode) {
        case kPaperA3:
            return "Ａ３";
        case kPaperA4:
            return "Ａ４";
        case kPaperB4:
            return "Ｂ４";
        case kPaperB5:
            return "Ｂ５";
        default:
            return "Ａ３～Ｂ５以外";
    }
}

std::string_view orientationText(int orientation) {
    switch (orientation) {
        case kOrientationPortrait:
            return "縦";
        case kOrientationLandscape:
            return "横";
        default:
            return {};
    }
}

int millimetresToPixels(double mm, int dpi) {
    return static_cast<int>(std::lround(mm * dpi / 25.4));
}

}  // namespace noma
