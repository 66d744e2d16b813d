#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "app/ScriptedDialogs.h"
#include "platform/Status.h"

namespace noma {

class Workspace;

// Runs a scripted editing session on a Workspace through the handlers the windows call.
// Message boxes are answered from the script's queued answers (ScriptedDialogs).
class ReplayScript {
  public:
    ReplayScript(Workspace& workspace, ScriptedDialogs& dialogs)
        : ws_(workspace), dialogs_(dialogs) {}

    // Runs every line, up to the first one that is wrong ("line N: ..." in the failure).
    Status run(std::string_view script);

  private:
    // One line; an empty string when it ran, else what is wrong with it.
    std::string runLine(std::string_view line);
    std::string command(std::string_view name, std::string_view argument);
    std::string braille(std::string_view verb, const std::vector<std::string_view>& words,
                        std::string_view line);

    Workspace& ws_;
    ScriptedDialogs& dialogs_;
};

}  // namespace noma
