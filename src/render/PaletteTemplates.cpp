// The piano marks' stamps and the recorder fingering table.
#include <vector>

#include "render/PaletteFigures.h"

namespace noma::render {

namespace {

Mask fromRows(std::initializer_list<const char*> rows) {
    const int height = static_cast<int>(rows.size());
    const int width = static_cast<int>(std::char_traits<char>::length(*rows.begin()));
    std::vector<uint8_t> ink;
    ink.reserve(static_cast<size_t>(width * height));
    for (const char* row : rows)
        for (int x = 0; x < width; ++x) ink.push_back(row[x] == '#' ? 1 : 0);
    return Mask(width, height, std::move(ink));
}

// 11 x 16: an open ring with a flat foot.
Mask makePedal() {
    const char* top = "..##...##..";
    const char* side = "##.......##";
    return fromRows({top, top, top, ".##.....##.", side, side, side, side, side, side, side, side,
                     side, ".##.....##.", "..#######..", "...#####..."});
}

// 13 x 13: upright, level and diagonal strokes through a solid 3 x 3 centre.
Mask makeStar() {
    constexpr int n = 13;
    std::vector<uint8_t> ink(n * n, 0);
    const auto set = [&](int x, int y) { ink[static_cast<size_t>(y * n + x)] = 1; };
    for (int i = 0; i < n; ++i) {
        set(6, i);
        set(i, 6);
    }
    for (int i = 1; i <= 11; ++i) {
        set(i, i);
        set(12 - i, i);
    }
    for (int y = 5; y <= 7; ++y)
        for (int x = 5; x <= 7; ++x) set(x, y);
    return Mask(n, n, std::move(ink));
}

// 7 x 51: a zigzag two pixels thick, one swing every 14 rows.
Mask makeArpeggio() {
    constexpr int kLeft[14] = {3, 2, 1, 0, 0, 0, 1, 2, 3, 4, 5, 5, 5, 4};
    constexpr int w = 7;
    constexpr int h = 51;
    std::vector<uint8_t> ink(w * h, 0);
    for (int y = 0; y < h; ++y) {
        const int x = kLeft[y % 14];
        ink[static_cast<size_t>(y * w + x)] = 1;
        ink[static_cast<size_t>(y * w + x + 1)] = 1;
    }
    return Mask(w, h, std::move(ink));
}

}  // namespace

const Mask& paletteTemplate(PaletteTemplate which) {
    static const Mask pedal = makePedal();
    static const Mask star = makeStar();
    static const Mask arpeggio = makeArpeggio();
    switch (which) {
        case PaletteTemplate::Pedal:
            return pedal;
        case PaletteTemplate::PedalRelease:
            return star;
        default:
            return arpeggio;
    }
}

const RecorderFingering& recorderFingering() {
    static const RecorderFingering table{{
        {2, 1, 1, 1, 1, 1, 2, 2}, {2, 1, 1, 1, 1, 1, 2, 1}, {2, 1, 1, 1, 1, 1, 2, 0},
        {2, 1, 1, 1, 1, 1, 1, 0}, {2, 1, 1, 1, 1, 1, 0, 0}, {2, 1, 1, 1, 1, 0, 0, 0},
        {2, 1, 1, 1, 0, 1, 2, 2}, {2, 1, 1, 1, 0, 0, 0, 0}, {2, 1, 1, 0, 1, 1, 1, 0},
        {2, 1, 1, 0, 0, 0, 0, 0}, {2, 1, 0, 1, 1, 0, 0, 0}, {2, 1, 0, 0, 0, 0, 0, 0},
        {2, 0, 1, 1, 0, 0, 0, 0}, {2, 0, 1, 0, 0, 0, 0, 0}, {0, 1, 1, 0, 0, 0, 0, 0},
        {2, 0, 0, 0, 0, 0, 0, 0}, {0, 0, 1, 0, 0, 0, 0, 0}, {0, 0, 1, 1, 1, 1, 2, 0},
        {1, 1, 1, 1, 1, 1, 0, 0}, {1, 1, 1, 1, 1, 0, 0, 0}, {1, 1, 1, 1, 0, 1, 0, 2},
        {1, 1, 1, 1, 0, 1, 1, 0}, {1, 1, 1, 1, 0, 0, 0, 0}, {1, 1, 1, 1, 0, 1, 2, 2},
        {1, 1, 1, 0, 0, 0, 0, 0}, {1, 1, 1, 0, 1, 1, 2, 0}, {1, 1, 1, 0, 1, 1, 0, 0},
        {1, 1, 0, 0, 1, 1, 0, 0}, {1, 1, 0, 1, 1, 0, 2, 2}, {1, 1, 0, 1, 1, 0, 2, 0},
    }};
    return table;
}

}  // namespace noma::render
