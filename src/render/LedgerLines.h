#pragma once

#include "platform/Canvas.h"
#include "render/StaveTable.h"

namespace noma::render {

// Draws the ledger lines a note needs at device point (x, y); figures call it after their
// head. Printing supplies its own, with its own widths.
class LedgerLines {
  public:
    virtual ~LedgerLines() = default;
    virtual void draw(Canvas& canvas, double x, double y) const = 0;
};

enum class LedgerMode {
    Preview = 1,  // red, on the view image only
    Page = 2,     // black, on the view image and then on the back image
};

// What ledger lines need to know of the page.
struct LedgerPage {
    int topMargin = 12;
    int pitch = 8;
    bool blank = false;  // a blank page has no ledger lines
};

// The ledger lines of a note at page pixel (x, y): above a detected stave inside its zone,
// every second row from the top line up to the note; below likewise. Mode Page draws them on
// `view` and, when given, on `back`.
void drawLedgerLines(const StaveTable& staves, const LedgerPage& page, int x, int y,
                     LedgerMode mode, Canvas& view, Canvas* back = nullptr);

// The screen's ledger lines in one colour on one canvas, for figures.
class ScreenLedgerLines final : public LedgerLines {
  public:
    ScreenLedgerLines(const StaveTable& staves, const LedgerPage& page, Rgb ink)
        : staves_(staves), page_(page), ink_(ink) {}
    void draw(Canvas& canvas, double x, double y) const override;

  private:
    const StaveTable& staves_;
    LedgerPage page_;
    Rgb ink_;
};

}  // namespace noma::render
