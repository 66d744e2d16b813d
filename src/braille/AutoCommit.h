#pragma once

namespace noma {

// Romaji entry commits by itself shortly after the text stops changing: each change arms the
// countdown, each timer tick advances it, and the fifth tick after the last change fires.
// The window's timer only calls tick(); the platform's tick rate sets the real delay.
class AutoCommit {
  public:
    static constexpr int kFiringCount = 5;

    // A change of the text field. Only romaji entry arms the countdown; any change restarts it.
    void textChanged(bool romajiEntry) {
        if (!romajiEntry) return;
        armed_ = true;
        counter_ = 1;
    }

    // One timer tick; true when the text is to be converted again and committed now.
    bool tick() {
        if (!armed_) return false;
        ++counter_;
        if (counter_ <= kFiringCount) return false;
        reset();
        return true;
    }

    // A completed six-key chord, showing the window or a commit drops any countdown.
    void reset() {
        armed_ = false;
        counter_ = 0;
    }

    bool armed() const { return armed_; }

  private:
    bool armed_ = false;
    int counter_ = 0;
};

}  // namespace noma
