#pragma once

#include <vector>

#include "document/ScoreDocument.h"
#include "platform/Canvas.h"
#include "printing/PrintRaster.h"

namespace noma {

class UserSymbolStore;

// What a print job draws besides the raster parameters.
struct PrintOptions {
    PrintMode mode = PrintMode::Tactile;
    int brailleOutput = 2;  // ink print: 0 kana, 1 alphabet, 2 braille dots
    int fontSizeItem = 4;   // ink print: the translated text is fontSizeItem + 8 points
    const UserSymbolStore* userSymbols = nullptr;  // user-drawn symbols; none printed when null
};

// Draws page `page` of the score onto a printer page picture (white, printer pixels, (0, 0)
// at the printable area's corner): the staff lines as raised strokes, cut away around the
// symbols, then every symbol in record order, in the raster's greys. Only the score is
// printed: no frame, ruled lines, grid or marks of the screen.
void drawPrintPage(Canvas& out, const ScoreDocument& doc, int page, const PrintRaster& raster,
                   const PrintOptions& options);

// The boxes of the page's raised lines (the staff lines and other straight lines), one per
// horizontal or vertical stroke, printer pixels: the white-out cuts them into pieces.
std::vector<Rect> printedLines(const ScoreDocument& doc, int page, const PrintRaster& raster);

// The dot area of each braille cell of the page that has dots, as the tactile print places
// them: the box of the cell's six dot positions, printer pixels.
std::vector<Rect> printedBrailleCells(const ScoreDocument& doc, int page,
                                      const PrintRaster& raster);

// Ink print with braille translated: the kana or letters of the page's braille cells over
// their white boxes, in reading order, at a fixed point size; cells without a reading as dots.
void drawTranslatedText(Canvas& out, const ScoreDocument& doc, int page, const PrintRaster& raster,
                        const PrintOptions& options);

}  // namespace noma
