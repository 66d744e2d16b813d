#include "render/UserSymbolStore.h"

#include "platform/FileIo.h"

namespace noma {

namespace {

Canvas pictureOf(const UserSymbolBits& bits, Rgb ink) {
    Canvas c(bits.width, bits.height, kWhite);
    for (int y = 0; y < bits.height; ++y)
        for (int x = 0; x < bits.width; ++x)
            if (bits.black(x, y)) c.setPixel(x, y, ink);
    return c;
}

}  // namespace

void UserSymbolStore::rebuild(const std::string& programFolder) {
    folder_ = programFolder;
    for (int k = 0; k < kUserSymbolCount; ++k) {
        Slot& s = slots_[static_cast<size_t>(k)];
        const auto bits = readUserSymbolFile(userSymbolPath(programFolder, k + 1));
        if (!bits) {
            s = Slot{};
            continue;
        }
        s.exists = true;
        s.width = bits->width;
        s.height = bits->height;
        s.black = pictureOf(*bits, kBlack);
        s.red = pictureOf(*bits, rgb(255, 0, 0));
    }
}

const Canvas* UserSymbolStore::picture(int number, bool red) const {
    if (number < 1 || number > kUserSymbolCount) return nullptr;
    const Slot& s = slots_[static_cast<size_t>(number - 1)];
    if (!s.exists || !fileExists(userSymbolPath(folder_, number))) return nullptr;
    return red ? &s.red : &s.black;
}

}  // namespace noma
