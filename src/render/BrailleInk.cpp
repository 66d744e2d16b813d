#include "render/BrailleInk.h"

#include "braille/InkTranslation.h"

namespace noma::render {

void drawBrailleTranslation(Canvas& canvas, const ScoreDocument& doc, int page, int displayMode) {
    const auto items =
        translateBraillePage(doc, page, displayMode == 0 ? kDisplayKana : kDisplayAlphabet);
    canvas.setFont(kInkTextPoints);
    canvas.setFontColour(kBlack);
    canvas.setTextOpaque(true);
    for (const InkItem& item : items) {
        if (item.kind == InkItem::Kind::Text) {
            canvas.setBrushColour(kWhite);
            canvas.textOut({item.x, item.y}, item.text);
        } else {
            canvas.setPenColour(kBlack);
            canvas.setBrushColour(kBlack);
            for (const Point& d : item.dots()) canvas.ellipse(Rect::around(d, 2));
        }
    }
    canvas.setBrushColour(kBlack);
}

}  // namespace noma::render
