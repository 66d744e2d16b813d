#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Status.h"

namespace noma {
class ScoreDocument;
}

namespace noma::cli {

// Exit statuses.
constexpr int kExitOk = 0;
constexpr int kExitRefused = 1;
constexpr int kExitUsage = 2;

// The tool's own way to fail. The core returns Status; a command is a straight run of steps,
// any of which ends the whole run, so here a failed Status becomes Refused (refuseUnlessOk)
// and a bad command line a UsageError, and main() alone catches the two and turns them into
// the exit status and the lines on standard error. Nothing below cli/ throws them.

// Thrown for an unknown option, a missing or malformed value, or a value out of range.
struct UsageError {
    std::string text;
};

// Thrown for a bad input file or an operation the program refuses.
struct Refused {
    Failure failure;
};

// Throws Refused with the failure, if there is one.
void refuseUnlessOk(const Status& status);

struct OptionSpec {
    std::string_view name;  // "--pitch" or "-o"
    bool takesValue;
};

struct Command {
    std::string_view name;
    std::string_view help;  // usage lines and option descriptions
    std::vector<OptionSpec> options;
    int (*run)(class Args& args);
};

// The options and files of one command line, checked against the command's options.
class Args {
  public:
    Args(const Command& command, const std::vector<std::string>& words);

    bool has(std::string_view name) const { return values_.count(std::string(name)) != 0; }
    std::optional<std::string> value(std::string_view name) const;
    // An integer option within lo..hi; `fallback` when absent.
    int intOption(std::string_view name, int lo, int hi, int fallback) const;
    // One of `choices`; returns its index, `fallback` when absent.
    int choiceOption(std::string_view name, const std::vector<std::string_view>& choices,
                     int fallback) const;
    // The one input file; a usage error when there is not exactly one.
    const std::string& inputFile() const;
    // The -o file, which must end in `extension` (".png", any case); a usage error when it
    // is missing or ends otherwise.
    std::string outputFile(std::string_view extension) const;
    // The program folder (--folder, else the editor's default); refused when there is none.
    std::string folder() const;

    const std::vector<std::string>& files() const { return files_; }

  private:
    const Command& command_;
    std::map<std::string, std::string> values_;
    std::vector<std::string> files_;
};

int parseInt(std::string_view text, std::string_view what);

// A usage error unless `path` ends in `extension` (any case); `option` names it in the message.
void requireExtension(const std::string& path, std::string_view extension, std::string_view option);

// Refuses, before any work is done, outputs that cannot be written (a FIFO, a device, a folder,
// a read-only file) or that are one of the inputs or of each other (same file, not just same
// name). `editedInput` may be written over: it is the score the command edits in place.
void checkOutputs(const std::vector<std::string>& outputs, const std::vector<std::string>& inputs,
                  const std::string& editedInput = {});

// Writes to standard output at once; a write that fails (a full disk, a closed pipe) is refused.
void writeOut(std::string_view text);
// Refused once anything written to standard output has been lost.
void checkStandardOutput();

struct PageRange {
    int first;
    int last;
};
// "--pages A-B" (inclusive) or "--pages A"; every page by default. A page outside the score is
// a usage error; a first page after the last would do nothing and is refused with `nothing`.
PageRange pageRange(const Args& args, int pageCount, const Failure& nothing);

// Loads and validates a score; throws Refused when it cannot be read or is invalid.
void loadScore(const std::string& path, ScoreDocument& doc);
// Writes a score atomically; throws Refused on failure.
void saveScore(const ScoreDocument& doc, const std::string& path);

const std::vector<Command>& commands();

}  // namespace noma::cli
