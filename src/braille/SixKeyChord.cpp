#include "braille/SixKeyChord.h"

#include <algorithm>

namespace noma {

bool SixKeyChord::matches(int key, int dot) const {
    const char lower = keyMap_[static_cast<size_t>(dot)];
    const int upper = lower >= 'a' && lower <= 'z' ? lower - 32 : lower;
    return key == lower || key == upper;
}

void SixKeyChord::keyDown(int key) {
    for (int dot = 0; dot < kDotCount; ++dot) {
        if (!matches(key, dot)) continue;
        up_[static_cast<size_t>(dot)] = false;
        pressed_[static_cast<size_t>(dot)] = true;
    }
}

ChordResult SixKeyChord::keyUp(int key) {
    bool dotKey = false;
    for (int dot = 0; dot < kDotCount; ++dot) {
        if (!matches(key, dot)) continue;
        up_[static_cast<size_t>(dot)] = true;
        dotKey = true;
    }
    ChordResult result;
    if (!dotKey && key != kSpaceKey) return result;
    if (!std::all_of(up_.begin(), up_.end(), [](bool up) { return up; })) return result;
    result.chordComplete = true;
    const BrailleCell cell = pressedDots();
    pressed_.fill(false);
    if (cell != kBlankCell) result.cell = cell;
    result.commitWithBlank = key == kSpaceKey;
    return result;
}

void SixKeyChord::reset() {
    up_.fill(true);
    pressed_.fill(false);
}

BrailleCell SixKeyChord::pressedDots() const {
    BrailleCell cell = kBlankCell;
    for (int dot = 1; dot <= kDotCount; ++dot)
        if (pressed_[static_cast<size_t>(dot - 1)]) cell |= dotBit(dot);
    return cell;
}

}  // namespace noma
