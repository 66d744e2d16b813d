// .nmg bytes as the open dialog and the command line read them. A score that reads must write
// back to bytes that read to the same score, and must render, print and export as MIDI; a region
// of its first page moved there and back must come back the same.
#include <cstdlib>

#include "FuzzInput.h"
#include "document/PageGeometry.h"
#include "document/ScoreDocument.h"
#include "document/ScoreFile.h"
#include "document/SymbolCatalogue.h"
#include "editing/RegionOperations.h"
#include "music/MidiExport.h"
#include "music/Transposition.h"
#include "printing/PaperSize.h"
#include "printing/PrintPage.h"
#include "render/PageRenderer.h"

using namespace noma;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    ScoreDocument doc;
    if (!parseScore(fuzz::asText(data, size), doc).ok()) return 0;

    const std::string written = formatScore(doc);
    ScoreDocument reread;
    if (!parseScore(written, reread).ok() || formatScore(reread) != written) std::abort();

    // The first and the last page, in a display mode the input picks.
    render::ViewState view;
    view.displayMode = static_cast<int>(size % 3);
    view.hotPositionsVisible = 1;
    view.gridInterval = static_cast<int>(size % 5);
    const int orientation = doc.header.orientation;
    Canvas image(pageWidth(orientation), pageHeight(orientation));
    Canvas back(pageWidth(orientation), pageHeight(orientation));
    render::StaveTable staves;
    render::renderPage(doc, 0, view, image, back, staves);
    if (doc.header.pageCount > 1)
        render::renderPage(doc, doc.header.pageCount - 1, view, image, back, staves);

    // The lowest resolution the print dialog offers keeps each input cheap.
    Canvas paper(millimetresToPixels(210, 20), millimetresToPixels(297, 20));
    drawPrintPage(paper, doc, 0, tactileRaster(20, 3), {});
    PrintOptions ink;
    ink.mode = PrintMode::Ink;
    ink.brailleOutput = static_cast<int>(size % 2);
    drawPrintPage(paper, doc, 0, inkRaster(20, 100), ink);
    drawTranslatedText(paper, doc, 0, inkRaster(20, 100), ink);

    RegionSelection region;
    selectRegion(doc, 0, {0, 0}, {pageWidth(orientation) - 1, pageHeight(orientation) - 1}, region);
    const int dc = static_cast<int>(size % 7) - 3, dr = static_cast<int>(size % 11) - 5;
    for (const auto& e : region.entries) {
        SymbolRecord moved = doc.record(0, e.index);
        shiftByCells(moved, dc, dr, doc.header.verticalPitch);
        shiftByCells(moved, -dc, -dr, doc.header.verticalPitch);
        if (!(moved == doc.record(0, e.index))) std::abort();
    }

    MidiSettings midi = defaultMidiSettings(doc);
    midi.staves = static_cast<StaveSelection>(size % 3);
    const std::string bytes = exportMidi(doc, midi);
    if (bytes.size() < 14) std::abort();

    TranspositionSettings shift;
    shift.keyIndex = static_cast<int>(size % 15);
    shift.shift = static_cast<int>(size % 15) - 7;
    shift.lastPage = doc.header.pageCount;
    // A page too full for every key signature is refused with a message; the pass goes on.
    (void)transposePages(doc, shift);
    render::renderPage(doc, 0, view, image, back, staves);
    return 0;
}
