#include "printing/PrintJob.h"

#include <algorithm>

namespace noma {

PrintRaster printRaster(const PrintSettings& settings) {
    return settings.mode == PrintMode::Ink ? inkRaster(settings.dpi, settings.magnification)
                                           : tactileRaster(settings.dpi, settings.strength);
}

void drawJobPage(Canvas& picture, int width, int height, const ScoreDocument& doc, int page,
                 const PrintSettings& settings, const UserSymbolStore* userSymbols) {
    width = std::max(width, 1);
    height = std::max(height, 1);
    if (picture.width() != width || picture.height() != height) {
        picture.resize(width, height, kWhite);
    } else {
        picture.clear(kWhite);
    }
    const PrintRaster raster = printRaster(settings);
    const PrintOptions options{settings.mode, settings.brailleOutput, settings.fontSizeItem,
                               userSymbols};
    drawPrintPage(picture, doc, page, raster, options);
    if (settings.mode == PrintMode::Ink && settings.brailleOutput != 2)
        drawTranslatedText(picture, doc, page, raster, options);
}

PrintJobResult runPrintJob(const ScoreDocument& doc, const PrintSettings& settings,
                           const UserSymbolStore* userSymbols, JobControls& controls,
                           Printer& printer) {
    PrintJobResult result;
    const int pageCount = std::clamp(doc.header.pageCount, 0, kMaxPages);

    printer.setJobTitle(kPrintJobTitle);
    result.status = printer.beginDocument();
    if (!result.status.ok()) return result;
    // One picture for every page, so memory does not grow with the length of the job.
    Canvas picture;
    bool stop = false;
    for (int copy = 1; copy <= controls.copies() && !stop; ++copy) {
        for (int page = std::max(controls.firstPage(), 1) - 1;
             page <= std::min(controls.lastPage(), pageCount) - 1 && !stop; ++page) {
            drawJobPage(picture, printer.pageWidth(), printer.pageHeight(), doc, page, settings,
                        userSymbols);
            result.status = printer.printPage(picture);
            if (!result.status.ok()) {
                stop = true;
                break;
            }
            ++result.pages;
            if (!controls.pagePrinted(result.pages)) {
                result.cancelled = true;
                stop = true;
                break;
            }
            const bool last =
                copy >= controls.copies() && page >= std::min(controls.lastPage(), pageCount) - 1;
            if (!last) {
                result.status = printer.newPage();
                stop = !result.status.ok();
            }
        }
    }
    // The job's failure is the first one; ending is still tried after it.
    Status ended = printer.endDocument();
    if (result.status.ok()) result.status = std::move(ended);
    return result;
}

}  // namespace noma
