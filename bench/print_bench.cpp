// Tactile print of a dense page at 600 dpi: drawing the page picture, and drawing it plus
// the PDF page it becomes.
#include <benchmark/benchmark.h>

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

namespace {

using namespace noma;

// Four staves at pitch 10 and 1000 records: the staves' own records, then every kind 1..63 in
// turn (the editing tools 50..56 excepted) spread over the staves, with ledger-line heights,
// slurs, hairpins, brackets and braille cells among them.
ScoreDocument& densePage() {
    static ScoreDocument doc = [] {
        ScoreDocument d;
        createNewScore(d, {0, kTrebleSingle, 3, 10, 6, 10, 4});
        int kind = 0;
        for (int i = d.symbolCount(0); i < kMaxRecords; ++i) {
            do kind = kind % 63 + 1;
            while (kind >= 50 && kind <= 56);
            const int column = 12 + (i * 7) % 86;
            const int row = -6 + (i * 5) % 78;
            SymbolRecord r;
            r[0] = kind;
            r[1] = column;
            r[2] = row;
            switch (kind) {
                case kFuten:
                    r[1] = 6 * column + 9;
                    break;
                case kTenji:
                    r[1] = 6 * column;
                    r[2] = row * 10;
                    r[3] = i % 64;
                    break;
                case kCresend:
                case kDeCresend:
                    r[3] = 6 * column + 60;
                    break;
                case kSura:
                case kSuraU:
                    r[3] = column + 8;
                    r[4] = row;
                    r[5] = column + 4;
                    r[6] = row + 3;
                    break;
                case kTateYoko:
                    r[3] = (i % 2) * 60;
                    r[4] = (1 - i % 2) * 40;
                    break;
                case k3renpuOver:
                case k3renpuUnder:
                case kRenkou:
                case kShasen:
                    r[3] = 6;
                    r[4] = 2;
                    break;
                default:
                    break;
            }
            d.append(0, r);
        }
        return d;
    }();
    return doc;
}

constexpr int kDpi = 600;

Canvas a4Picture() {
    return Canvas(millimetresToPixels(210, kDpi), millimetresToPixels(297, kDpi));
}

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
        if (!pdf.addPage(picture, kDpi)) state.SkipWithError(pdf.failure().c_str());
    }
    pdf.finish();
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
        if (!pdf.addPage(picture, kDpi)) state.SkipWithError(pdf.failure().c_str());
    }
    pdf.finish();
    ::unlink(path.c_str());
}
BENCHMARK(BM_PdfPageOfDrawnPicture)->Unit(benchmark::kMillisecond)->Repetitions(5);

}  // namespace

BENCHMARK_MAIN();
