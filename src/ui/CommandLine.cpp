#include "ui/CommandLine.h"

#include <QMessageBox>
#include <cstdio>

#include "platform/FileIo.h"
#include "platform/Version.h"

namespace noma {

namespace {

constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;

std::vector<std::string> argumentsOf(int argc, char** argv) {
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) args.emplace_back(argv[i]);
    return args;
}

}  // namespace

EditorCommandLine parseEditorCommandLine(const std::vector<std::string>& args) {
    bool help = false;
    bool version = false;
    bool optionsEnded = false;
    EditorCommandLine parsed;
    for (const std::string& arg : args) {
        const bool option = !optionsEnded && arg.size() > 1 && arg[0] == '-';
        if (option && arg == "--") {
            optionsEnded = true;
        } else if (option && (arg == "--help" || arg == "-h")) {
            help = true;
        } else if (option && arg == "--version") {
            version = true;
        } else if (option) {
            if (parsed.error.empty()) parsed.error = "unknown option " + arg;
        } else if (parsed.score) {
            if (parsed.error.empty()) {
                parsed.error = "only one score can be opened: '" + arg + "' is a second file name";
            }
        } else {
            parsed.score = arg;
        }
    }
    if (help) {
        parsed.action = EditorCommandLine::Action::Help;
    } else if (version) {
        parsed.action = EditorCommandLine::Action::Version;
    } else if (!parsed.error.empty()) {
        parsed.action = EditorCommandLine::Action::UsageError;
    }
    if (parsed.action != EditorCommandLine::Action::Run) parsed.score.reset();
    return parsed;
}

std::string editorUsageText() {
    return "Usage: noma [--help] [--version] [--] [SCORE.nmg]\n";
}

std::string editorHelpText() {
    return editorUsageText() +
           "The NOMA editor for tactile staff notation (Japanese user interface).\n"
           "Opens SCORE.nmg when it is given, otherwise starts with an empty window.\n"
           "\n"
           "  -h, --help     show this help and exit\n"
           "      --version  show the version and exit\n"
           "      --         end of options: a score whose name starts with '-' follows\n"
           "Qt's own options (-platform, -style, ...) are accepted as well.\n"
           "\n"
           "The settings file NOMA_218_Shokika.ini, the internal clipboard and the user-drawn\n"
           "symbols (NMK/) are kept in the program folder: the folder of the executable when it\n"
           "is writable, otherwise $XDG_DATA_HOME/noma (by default ~/.local/share/noma).\n"
           "Exit status: 0 success, 1 the score cannot be read, 2 usage error.\n";
}

Status unreadableScore(const std::string& path) {
    const std::string message = "ファイルを開けませんでした。\n" + path;
    if (directoryExists(path)) return Failure{message, "cannot open " + path + ": it is a folder"};
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) return Failure{message, errnoText(("cannot open " + path).c_str())};
    std::fclose(file);
    return {};
}

std::optional<int> answerHelpOrVersion(int argc, char** argv) {
    const EditorCommandLine parsed = parseEditorCommandLine(argumentsOf(argc, argv));
    if (parsed.action == EditorCommandLine::Action::Help) {
        std::fputs(editorHelpText().c_str(), stdout);
        return 0;
    }
    if (parsed.action == EditorCommandLine::Action::Version) {
        std::printf("noma %s\n", kVersion);
        return 0;
    }
    return std::nullopt;
}

std::optional<int> takeScoreArgument(int argc, char** argv, std::optional<std::string>& score) {
    const EditorCommandLine parsed = parseEditorCommandLine(argumentsOf(argc, argv));
    if (parsed.action == EditorCommandLine::Action::UsageError) {
        std::fprintf(stderr, "noma: %s\n%s", parsed.error.c_str(), editorUsageText().c_str());
        return kExitUsage;
    }
    if (parsed.score) {
        if (Status readable = unreadableScore(*parsed.score); !readable.ok()) {
            const Failure& failure = readable.failure();
            std::string line = failure.message;
            for (char& c : line) c = c == '\n' ? ' ' : c;
            std::fprintf(stderr, "noma: %s\nnoma: (%s)\n", line.c_str(), failure.gloss.c_str());
            QMessageBox::warning(nullptr, "確認", QString::fromStdString(failure.message));
            return kExitFailure;
        }
    }
    score = parsed.score;
    return std::nullopt;
}

}  // namespace noma
