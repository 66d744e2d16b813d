#pragma once

#include <string>
#include <string_view>

#include "braille/AutoCommit.h"
#include "braille/PendingCells.h"
#include "braille/RomajiConverter.h"
#include "braille/SixKeyChord.h"

namespace noma {

class Workspace;

// The braille writing window's logic: three entry modes, pending cells, the commit onto the
// page and the writing cursor. The window (TTenjiForm) forwards its events here.
class BrailleWriting {
  public:
    enum EntryMode { kRomaji = 0, kDirect = 1, kSixKey = 2 };
    // Keys the input fields act on; letters and the space bar are their character codes.
    enum Key : int {
        kKeySpace = 0x20,
        kKeyEnter = 0x100,
        kKeyBackSpace,
        kKeyLeft,
        kKeyUp,
        kKeyRight,
        kKeyDown,
    };

    explicit BrailleWriting(Workspace& workspace);

    // The braille tool's press: the window opens (or stays open) with empty fields; the cursor
    // is already at the press.
    void open();
    void setEntryMode(int item);
    void setDisplayMode(int item);

    // Romaji mode: letters typed on the keyboard; returns the field's new text.
    const std::string& typeRomaji(std::string_view typed);
    // The text field's text changed (direct entry, or kana from an input method).
    void textChanged(std::string_view utf8);
    // One tick of the 1 ms timer: the romaji text commits on the fifth tick after its last change.
    void tick();
    // A key in either input field; true when it was used.
    bool keyDown(int key, bool shift);
    void keyUp(int key);
    // Closing the window ends braille writing.
    void close();

    int entryMode() const { return entryMode_; }
    const std::string& fieldText() const { return fieldText_; }
    const PendingCells& pending() const { return pending_; }
    int lineStep() const { return lineStep_; }
    bool autoCommitArmed() const { return autoCommit_.armed(); }
    // Window height for the entry mode: the six-key mode shows only the two selectors.
    int windowHeight() const { return entryMode_ == kSixKey ? 72 : 106; }

  private:
    // The window is shown: everything pending is dropped and the line step follows the pitch.
    void shown();
    void commit();
    void clearFields();
    void drawPendingCell(size_t index);
    void redrawWithPending();
    void convertField();
    void settle(std::string_view kana);
    // The field shows the settled kana and the romaji still pending.
    void showField();
    // True, after telling the user, when `text` holds characters braille cannot write.
    bool refuseUnwritable(std::string_view text);

    Workspace& ws_;
    int entryMode_ = kRomaji;
    std::string fieldText_;        // what the text field shows
    size_t fieldSettled_ = 0;      // how much of fieldText_ is settled kana
    std::string settled_;          // romaji mode: the kana typed so far
    std::string settledCodePage_;  // ...its first bytes in the code page, as converted
    RomajiConverter romaji_;
    PendingCells pending_;
    SixKeyChord chord_;
    AutoCommit autoCommit_;
    int lineStep_ = 40;
};

}  // namespace noma
