#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/Status.h"

namespace noma {

// What the editor's command line asks for.
struct EditorCommandLine {
    enum class Action { Run, Help, Version, UsageError };
    Action action = Action::Run;
    std::optional<std::string> score;  // Run: the score to open, when one is named
    std::string error;                 // UsageError: what is wrong, in English
};

// Parses the arguments after the program name. --help wins over --version, and both over
// a usage error, so they work whatever else is on the line; "--" ends the options.
EditorCommandLine parseEditorCommandLine(const std::vector<std::string>& args);

std::string editorHelpText();
std::string editorUsageText();

// Why the named score cannot be opened (missing, a folder, unreadable), if it cannot.
Status unreadableScore(const std::string& path);

// --help and --version, answered before Qt wants a display. The exit status, or nullopt.
std::optional<int> answerHelpOrVersion(int argc, char** argv);

// Called once Qt has taken its own options: a usage error or an unreadable score ends the
// program (exit status returned) with the reason on standard error and, for a score, in a
// message box; otherwise sets `score` to the named score, if any.
std::optional<int> takeScoreArgument(int argc, char** argv, std::optional<std::string>& score);

}  // namespace noma
