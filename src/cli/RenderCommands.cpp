// render and thumbnails: a page's view image, or the thumbnail window's picture, as PNG.
#include "cli/RenderCommands.h"

#include "document/ScoreDocument.h"
#include "platform/PngFile.h"
#include "render/PageRenderer.h"
#include "render/Thumbnails.h"
#include "render/UserSymbolStore.h"

namespace noma::cli {

namespace {

void writePicture(const Canvas& picture, const std::string& out) {
    refuseUnlessOk(writePngFile(picture, out));
}

}  // namespace

int runRender(Args& args) {
    const std::string out = args.outputFile(".png");
    checkOutputs({out}, args.files());
    render::ViewState state;
    // Item order of the display-mode box: kana, alphabet, braille.
    state.displayMode = args.choiceOption("--display", {"kana", "alphabet", "braille"}, 2);
    state.gridInterval = args.intOption("--grid", 0, 6, 0);
    state.hotPositionsVisible = args.has("--hot") ? 1 : 0;
    state.rulesVisible = !args.has("--no-rules");
    if (args.has("--search")) {
        state.searchActive = 1;
        state.searchTarget = args.intOption("--search", 0, 359, 0);
    }

    ScoreDocument doc;
    loadScore(args.inputFile(), doc);
    const int page = args.intOption("--page", 1, doc.header.pageCount, 1) - 1;

    // User-drawn symbols come from the program folder's "NMK", as in the editor.
    UserSymbolStore userSymbols;
    userSymbols.rebuild(args.folder());
    state.userSymbols = &userSymbols;

    Canvas view;
    Canvas back;
    render::StaveTable staves;
    render::renderPage(doc, page, state, view, back, staves);
    writePicture(view, out);
    return kExitOk;
}

int runThumbnails(Args& args) {
    const std::string out = args.outputFile(".png");
    checkOutputs({out}, args.files());
    ScoreDocument doc;
    loadScore(args.inputFile(), doc);
    UserSymbolStore userSymbols;
    userSymbols.rebuild(args.folder());
    render::ViewState state;
    state.userSymbols = &userSymbols;

    Canvas view;
    Canvas back;
    Canvas picture;
    render::StaveTable staves;
    render::drawThumbnails(doc, state, view, back, staves, picture);
    writePicture(picture, out);
    return kExitOk;
}

}  // namespace noma::cli
