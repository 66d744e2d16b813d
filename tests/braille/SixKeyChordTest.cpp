#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "braille/AutoCommit.h"
#include "braille/PendingCells.h"
#include "braille/SixKeyChord.h"
#include "document/Settings.h"

namespace noma {
namespace {

// The settings' default keys: F D S for dots 1 2 3, J K L for dots 4 5 6.
const std::array<char, kDotCount> kDefaultKeys = Settings{}.sixKeyMap;

// Plays "F+ D+ F- D-" style scripts (Qt-style upper-case key codes) and lists what they gave:
// finished cells as dot numbers, "commit" for a space-bar commit.
class Writer {
  public:
    explicit Writer(const std::array<char, kDotCount>& keys = kDefaultKeys) : chord(keys) {}

    std::string play(const std::string& script) {
        std::string log;
        for (size_t i = 0; i + 1 < script.size(); i += 3) {
            const int key = script[i] == '_' ? kSpaceKey : script[i];
            if (script[i + 1] == '+') {
                chord.keyDown(key);
                continue;
            }
            const ChordResult r = chord.keyUp(key);
            if (r.chordComplete) ++completions;
            if (r.cell) log += (log.empty() ? "" : " ") + dotNumbers(*r.cell);
            if (r.commitWithBlank) log += (log.empty() ? "" : " ") + std::string("commit");
        }
        return log;
    }

    SixKeyChord chord;
    int completions = 0;
};

TEST(SixKeyChord, OverlappingKeysMakeOneCellInEitherReleaseOrder) {
    Writer w;
    EXPECT_EQ(w.play("F+ D+ F- D- "), "12");
    EXPECT_EQ(w.play("F+ D+ D- F- "), "12");
    EXPECT_EQ(w.play("F+ F- D+ D- "), "1 2");
}

TEST(SixKeyChord, ACellIsEveryDotPressedUntilAllKeysAreUp) {
    Writer w;
    // S goes down after F is already up again, but while D is still held.
    EXPECT_EQ(w.play("F+ D+ F- S+ D- S- "), "123");
    EXPECT_EQ(w.play("F+ D+ S+ J+ K+ L+ L- K- J- S- D- F- "), "123456");
    EXPECT_EQ(w.play("J+ K+ L+ J- K- L- "), "456");
}

TEST(SixKeyChord, LowerCaseCodesMatchToo) {
    Writer w;
    EXPECT_EQ(w.play("f+ k+ f- k- "), "15");
}

TEST(SixKeyChord, OtherKeysNeitherPressDotsNorCompleteChords) {
    Writer w;
    EXPECT_EQ(w.play("A+ F+ A- "), "");
    EXPECT_EQ(w.completions, 0);
    EXPECT_EQ(w.chord.pressedDots(), cellFromDots("1"));
    EXPECT_EQ(w.play("F- "), "1");
}

TEST(SixKeyChord, SpaceBarCommitsWithABlankCell) {
    Writer w;
    EXPECT_EQ(w.play("_+ _- "), "commit");
    EXPECT_EQ(w.completions, 1);
    // Space released while a dot key is held does nothing; the chord goes on.
    EXPECT_EQ(w.play("F+ _+ _- "), "");
    EXPECT_EQ(w.play("F- "), "1");
    // A chord finished under a held space bar, then the space bar's own commit.
    EXPECT_EQ(w.play("_+ D+ D- _- "), "2 commit");
}

TEST(SixKeyChord, KeyMapFromTheSettings) {
    Writer w({'a', 's', 'd', 'h', 'j', 'k'});
    EXPECT_EQ(w.play("A+ H+ A- H- "), "14");
    EXPECT_EQ(w.play("F+ F- "), "");
    w.chord.setKeyMap(kDefaultKeys);
    EXPECT_EQ(w.play("F+ F- "), "1");
}

TEST(SixKeyChord, ResetForgetsAChordUnderWay) {
    Writer w;
    w.play("F+ D+ ");
    w.chord.reset();
    EXPECT_EQ(w.chord.pressedDots(), kBlankCell);
    EXPECT_EQ(w.play("S+ S- "), "3");
}

TEST(AutoCommit, FiresOnTheFifthTickAfterTheLastChange) {
    AutoCommit timer;
    timer.textChanged(true);
    for (int tick = 1; tick <= 4; ++tick) EXPECT_FALSE(timer.tick()) << tick;
    EXPECT_TRUE(timer.tick());
    EXPECT_FALSE(timer.armed());
    EXPECT_FALSE(timer.tick());
}

TEST(AutoCommit, EveryChangeRestartsTheWait) {
    AutoCommit timer;
    timer.textChanged(true);
    for (int tick = 1; tick <= 4; ++tick) EXPECT_FALSE(timer.tick());
    timer.textChanged(true);
    for (int tick = 1; tick <= 4; ++tick) EXPECT_FALSE(timer.tick());
    EXPECT_TRUE(timer.tick());
}

TEST(AutoCommit, OnlyRomajiEntryArmsItAndAChordDropsIt) {
    AutoCommit timer;
    timer.textChanged(false);
    for (int tick = 1; tick <= 10; ++tick) EXPECT_FALSE(timer.tick());
    timer.textChanged(true);
    timer.tick();
    timer.reset();
    for (int tick = 1; tick <= 10; ++tick) EXPECT_FALSE(timer.tick());
}

TEST(PendingCells, HoldsAtMost256) {
    PendingCells pending;
    for (int i = 0; i < 256; ++i) EXPECT_TRUE(pending.append(static_cast<BrailleCell>(i % 64)));
    EXPECT_TRUE(pending.full());
    EXPECT_FALSE(pending.append(cellFromDots("1")));
    EXPECT_EQ(pending.count(), 256u);
    EXPECT_EQ(pending.cells().back(), 255 % 64);
    pending.removeLast();
    EXPECT_EQ(pending.count(), 255u);
    pending.replace(std::vector<BrailleCell>(300, cellFromDots("2")));
    EXPECT_EQ(pending.count(), 256u);
    pending.clear();
    pending.removeLast();
    EXPECT_TRUE(pending.empty());
}

}  // namespace
}  // namespace noma
