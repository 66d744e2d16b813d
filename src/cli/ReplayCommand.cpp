// replay: a scripted editing session through the editor's own handlers.
#include "cli/ReplayCommand.h"

#include <cstdio>
#include <optional>
#include <vector>

#include "app/ReplayScript.h"
#include "app/ScriptedDialogs.h"
#include "app/ScriptedFormHost.h"
#include "app/Workspace.h"
#include "document/PageGeometry.h"
#include "document/ScoreDocument.h"
#include "document/ScoreFile.h"
#include "platform/AtomicFile.h"
#include "platform/FileIo.h"
#include "platform/PngFile.h"

namespace noma::cli {

namespace {

// The new-score dialog filled from new's options.
void fillFromOptions(const Args& args, NewScoreForm& form) {
    form.setOrientation(args.choiceOption("--orientation", {"portrait", "landscape"}, 0));
    form.setScoreTypeItem(args.intOption("--type", 1, 4, 1) - 1);
    form.setKeyItem(args.intOption("--key", 0, kKeyCount - 1, 0));
    form.setPitchItem(args.intOption("--pitch", kMinPitch, kMaxPitch, 8) - 6);
    form.setTopItem(args.intOption("--top", kMinTopMargin, kMaxTopMargin, 12) - 3);
    form.setIntervalItem(args.intOption("--interval", kMinStaveInterval, kMaxStaveInterval, 10) -
                         6);
    if (args.has("--staves")) {
        if (form.capacity() == 0) throw UsageError{"--staves: no stave fits on this page"};
        form.pickStaveItem(args.intOption("--staves", 1, form.capacity(), 1) - 1);
    }
}

}  // namespace

int runReplay(Args& args) {
    const std::string out = args.outputFile(".nmg");
    const auto png = args.value("--png");
    if (png) requireExtension(*png, ".png", "--png");
    const bool fresh = args.has("--new");
    const size_t wanted = fresh ? 1 : 2;
    if (args.files().size() != wanted) {
        throw UsageError{fresh ? "replay --new needs one SCRIPT"
                               : "replay needs IN.nmg and SCRIPT"};
    }
    if (!fresh) {
        for (const char* option :
             {"--orientation", "--type", "--key", "--pitch", "--top", "--interval", "--staves"}) {
            if (args.has(option)) throw UsageError{std::string(option) + " goes with --new"};
        }
    }
    const std::string scriptPath = args.files().back();
    ScriptedFormHost forms;
    NewScoreForm checked;
    checked.activate(8);
    if (fresh) fillFromOptions(args, checked);  // usage errors before anything runs

    std::vector<std::string> outputs{out};
    if (png) outputs.push_back(*png);
    checkOutputs(outputs, args.files(), fresh ? std::string() : args.files()[0]);

    ScoreDocument probe;
    if (!fresh) loadScore(args.files()[0], probe);
    const Expected<std::string> script = readWholeFile(scriptPath);
    if (!script.ok()) {
        throw Refused{{"スクリプトファイルを開けませんでした。\n" + scriptPath + "\n" +
                           script.failure().message,
                       "cannot open " + scriptPath + ": " + script.failure().gloss}};
    }

    ScriptedDialogs dialogs;
    dialogs.onMessage = [](const ScriptedDialogs::Shown& shown) {
        // A lost line is reported once the session has run; nothing is saved then.
        const std::string line = "message: " + shown.text + "\n";
        std::fwrite(line.data(), 1, line.size(), stdout);
        std::fflush(stdout);
    };
    Workspace ws(dialogs, forms, args.folder());
    ws.startUp();
    if (fresh) {
        forms.fillNewScore = [&args](NewScoreForm& form) { fillFromOptions(args, form); };
        ws.newScore();
    } else if (!ws.openScore(args.files()[0])) {
        throw Refused{
            {"ファイルを開けませんでした。\n" + args.files()[0], "cannot open " + args.files()[0]}};
    }

    ReplayScript replay(ws, dialogs);
    refuseUnlessOk(replay.run(*script));
    checkStandardOutput();

    // Both files or neither: each is written in full beside its target before either is put
    // in place.
    AtomicFile score(out);
    score.write(formatScore(ws.document()));
    std::optional<AtomicFile> picture;
    if (png) {
        picture.emplace(*png);
        const std::string bytes = encodePng(ws.viewImage());
        if (bytes.empty())
            throw Refused{
                {"画像ファイルを保存できませんでした。\n" + *png, "cannot encode " + *png}};
        picture->write(bytes);
    }
    if (!score.finish()) {
        throw Refused{{"ファイルに保存できませんでした。\n" + out,
                       "cannot write " + out + ": " + score.failure()}};
    }
    if (picture && !picture->finish()) {
        throw Refused{{"画像ファイルを保存できませんでした。\n" + *png,
                       "cannot write " + *png + ": " + picture->failure()}};
    }
    if (!score.putInPlace()) {
        throw Refused{{"ファイルに保存できませんでした。\n" + out,
                       "cannot write " + out + ": " + score.failure()}};
    }
    if (picture && !picture->putInPlace()) {
        throw Refused{{"画像ファイルを保存できませんでした。\n" + *png,
                       "cannot write " + *png + ": " + picture->failure()}};
    }
    return kExitOk;
}

}  // namespace noma::cli
