// `noma-cli replay` scripts: any script either runs or stops with a reason, and leaves a
// score that writes and reads back the same. A session that changed the score must have marked
// it changed, or closing the window would drop the work without asking to save it; and its
// edit history must lead back to the score it started from.
#include <algorithm>
#include <cstdlib>

#include "FuzzInput.h"
#include "app/ReplayScript.h"
#include "app/ScriptedDialogs.h"
#include "app/ScriptedFormHost.h"
#include "app/Workspace.h"
#include "document/ScoreFile.h"
#include "document/SymbolKind.h"

using namespace noma;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    ScriptedDialogs dialogs;
    ScriptedFormHost forms;
    Workspace ws(dialogs, forms, fuzz::programFolder());
    ws.startUp();
    forms.fillNewScore = [size](NewScoreForm& form) {
        form.setScoreTypeItem(static_cast<int>(size % 4));
        form.setPitchItem(static_cast<int>(size % 5));
    };
    ws.newScore();
    const std::string fresh = formatScore(ws.document());
    ReplayScript script(ws, dialogs);
    const Status ran = script.run(fuzz::asText(data, size));
    if (!ran.ok() && ran.failure().gloss.rfind("bad script: line ", 0) != 0) std::abort();

    const std::string written = formatScore(ws.document());
    ScoreDocument reread;
    if (!parseScore(written, reread).ok() || formatScore(reread) != written) std::abort();
    if (written != fresh && !ws.document().dataChanged) std::abort();

    // Every change is a step of the edit history: undone all the way, the score is the fresh
    // one again. Not while a drag holds its record, nor where the 1000-step cap may have cut.
    const ScoreDocument& doc = ws.document();
    const bool dragging = ws.editState().dragging || (doc.toolMode == kModeMoveCopyErase &&
                                                      doc.interactionState == kFirstPoint);
    const std::string_view text = fuzz::asText(data, size);
    if (ran.ok() && !dragging && std::count(text.begin(), text.end(), '\n') < 900) {
        while (ws.canHistoryUndo()) ws.historyUndo();
        if (formatScore(ws.document()) != fresh) std::abort();
    }
    return 0;
}
