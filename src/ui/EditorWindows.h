#pragma once

#include <memory>

#include "ui/AuxiliaryWindows.h"

namespace noma {

class Dialogs;
class TForm1;
class Workspace;

// Every window of the editor, created once in the program's order (main window first) and
// only shown and hidden afterwards.
class EditorWindows {
  public:
    // Fills `windows`, which the form host may already hold.
    EditorWindows(Workspace& workspace, AuxiliaryWindows& windows);
    ~EditorWindows();

    TForm1& main() { return *main_; }
    AuxiliaryWindows& windows() { return windows_; }

  private:
    AuxiliaryWindows& windows_;
    std::unique_ptr<TForm1> main_;
};

}  // namespace noma
