// Text typed or pasted into the braille writing window (UTF-8 from the platform, input-method
// output included). Its cells are committed to a page, translated back to ink in both reading
// modes and drawn.
#include <cstdlib>

#include "FuzzInput.h"
#include "braille/CodePageText.h"
#include "braille/HalfWidthKana.h"
#include "braille/InkTranslation.h"
#include "braille/TextToCells.h"
#include "document/PageGeometry.h"
#include "document/PageOperations.h"
#include "document/ScoreDocument.h"
#include "editing/BrailleCommit.h"
#include "render/PageRenderer.h"

using namespace noma;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto text = fuzz::asText(data, size);
    const auto cells = convertEnteredText(text);
    if (cells.size() > kMaxPendingCells) std::abort();
    const auto bytes = toCodePage(keepCodePageCharacters(toHalfWidthKana(text)));
    if (convertTextToCells(bytes).size() > kMaxPendingCells) std::abort();
    if (convertTextToCells(text).size() > kMaxPendingCells) std::abort();
    for (BrailleCell cell : cells) {
        if (cell > 63) std::abort();
    }

    ScoreDocument doc;
    createNewScore(doc, {0, kTrebleSingle, 0, 8, 12, 10, 1});
    BrailleCursor cursor{1 + static_cast<int>(size % 7) * 19, 300};
    commitBrailleCells(doc, cursor, cells);
    cursor = {pageWidth(0) - 60, 330};
    commitBrailleCells(doc, cursor, cells);

    render::ViewState view;
    Canvas image(pageWidth(0), pageHeight(0)), back(pageWidth(0), pageHeight(0));
    render::StaveTable staves;
    for (int mode : {0, 1}) {
        for (const InkItem& item : translateBraillePage(doc, 0, static_cast<DisplayMode>(mode))) {
            if (item.kind == InkItem::Kind::Text && item.text.empty()) std::abort();
        }
    }
    view.displayMode = static_cast<int>(size % 2);
    render::renderPage(doc, 0, view, image, back, staves);
    return 0;
}
