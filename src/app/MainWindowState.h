#pragma once

#include <string>

namespace noma {

// What the main window's controls show, kept by the Workspace and read by the window after
// every command.
struct MainWindowState {
    std::string modeText;        // ModeE
    int pressedMode = 0;         // the palette button shown pressed, 0 for none
    bool documentMenus = false;  // the menus that need an open document
    bool rulesMenu = false;      // the ruled-lines toggle: only on a blank page
    std::string fileName;        // FileNameE
    std::string pitchText;       // PichE
    int topMarginItem = -1;      // TopMarjinCB, -1 for no selection
    std::string stavesText;      // DansuE
    std::string intervalText;    // DannKannkakuE
    int pageItems = 0;           // PageCB items "1" .. pageItems
    int pageItem = -1;           // PageCB selection
    int windowWidth = 788;
    int windowHeight = 740;
    bool focusKeySink = false;  // give the focus to Edit1 after this command
    bool scrollToTop = false;   // scroll the page view back to the top
    int pointerJumpX = 0;       // move the system pointer by this much
    int pointerJumpY = 0;
    bool brailleWindowVisible = false;
};

}  // namespace noma
