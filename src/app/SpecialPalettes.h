#pragma once

#include <string>
#include <string_view>

#include "palettes/SymbolEditor.h"
#include "platform/Canvas.h"
#include "render/UserSymbolStore.h"

namespace noma {

class Dialogs;
class Workspace;

// The piano, recorder, guitar and user-drawn symbol palettes and the symbol editor: what
// their windows show and the tools their cells arm. Arming from a palette releases the main
// palette's button and repaints the other palettes, as a mode switch does.
class SpecialPalettes {
  public:
    SpecialPalettes(Workspace& workspace, Dialogs& dialogs, const std::string& programFolder);

    // A press on each palette's picture; true when it armed a tool.
    bool pianoMouseDown(int x, int y);
    bool recorderMouseDown(int x, int y);
    bool guitarMouseDown(int x, int y);
    bool userSymbolMouseDown(int x, int y);

    // Closing the piano palette disarms whatever tool is armed.
    void pianoClosed();
    // The recorder layout radio buttons: 0 hanging charts, 1 standing charts.
    void setRecorderLayout(int layout);
    int recorderLayout() const;

    // Arms a special-palette mode as its cell does (noma-cli replay's `mode`); false for a
    // mode no cell offers, a user-drawn symbol without a file, or no open document.
    bool armMode(int mode);

    // The palette pictures as they are to be shown now.
    void drawPiano(Canvas& c) const;
    void drawRecorder(Canvas& c) const;
    void drawGuitar(Canvas& c) const;
    // Reloads the user-drawn symbols from their files first.
    void drawUserSymbols(Canvas& c);

    // Counts the occasions on which the visible palettes repaint (a mode switch or a palette
    // choice); the windows compare it with the count they last drew.
    int repaintCount() const { return repaints_; }
    void modeSwitched() { ++repaints_; }

    UserSymbolStore& userSymbols() { return store_; }
    const UserSymbolStore& userSymbols() const { return store_; }
    SymbolEditor& symbolEditor() { return editor_; }

    int pianoSelection() const { return pianoSelection_; }
    int recorderCell() const { return recorderCell_; }

  private:
    bool arm(int mode, std::string_view text);

    Workspace& ws_;
    UserSymbolStore store_;
    SymbolEditor editor_;
    int pianoSelection_ = 0;
    int recorderCell_ = 0;
    int repaints_ = 0;
};

}  // namespace noma
