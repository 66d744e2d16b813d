#pragma once

#include <array>
#include <optional>

#include "braille/BrailleCell.h"

namespace noma {

// Key codes as the window reports them: a letter key by its character code (either case),
// the space bar by 0x20.
constexpr int kSpaceKey = 0x20;

// What a key release completed.
struct ChordResult {
    bool chordComplete = false;       // every dot key is up again; drops the auto-commit countdown
    std::optional<BrailleCell> cell;  // a finished cell with at least one dot, to append
    bool commitWithBlank = false;     // the space bar: append a blank cell and commit
};

// Six-key braille entry: one key per dot, pressed together like a braille writer. A cell is
// the union of the dot keys pressed between two moments when no dot key is held, whatever
// the order of presses and releases. Feed it real key transitions only; keyboard auto-repeat
// must be filtered out by the window, or a held key would end its own chord.
class SixKeyChord {
  public:
    // keyMap[n] is the lower-case letter of dot n + 1.
    explicit SixKeyChord(const std::array<char, kDotCount>& keyMap) : keyMap_(keyMap) {}

    void setKeyMap(const std::array<char, kDotCount>& keyMap) { keyMap_ = keyMap; }

    void keyDown(int key);
    ChordResult keyUp(int key);

    // Every key up and nothing pressed, as when the window is shown.
    void reset();

    // Dots pressed so far in the chord under way.
    BrailleCell pressedDots() const;

  private:
    bool matches(int key, int dot) const;

    std::array<char, kDotCount> keyMap_;
    std::array<bool, kDotCount> up_{true, true, true, true, true, true};
    std::array<bool, kDotCount> pressed_{};
};

}  // namespace noma
