// The clipboard's JPEG picture. Whatever decodes is pasted as the paste preview draws it:
// stretched into a page image, partly off its edges.
#include <cstdlib>

#include "FuzzInput.h"
#include "platform/Canvas.h"
#include "platform/JpegFile.h"

using namespace noma;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto picture = decodeJpeg(fuzz::asText(data, size));
    if (!picture) return 0;
    // A picture too large to paste must have been refused before its pixels were allocated.
    if (picture->width() > kMaxJpegSide || picture->height() > kMaxJpegSide) std::abort();
    Canvas page(630, 940);
    page.clear(kWhite);
    const int w = picture->width(), h = picture->height();
    page.copyRect({0, 0, w, h}, *picture, {0, 0, w, h});
    page.copyRect({600, 900, 600 + w, 900 + h}, *picture, {0, 0, w, h});
    page.copyRect({-w / 2, -h / 2, w + w / 2, h / 2}, *picture, {0, 0, w, h});
    return 0;
}
