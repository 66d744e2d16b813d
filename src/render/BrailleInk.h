#pragma once

#include "platform/Canvas.h"

namespace noma {
class ScoreDocument;
}

namespace noma::render {

// The braille of a page written as kana (display mode 0) or Latin letters (1) over the cells'
// white boxes: text with an opaque white background, untranslated cells as dots.
void drawBrailleTranslation(Canvas& canvas, const ScoreDocument& doc, int page, int displayMode);

}  // namespace noma::render
