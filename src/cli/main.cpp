#include <csignal>
#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "cli/CliSupport.h"
#include "platform/AtomicFile.h"
#include "platform/Version.h"

namespace {

using namespace noma::cli;

void printGeneralHelp(std::FILE* to) {
    std::string text =
        "Usage: noma-cli COMMAND [OPTIONS] [FILES]\n"
        "The NOMA editor's core without a window. Page numbers are 1-based.\n"
        "Every command takes --folder DIR (the program folder) and --help; -- ends the options.\n"
        "noma-cli --version prints the version.\n"
        "Exit status: 0 success, 1 bad input file or refused operation, 2 usage error.\n\n"
        "Commands:\n";
    for (const auto& command : commands()) text += "  " + std::string(command.name) + "\n";
    text += "\nnoma-cli COMMAND --help describes a command.\n";
    std::fputs(text.c_str(), to);
}

void printFailure(const noma::Failure& failure) {
    std::string text;
    std::string line;
    for (char c : failure.message + "\n") {
        if (c == '\n') {
            text += "noma-cli: " + line + "\n";
            line.clear();
        } else {
            line += c;
        }
    }
    text += "noma-cli: (" + failure.gloss + ")\n";
    std::fwrite(text.data(), 1, text.size(), stderr);
}

// Anything lost on the way to standard output makes the run a failure.
int finished(int status) {
    if (status != kExitOk) return status;
    try {
        checkStandardOutput();
    } catch (const Refused& e) {
        printFailure(e.failure);
        return kExitRefused;
    }
    return status;
}

int run(const std::vector<std::string>& words) {
    if (words.empty()) {
        printGeneralHelp(stderr);
        return kExitUsage;
    }
    if (words[0] == "--help" || words[0] == "-h" || words[0] == "help") {
        printGeneralHelp(stdout);
        return kExitOk;
    }
    if (words[0] == "--version") {
        std::printf("noma-cli %s\n", noma::kVersion);
        return kExitOk;
    }
    const Command* command = nullptr;
    for (const auto& c : commands())
        if (c.name == words[0]) command = &c;
    if (command == nullptr) {
        std::fprintf(stderr, "noma-cli: unknown command '%s' (see noma-cli --help)\n",
                     words[0].c_str());
        return kExitUsage;
    }
    try {
        Args args(*command, std::vector<std::string>(words.begin() + 1, words.end()));
        if (args.has("--help")) {
            std::fputs(std::string(command->help).c_str(), stdout);
            return kExitOk;
        }
        return command->run(args);
    } catch (const UsageError& e) {
        std::fprintf(stderr, "noma-cli: %s\n%s", e.text.c_str(),
                     std::string(command->help).c_str());
        return kExitUsage;
    } catch (const Refused& e) {
        printFailure(e.failure);
        return kExitRefused;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "noma-cli: internal error: %s\n", e.what());
        return kExitRefused;
    }
}

}  // namespace

int main(int argc, char** argv) {
    // A closed pipe or a full disk is reported as a failed write, not a silent death.
    std::signal(SIGPIPE, SIG_IGN);
    noma::installOutputSafety();
    return finished(run(std::vector<std::string>(argv + 1, argv + argc)));
}
