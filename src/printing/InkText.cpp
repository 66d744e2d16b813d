// The translated braille of ink print: the screen's readings and placement at printer scale,
// with the text at a fixed point size so that it stays readable at any magnification.
#include <algorithm>

#include "braille/InkTranslation.h"
#include "printing/PrintFigures.h"
#include "printing/PrintPage.h"

namespace noma {

void drawTranslatedText(Canvas& out, const ScoreDocument& doc, int page, const PrintRaster& raster,
                        const PrintOptions& options) {
    if (options.mode != PrintMode::Ink || page < 0 || page >= kMaxPages) return;
    if (options.brailleOutput != kDisplayKana && options.brailleOutput != kDisplayAlphabet) return;
    const auto mode = static_cast<DisplayMode>(options.brailleOutput);
    const std::vector<InkItem> items = translateBraillePage(doc, page, mode);
    if (items.empty()) return;

    const int pitch = std::clamp(doc.header.verticalPitch, kMinPitch, kMaxPitch);
    const PrintMetrics metrics(raster, pitch);
    printing::PrintPen pen(out, raster, metrics);
    const double unit = raster.printUnit;
    out.setPenMode(Canvas::PenMode::Copy);
    out.setFont(std::clamp(options.fontSizeItem, 0, 12) + 8, raster.dpi);
    out.setFontColour(raster.baseGrey);
    out.setTextOpaque(true);
    for (const InkItem& item : items) {
        if (item.kind == InkItem::Kind::Text) {
            // Each character stands on an opaque white box over the cell's white box.
            out.setBrushColour(kWhite);
            out.textOut({render::toDevice(raster.marginX + item.x * unit),
                         render::toDevice(raster.marginY + item.y * unit)},
                        item.text);
        } else {
            // A cell without a reading keeps its dots, two page pixels further left.
            printing::printBrailleDots(pen, item.cell,
                                       render::toDevice(item.cellX * unit - 6 * unit),
                                       render::toDevice(item.cellY * unit - 5 * unit));
        }
    }
    pen.base();
}

}  // namespace noma
