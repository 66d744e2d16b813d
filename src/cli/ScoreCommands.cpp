// new, page-add, page-insert, page-delete: the score and page commands without their dialogs.
#include "cli/ScoreCommands.h"

#include "document/PageGeometry.h"
#include "document/PageOperations.h"
#include "document/ScoreDocument.h"

namespace noma::cli {

namespace {

// The stave-count box offers 1..capacity; a pick is then corrected as the box corrects it.
int pickedStaveCount(const Args& args, int scoreType, int capacity) {
    if (!args.has("--staves")) return capacity;
    if (capacity == 0) throw UsageError{"--staves: no stave fits on this page"};
    const int picked = args.intOption("--staves", 1, capacity, capacity);
    return correctStaveCount(picked, scoreType, capacity);
}

int addOrInsert(Args& args, bool insert) {
    const std::string out = args.outputFile(".nmg");
    checkOutputs({out}, args.files(), args.inputFile());
    if (insert && !args.has("--at")) throw UsageError{"page-insert needs --at N"};
    ScoreDocument doc;
    loadScore(args.inputFile(), doc);
    const int pageCount = doc.header.pageCount;
    const int target = insert ? args.intOption("--at", 1, pageCount, 1) - 1 : pageCount;
    if (pageCount >= kMaxPages) {
        throw Refused{{kTooManyPagesMessage, "a score cannot have more than 100 pages"}};
    }

    PageSetup setup = pageSetupDefaults(doc, target);
    setup.scoreType = args.intOption("--type", 1, 4, setup.scoreType);
    setup.keyIndex = args.intOption("--key", 0, kKeyCount - 1, setup.keyIndex);
    setup.topMargin = args.intOption("--top", kMinTopMargin, kMaxTopMargin, setup.topMargin);
    setup.staveInterval =
        args.intOption("--interval", kMinStaveInterval, kMaxStaveInterval, setup.staveInterval);
    recomputeCapacity(doc.header.orientation, doc.header.verticalPitch, setup);
    setup.staveCount = pickedStaveCount(args, setup.scoreType, setup.staveCapacity);

    insertPage(doc, target, setup);
    saveScore(doc, out);
    return kExitOk;
}

}  // namespace

int runNew(Args& args) {
    NewScoreSetup setup;
    setup.orientation = args.choiceOption("--orientation", {"portrait", "landscape"}, 0);
    setup.scoreType = args.intOption("--type", 1, 4, 1);
    setup.keyIndex = args.intOption("--key", 0, kKeyCount - 1, 0);
    setup.verticalPitch = args.intOption("--pitch", kMinPitch, kMaxPitch, 8);
    setup.topMargin = args.intOption("--top", kMinTopMargin, kMaxTopMargin, 12);
    setup.staveInterval = args.intOption("--interval", kMinStaveInterval, kMaxStaveInterval, 10);
    const std::string out = args.outputFile(".nmg");
    if (!args.files().empty()) throw UsageError{"new takes no input file"};
    checkOutputs({out}, {});

    const int capacity = staveCapacity(setup.orientation, setup.verticalPitch, setup.topMargin,
                                       setup.staveInterval, setup.scoreType);
    setup.staveCount = pickedStaveCount(args, setup.scoreType, capacity);

    ScoreDocument doc;
    createNewScore(doc, setup);
    saveScore(doc, out);
    return kExitOk;
}

int runPageAdd(Args& args) {
    return addOrInsert(args, false);
}

int runPageInsert(Args& args) {
    return addOrInsert(args, true);
}

int runPageDelete(Args& args) {
    const std::string out = args.outputFile(".nmg");
    if (!args.has("--page")) throw UsageError{"page-delete needs --page N"};
    checkOutputs({out}, args.files(), args.inputFile());
    ScoreDocument doc;
    loadScore(args.inputFile(), doc);
    const int page = args.intOption("--page", 1, doc.header.pageCount, 1) - 1;
    deletePage(doc, page);
    saveScore(doc, out);
    return kExitOk;
}

}  // namespace noma::cli
