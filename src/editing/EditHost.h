#pragma once

#include <string>
#include <string_view>

#include "editing/EditState.h"

namespace noma {

// What the editing code asks of the program around it.
class EditHost {
  public:
    enum class MessageIcon { None, Information, Exclamation };
    virtual ~EditHost() = default;
    // Redraws the current page (the full rendering pass).
    virtual void redraw() = 0;
    // A message box with an OK button, title "確認".
    virtual void showMessage(const std::string& text, MessageIcon icon) = 0;
    virtual void setModeText(std::string_view text) = 0;
    // Moves the system pointer by (dx, dy) screen pixels, where the platform allows it.
    virtual void movePointerBy(int dx, int dy) = 0;
    // Arms a mode as the palette buttons and the Edit menu do.
    virtual void selectMode(int mode) = 0;
    // Top-left of where the next braille cell goes (the writing cursor).
    virtual Point brailleCursor() const = 0;
    // The braille tool's press: the writing cursor moves to (x, y) and the writing window opens.
    virtual void openBrailleWindow(int cursorX, int cursorY) = 0;
};

inline constexpr const char* kPageFullMessage =
    "１ページに記入できる記号は１０００個までです。これ以上は記入できません。";
inline constexpr const char* kSelectionLimitMessage =
    "一度に扱える記号は５００個までです。最初の５００個だけを対象にしました。";

}  // namespace noma
