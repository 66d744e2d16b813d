// The clipboard data file that a paste reads (another running copy of the program may have
// written it). Data that reads must write back the same; then it is pasted and dropped on a
// page through the editor, with a picture of the region beside it.
#include <cstdlib>

#include "FuzzInput.h"
#include "app/ReplayScript.h"
#include "app/ScriptedDialogs.h"
#include "app/ScriptedFormHost.h"
#include "app/Workspace.h"
#include "document/ScoreFile.h"
#include "editing/ClipboardFiles.h"
#include "platform/FileIo.h"
#include "platform/JpegFile.h"

using namespace noma;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto text = fuzz::asText(data, size);
    RegionSelection selection;
    const ClipboardRead read = parseClipboardData(text, selection);
    if (read.status != ClipboardRead::Status::Malformed) {
        const std::string written = formatClipboardData(selection);
        RegionSelection again;
        if (parseClipboardData(written, again).status == ClipboardRead::Status::Malformed ||
            formatClipboardData(again) != written) {
            std::abort();
        }
    }

    const std::string& folder = fuzz::programFolder();
    static const bool pictureWritten = [&] {
        Canvas picture(120, 80);
        picture.clear(kWhite);
        return writeJpegFile(joinPath(folder, kClipboardPictureFile), picture, 0, 0, 120, 80).ok();
    }();
    if (!pictureWritten) std::abort();
    if (!writeFileAtomically(joinPath(folder, kClipboardDataFile), text).ok()) {
        std::abort();
    }

    ScriptedDialogs dialogs;
    ScriptedFormHost forms;
    Workspace ws(dialogs, forms, folder);
    ws.startUp();
    ws.newScore();
    ReplayScript script(ws, dialogs);
    if (!script
             .run("command clip-paste\nmove 300 400\nclick 300 400\ncommand undo\ncommand "
                  "clip-paste\n"
                  "click 5 5\n")
             .ok()) {
        std::abort();
    }
    ScoreDocument reread;
    if (!parseScore(formatScore(ws.document()), reread).ok()) std::abort();
    return 0;
}
