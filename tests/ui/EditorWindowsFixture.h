#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <memory>
#include <string>

#include "TempFolder.h"
#include "app/ScriptedDialogs.h"
#include "app/Workspace.h"
#include "platform/FileIo.h"
#include "ui/AuxiliaryWindows.h"
#include "ui/EditorWindows.h"
#include "ui/QtFormHost.h"
#include "ui/TForm1.h"

namespace noma::test {

// Two landscape pages at pitch 8: a stave and a braille cell, then a note; for the print windows.
inline constexpr const char* kTwoPrintedPages =
    "2 8 1\r\n"
    "1 6 12 1 10 4\r\n"
    "46 6 0 552 0 0 0 0 0 0 \r\n"
    "46 6 2 552 0 0 0 0 0 0 \r\n"
    "46 6 4 552 0 0 0 0 0 0 \r\n"
    "46 6 6 552 0 0 0 0 0 0 \r\n"
    "46 6 8 552 0 0 0 0 0 0 \r\n"
    "40 200 -30 33 0 0 0 0 0 0 \r\n"
    "1 1 12 1 10 4\r\n"
    "6 20 10 0 0 0 0 0 0 0 \r\n";

// The whole editor as the program starts it, over a fresh program folder, with scripted
// message boxes; the main window is shown.
class EditorWindowsTest : public ::testing::Test {
  protected:
    EditorWindowsTest() : forms(windows), ws(dialogs, forms, folder.path()) {
        ws.startUp();
        editor = std::make_unique<EditorWindows>(ws, windows);
        main().show();
    }

    TForm1& main() { return editor->main(); }
    QAction* item(const char* name) { return main().menuItem(name); }
    // Writes `score` into the program folder and opens it as the user would.
    void openScore(const std::string& name, const std::string& score) {
        EXPECT_TRUE(writeFileAtomically(folder.file(name), score).ok());
        EXPECT_TRUE(ws.openScore(folder.file(name)));
        main().refresh();
    }

    TempFolder folder;
    ScriptedDialogs dialogs;
    AuxiliaryWindows windows;
    QtFormHost forms;
    Workspace ws;
    std::unique_ptr<EditorWindows> editor;
};

}  // namespace noma::test
