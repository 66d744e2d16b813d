#include "platform/PngFile.h"

#include <png.h>

#include <cstring>
#include <vector>

#include "platform/FileIo.h"

namespace noma {

std::string encodePng(const Canvas& canvas) {
    if (canvas.width() == 0 || canvas.height() == 0) return {};
    const size_t w = static_cast<size_t>(canvas.width());
    const size_t h = static_cast<size_t>(canvas.height());
    std::vector<unsigned char> rgbBytes(w * h * 3);
    const uint32_t* in = canvas.data();
    for (size_t i = 0; i < w * h; ++i) {
        rgbBytes[3 * i] = static_cast<unsigned char>(redOf(in[i]));
        rgbBytes[3 * i + 1] = static_cast<unsigned char>(greenOf(in[i]));
        rgbBytes[3 * i + 2] = static_cast<unsigned char>(blueOf(in[i]));
    }
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(w);
    image.height = static_cast<png_uint_32>(h);
    image.format = PNG_FORMAT_RGB;
    png_alloc_size_t size = 0;
    const auto stride = static_cast<png_int_32>(w * 3);
    if (!png_image_write_to_memory(&image, nullptr, &size, 0, rgbBytes.data(), stride, nullptr))
        return {};
    std::string bytes(size, '\0');
    if (!png_image_write_to_memory(&image, bytes.data(), &size, 0, rgbBytes.data(), stride,
                                   nullptr)) {
        return {};
    }
    bytes.resize(size);
    return bytes;
}

Status writePngFile(const Canvas& canvas, const std::string& path) {
    const std::string bytes = encodePng(canvas);
    if (bytes.empty()) return saveFailure(path, "the image cannot be encoded as PNG");
    return writeFileAtomically(path, bytes);
}

std::optional<Canvas> decodePng(std::string_view bytes) {
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&image, bytes.data(), bytes.size())) return std::nullopt;
    image.format = PNG_FORMAT_RGB;
    const size_t w = image.width;
    const size_t h = image.height;
    // Page images are at most a few thousand pixels a side; refuse absurd headers.
    if (w == 0 || h == 0 || w > 30000 || h > 30000) {
        png_image_free(&image);
        return std::nullopt;
    }
    std::vector<unsigned char> rgbBytes(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, rgbBytes.data(), 0, nullptr)) {
        png_image_free(&image);
        return std::nullopt;
    }
    Canvas canvas(static_cast<int>(w), static_cast<int>(h));
    uint32_t* out = canvas.data();
    for (size_t i = 0; i < w * h; ++i)
        out[i] = rgb(rgbBytes[3 * i], rgbBytes[3 * i + 1], rgbBytes[3 * i + 2]);
    return canvas;
}

std::optional<Canvas> readPngFile(const std::string& path) {
    const Expected<std::string> bytes = readWholeFile(path);
    if (!bytes.ok()) return std::nullopt;
    return decodePng(*bytes);
}

}  // namespace noma
