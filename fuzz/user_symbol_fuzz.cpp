// ".nmk" user-symbol files. A symbol that reads must write back to text that reads the same,
// and must draw on a page at the edges as well as inside.
#include <cstdlib>
#include <filesystem>

#include "FuzzInput.h"
#include "document/PageGeometry.h"
#include "document/PageOperations.h"
#include "document/ScoreDocument.h"
#include "document/SymbolKind.h"
#include "document/UserSymbolFile.h"
#include "platform/FileIo.h"
#include "render/PageRenderer.h"
#include "render/UserSymbolStore.h"

using namespace noma;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto text = fuzz::asText(data, size);
    const auto bits = parseUserSymbol(text);
    if (bits) {
        const std::string written = formatUserSymbol(*bits);
        const auto reread = parseUserSymbol(written);
        if (!reread || *reread != *bits) std::abort();
    }

    // Through the file and the store, as the palettes and the page load it.
    const std::string& folder = fuzz::programFolder();
    std::filesystem::create_directories(userSymbolFolder(folder));
    if (!writeFileAtomically(userSymbolPath(folder, 1), text).ok()) std::abort();
    UserSymbolStore store;
    store.rebuild(folder);
    if (store.slot(0).exists != bits.has_value()) std::abort();
    if (!bits) return 0;

    static ScoreDocument doc = [] {
        ScoreDocument d;
        createNewScore(d, {0, kTrebleSingle, 0, 8, 12, 10, 4});
        for (const auto& [column, row] : {std::pair{0, -5}, {50, 30}, {104, 80}, {-3, 200}}) {
            SymbolRecord r;
            r[0] = 100;
            r[1] = column;
            r[2] = row;
            d.append(0, r);
        }
        return d;
    }();
    render::ViewState view;
    view.userSymbols = &store;
    Canvas image(pageWidth(0), pageHeight(0)), back(pageWidth(0), pageHeight(0));
    render::StaveTable staves;
    render::renderPage(doc, 0, view, image, back, staves);
    return 0;
}
