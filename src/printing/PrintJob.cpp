#include "printing/PrintJob.h"

#include <algorithm>

namespace noma {

PrintRaster printRaster(const PrintSettings& settings) {
    return settings.mode == PrintMode::Ink ? inkRaster(settings.dpi, settings.magnification)
                                           : tactileRaster(settings.dpi, settings.strength);
}

PrintJobResult runPrintJob(const ScoreDocument& doc, const PrintSettings& settings,
                           const UserSymbolStore* userSymbols, JobControls& controls,
                           Printer& printer) {
    PrintJobResult result;
    const PrintRaster raster = printRaster(settings);
    const PrintOptions options{settings.mode, settings.brailleOutput, settings.fontSizeItem,
                               userSymbols};
    const bool translated = settings.mode == PrintMode::Ink && settings.brailleOutput != 2;
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
            const int width = std::max(printer.pageWidth(), 1);
            const int height = std::max(printer.pageHeight(), 1);
            if (picture.width() != width || picture.height() != height) {
                picture.resize(width, height, kWhite);
            } else {
                picture.clear(kWhite);
            }
            drawPrintPage(picture, doc, page, raster, options);
            if (translated) drawTranslatedText(picture, doc, page, raster, options);
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
