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

// What ledger lines need to know of the page.
struct LedgerPage {
    int topMargin = 12;
    int pitch = 8;
    bool blank = false;  // a blank page has no ledger lines
};

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
