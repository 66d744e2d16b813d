#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "cli/CliSupport.h"

namespace {

using namespace noma::cli;

void printGeneralHelp(std::FILE* to) {
    std::string text =
        "Usage: noma-cli COMMAND [OPTIONS] [FILES]\n"
        "The NOMA editor's core without a window. Page numbers are 1-based.\n"
        "Every command takes --folder DIR (the program folder) and --help.\n"
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
    std::fputs(text.c_str(), stderr);
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> words(argv + 1, argv + argc);
    if (words.empty()) {
        printGeneralHelp(stderr);
        return kExitUsage;
    }
    if (words[0] == "--help" || words[0] == "-h" || words[0] == "help") {
        printGeneralHelp(stdout);
        return kExitOk;
    }
    const Command* command = nullptr;
    for (const auto& c : commands())
        if (c.name == words[0]) command = &c;
    if (command == nullptr) {
        std::fprintf(stderr, "noma-cli: unknown command '%s' (see noma-cli --help)\n", words[0].c_str());
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
        std::fprintf(stderr, "noma-cli: %s\n%s", e.text.c_str(), std::string(command->help).c_str());
        return kExitUsage;
    } catch (const Refused& e) {
        printFailure(e.failure);
        return kExitRefused;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "noma-cli: internal error: %s\n", e.what());
        return kExitRefused;
    }
}
