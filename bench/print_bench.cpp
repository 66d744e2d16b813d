// Tactile print of a dense page at 600 dpi: drawing the page picture, and drawing it plus
// the PDF page it becomes.
#include <benchmark/benchmark.h>

#include "DensePage.h"
#include "PrintPicture.h"

#include <unistd.h>

#include <string>

#include "document/PageGeometry.h"
#include "document/PageOperations.h"
#include "document/ScoreDocument.h"
#include "document/SymbolKind.h"
#include "platform/PdfWriter.h"
#include "printing/FilePrinter.h"
#include "printing/PaperSize.h"
#include "printing/PrintJob.h"
#include "printing/PrintPage.h"
#include "printing/ReliefIssues.h"
#include "printing/ReliefShading.h"

namespace {

using namespace noma;

using noma::bench::a4Picture;
using noma::bench::densePage;

constexpr int kDpi = bench::kPrintDpi;

void BM_DrawTactilePage(benchmark::State& state) {
    const ScoreDocument& doc = densePage();
    const PrintRaster raster = tactileRaster(kDpi, 3);
    Canvas picture = a4Picture();
    for (auto _ : state) {
        picture.clear(kWhite);
        drawPrintPage(picture, doc, 0, raster, {});
        benchmark::DoNotOptimize(picture.data());
    }
    state.counters["records"] = doc.symbolCount(0);
}
BENCHMARK(BM_DrawTactilePage)->Unit(benchmark::kMillisecond)->Repetitions(5);

// What one page of a print job costs: the picture cleared and drawn, then compressed into
// its PDF page.
void BM_PrintTactilePageToPdf(benchmark::State& state) {
    const ScoreDocument& doc = densePage();
    const PrintRaster raster = tactileRaster(kDpi, 3);
    Canvas picture = a4Picture();
    const std::string path = "/tmp/noma-print-bench-" + std::to_string(::getpid()) + ".pdf";
    PdfWriter pdf(path, kPrintJobTitle);
    for (auto _ : state) {
        picture.clear(kWhite);
        drawPrintPage(picture, doc, 0, raster, {});
        if (Status added = pdf.addPage(picture, kDpi); !added.ok())
            state.SkipWithError(added.failure().gloss.c_str());
    }
    (void)pdf.finish();  // only the pages are measured; the file goes again
    ::unlink(path.c_str());
    state.counters["pages"] = pdf.pageCount();
}
BENCHMARK(BM_PrintTactilePageToPdf)->Unit(benchmark::kMillisecond)->Repetitions(5);

// The PDF page alone, from a page already drawn.
void BM_PdfPageOfDrawnPicture(benchmark::State& state) {
    const PrintRaster raster = tactileRaster(kDpi, 3);
    Canvas picture = a4Picture();
    drawPrintPage(picture, densePage(), 0, raster, {});
    const std::string path = "/tmp/noma-print-bench-" + std::to_string(::getpid()) + ".pdf";
    PdfWriter pdf(path, kPrintJobTitle);
    for (auto _ : state) {
        if (Status added = pdf.addPage(picture, kDpi); !added.ok())
            state.SkipWithError(added.failure().gloss.c_str());
    }
    (void)pdf.finish();  // only the pages are measured; the file goes again
    ::unlink(path.c_str());
}
BENCHMARK(BM_PdfPageOfDrawnPicture)->Unit(benchmark::kMillisecond)->Repetitions(5);

// The relief preview's view: the whole page fitted into a window on the screen.
constexpr int kViewWidth = 680;
constexpr int kViewHeight = 962;

// What the preview adds once the page is drawn: the page reduced to the view and shaded.
void BM_ReliefPreviewOfDrawnPage(benchmark::State& state) {
    Canvas picture = a4Picture();
    drawPrintPage(picture, densePage(), 0, tactileRaster(kDpi, 3), {});
    const Rect whole{0, 0, picture.width(), picture.height()};
    for (auto _ : state) {
        Canvas view = reliefPicture(picture, whole, kViewWidth, kViewHeight, ReliefLook::Relief);
        benchmark::DoNotOptimize(view.data());
    }
}
BENCHMARK(BM_ReliefPreviewOfDrawnPage)->Unit(benchmark::kMillisecond)->Repetitions(5);

// The checks of the drawn page: its figures, the pairs closer than 3 mm, the braille touches.
void BM_ReliefChecksOfDrawnPage(benchmark::State& state) {
    const ScoreDocument& doc = densePage();
    const PrintRaster raster = tactileRaster(kDpi, 3);
    Canvas picture = a4Picture();
    drawPrintPage(picture, doc, 0, raster, {});
    const std::vector<Rect> cells = printedBrailleCells(doc, 0, raster);
    const std::vector<Rect> lines = printedLines(doc, 0, raster);
    ReliefIssues issues;
    for (auto _ : state) {
        issues = findReliefIssues(picture, cells, lines, kDpi, kDefaultMinimumGapMm);
        benchmark::DoNotOptimize(issues.closeFigures.data());
    }
    state.counters["close"] = static_cast<double>(issues.closeFigures.size());
    state.counters["touching"] = static_cast<double>(issues.touchingCells.size());
    state.counters["cells"] = static_cast<double>(cells.size());
}
BENCHMARK(BM_ReliefChecksOfDrawnPage)->Unit(benchmark::kMillisecond)->Repetitions(5);

// A new strength in the dialog: the page drawn again in its greys and shaded into the view.
void BM_ReliefPreviewStrengthChange(benchmark::State& state) {
    const ScoreDocument& doc = densePage();
    Canvas picture = a4Picture();
    const Rect whole{0, 0, picture.width(), picture.height()};
    PrintSettings settings;
    settings.dpi = kDpi;
    for (auto _ : state) {
        settings.strength = settings.strength % 6 + 1;
        drawJobPage(picture, picture.width(), picture.height(), doc, 0, settings, nullptr);
        Canvas view = reliefPicture(picture, whole, kViewWidth, kViewHeight, ReliefLook::Relief);
        benchmark::DoNotOptimize(view.data());
    }
}
BENCHMARK(BM_ReliefPreviewStrengthChange)->Unit(benchmark::kMillisecond)->Repetitions(5);

}  // namespace

BENCHMARK_MAIN();
