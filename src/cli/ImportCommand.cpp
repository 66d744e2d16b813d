// import: a MusicXML score laid out as a tactile score.
#include "cli/ImportCommand.h"

#include <cstdio>
#include <memory>

#include "document/ScoreDocument.h"
#include "interchange/MusicXmlImport.h"
#include "interchange/NotShownText.h"
#include "musicxml/ScoreReader.h"

namespace noma::cli {

namespace {

std::vector<int> partList(const Args& args) {
    std::vector<int> parts;
    const std::optional<std::string> text = args.value("--parts");
    if (!text) return parts;
    size_t start = 0;
    for (;;) {
        const size_t comma = text->find(',', start);
        const std::string item =
            text->substr(start, comma == std::string::npos ? comma : comma - start);
        const int part = parseInt(item, "--parts");
        if (part < 1) throw UsageError{"--parts: part numbers start at 1"};
        parts.push_back(part);
        if (comma == std::string::npos) break;
        start = comma + 1;
    }
    return parts;
}

}  // namespace

int runImport(Args& args) {
    const std::string out = args.outputFile(".nmg");
    checkOutputs({out}, args.files());
    interchange::ImportOptions options;
    options.parts = partList(args);
    options.pitch = args.intOption("--pitch", kMinPitch, kMaxPitch, options.pitch);
    options.orientation = args.choiceOption("--orientation", {"portrait", "landscape"}, 0);
    options.topMargin = args.intOption("--top", kMinTopMargin, kMaxTopMargin, options.topMargin);
    options.intervalGiven = args.has("--interval");
    options.interval =
        args.intOption("--interval", kMinStaveInterval, kMaxStaveInterval, options.interval);

    const Expected<musicxml::Score> score = musicxml::readScoreFile(args.inputFile());
    if (!score.ok()) throw Refused{score.failure()};
    for (int part : options.parts) {
        if (static_cast<size_t>(part) > score->parts.size()) {
            throw UsageError{"--parts: the score has " + std::to_string(score->parts.size()) +
                             " parts"};
        }
    }
    auto doc = std::make_unique<ScoreDocument>();
    const Expected<interchange::ImportReport> report =
        interchange::importScore(*score, options, *doc);
    if (!report.ok()) throw Refused{report.failure()};
    saveScore(*doc, out);

    std::string messages;
    for (const interchange::ImportWarning& warning : report->warnings)
        messages += "noma-cli: " + warning.english + "\n";
    if (const std::string list = interchange::notShownText(report->notShown); !list.empty()) {
        messages += list + "\n";
    }
    std::fwrite(messages.data(), 1, messages.size(), stderr);
    return kExitOk;
}

}  // namespace noma::cli
