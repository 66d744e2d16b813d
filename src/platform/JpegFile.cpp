#include "platform/JpegFile.h"

#include <turbojpeg.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "platform/FileIo.h"

namespace noma {

namespace {

struct TjHandle {
    tjhandle handle;
    explicit TjHandle(tjhandle h) : handle(h) {}
    ~TjHandle() {
        if (handle) tjDestroy(handle);
    }
    TjHandle(const TjHandle&) = delete;
    TjHandle& operator=(const TjHandle&) = delete;
};

}  // namespace

Status writeJpegFile(const std::string& path, const Canvas& canvas, int x, int y, int width,
                     int height, int quality) {
    if (width <= 0 || height <= 0) return saveFailure(path, "empty picture");
    // Nothing is written that the reader would refuse, and nothing is allocated for it.
    if (width > kMaxJpegSide || height > kMaxJpegSide) {
        return saveFailure(path, "the picture is too large");
    }
    std::vector<unsigned char> pixels(static_cast<size_t>(width) * static_cast<size_t>(height) * 3);
    size_t n = 0;
    for (int row = 0; row < height; ++row) {
        for (int col = 0; col < width; ++col) {
            const Rgb c =
                canvas.contains(x + col, y + row) ? canvas.getPixel(x + col, y + row) : kWhite;
            pixels[n++] = static_cast<unsigned char>(redOf(c));
            pixels[n++] = static_cast<unsigned char>(greenOf(c));
            pixels[n++] = static_cast<unsigned char>(blueOf(c));
        }
    }
    TjHandle tj(tjInitCompress());
    if (!tj.handle) return saveFailure(path, "cannot start the JPEG encoder");
    unsigned char* jpeg = nullptr;
    unsigned long size = 0;
    if (tjCompress2(tj.handle, pixels.data(), width, 0, height, TJPF_RGB, &jpeg, &size, TJSAMP_444,
                    quality, TJFLAG_ACCURATEDCT) != 0) {
        if (jpeg) tjFree(jpeg);
        return saveFailure(path, std::string("JPEG encoding failed: ") + tjGetErrorStr2(tj.handle));
    }
    Status written =
        writeFileAtomically(path, std::string_view(reinterpret_cast<const char*>(jpeg), size));
    tjFree(jpeg);
    return written;
}

std::optional<Canvas> decodeJpeg(std::string_view bytes) {
    if (bytes.empty()) return std::nullopt;
    TjHandle tj(tjInitDecompress());
    if (!tj.handle) return std::nullopt;
    auto* data = reinterpret_cast<unsigned char*>(const_cast<char*>(bytes.data()));
    int width = 0, height = 0, subsampling = 0, colourspace = 0;
    if (tjDecompressHeader3(tj.handle, data, bytes.size(), &width, &height, &subsampling,
                            &colourspace) != 0) {
        return std::nullopt;
    }
    // Guard against absurd headers before allocating.
    if (width <= 0 || height <= 0 || width > kMaxJpegSide || height > kMaxJpegSide)
        return std::nullopt;
    std::vector<unsigned char> pixels(static_cast<size_t>(width) * static_cast<size_t>(height) * 3);
    if (tjDecompress2(tj.handle, data, bytes.size(), pixels.data(), width, 0, height, TJPF_RGB,
                      TJFLAG_ACCURATEDCT) != 0) {
        return std::nullopt;
    }
    Canvas canvas(width, height);
    size_t n = 0;
    for (int row = 0; row < height; ++row) {
        for (int col = 0; col < width; ++col) {
            canvas.setPixel(col, row, rgb(pixels[n], pixels[n + 1], pixels[n + 2]));
            n += 3;
        }
    }
    return canvas;
}

std::optional<Canvas> readJpegFile(const std::string& path) {
    const Expected<std::string> bytes = readWholeFile(path);
    if (!bytes.ok()) return std::nullopt;
    return decodeJpeg(*bytes);
}

}  // namespace noma
