// How the costs grow with the work: save and load, MIDI export by page count; rendering, pointer
// moves, pick-ups and tactile print drawing by the records on a page. The pages are the shared
// benchmark pages (bench/*.h), so the largest case of each family is the case its own benchmark
// measures against a budget.
#include <benchmark/benchmark.h>

#include <string>

#include "DensePage.h"
#include "EditingSession.h"
#include "FilledScore.h"
#include "Measured.h"
#include "MusicScore.h"
#include "PrintPicture.h"
#include "document/PageGeometry.h"
#include "document/ScoreDocument.h"
#include "document/ScoreFile.h"
#include "music/MidiExport.h"
#include "printing/PrintPage.h"
#include "printing/PrintRaster.h"
#include "render/PageRenderer.h"

namespace {

using namespace noma;

// ---- the score file: pages of 1000 records, and one page of a few to 1000 records ----

void saveScore(benchmark::State& state, int pages, int records) {
    const ScoreDocument doc = bench::filledScore(pages, records);
    const bench::ScratchFile file("save-" + std::to_string(pages) + "x" + std::to_string(records) +
                                  ".nmg");
    for (auto _ : state) {
        if (!writeScoreFile(doc, file.path()).ok()) state.SkipWithError("save failed");
    }
    state.counters["records"] = doc.totalSymbolCount();
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(formatScore(doc).size()));
}

void loadScore(benchmark::State& state, int pages, int records) {
    const bench::ScratchFile file("load-" + std::to_string(pages) + "x" + std::to_string(records) +
                                  ".nmg");
    if (!writeScoreFile(bench::filledScore(pages, records), file.path()).ok()) {
        state.SkipWithError("could not write the score to load");
        return;
    }
    ScoreDocument doc;
    for (auto _ : state) {
        if (!readScoreFile(file.path(), doc).ok()) state.SkipWithError("load failed");
        benchmark::DoNotOptimize(doc.pageRecords(0));
    }
    state.counters["records"] = doc.totalSymbolCount();
}

void BM_SaveByPages(benchmark::State& state) {
    saveScore(state, static_cast<int>(state.range(0)), kMaxRecords);
}
BENCHMARK(BM_SaveByPages)
    ->ArgName("pages")
    ->Arg(1)
    ->Arg(10)
    ->Arg(100)
    ->Unit(benchmark::kMillisecond);

void BM_LoadByPages(benchmark::State& state) {
    loadScore(state, static_cast<int>(state.range(0)), kMaxRecords);
}
BENCHMARK(BM_LoadByPages)
    ->ArgName("pages")
    ->Arg(1)
    ->Arg(10)
    ->Arg(100)
    ->Unit(benchmark::kMillisecond);

void BM_SaveByRecords(benchmark::State& state) {
    saveScore(state, 1, static_cast<int>(state.range(0)));
}
BENCHMARK(BM_SaveByRecords)
    ->ArgName("records")
    ->Arg(10)
    ->Arg(100)
    ->Arg(1000)
    ->Unit(benchmark::kMicrosecond);

void BM_LoadByRecords(benchmark::State& state) {
    loadScore(state, 1, static_cast<int>(state.range(0)));
}
BENCHMARK(BM_LoadByRecords)
    ->ArgName("records")
    ->Arg(10)
    ->Arg(100)
    ->Arg(1000)
    ->Unit(benchmark::kMicrosecond);

// ---- MIDI export of full pages of music ----

void BM_MidiExportByPages(benchmark::State& state) {
    bench::measureMidiExport(state, bench::musicScore(static_cast<int>(state.range(0))));
}
BENCHMARK(BM_MidiExportByPages)
    ->ArgName("pages")
    ->Arg(1)
    ->Arg(10)
    ->Arg(100)
    ->Unit(benchmark::kMillisecond);

// ---- one page with 10, 100 and 1000 records ----

void BM_RenderByRecords(benchmark::State& state) {
    bench::measureRender(state, bench::densePageWith(static_cast<int>(state.range(0))));
}
BENCHMARK(BM_RenderByRecords)
    ->ArgName("records")
    ->Arg(10)
    ->Arg(100)
    ->Arg(1000)
    ->Unit(benchmark::kMicrosecond);

void BM_PointerMoveByRecords(benchmark::State& state) {
    bench::measurePointerMoves(state, bench::densePageWith(static_cast<int>(state.range(0))));
}
BENCHMARK(BM_PointerMoveByRecords)
    ->ArgName("records")
    ->Arg(10)
    ->Arg(100)
    ->Arg(1000)
    ->Unit(benchmark::kMicrosecond);

void BM_PickUpDragAndReleaseByRecords(benchmark::State& state) {
    bench::measurePickUpDragAndRelease(state,
                                       bench::densePageWith(static_cast<int>(state.range(0))));
}
BENCHMARK(BM_PickUpDragAndReleaseByRecords)
    ->ArgName("records")
    ->Arg(10)
    ->Arg(100)
    ->Arg(1000)
    ->Unit(benchmark::kMicrosecond);

// A page is ~70 ms to draw, so fewer repetitions; page-count scaling of printing is measured on
// noma-cli print instead (see docs/performance.md).
void BM_DrawTactilePageByRecords(benchmark::State& state) {
    const ScoreDocument doc = bench::densePageWith(static_cast<int>(state.range(0)));
    const PrintRaster raster = tactileRaster(bench::kPrintDpi, 3);
    Canvas picture = bench::a4Picture();
    for (auto _ : state) {
        picture.clear(kWhite);
        drawPrintPage(picture, doc, 0, raster, {});
        benchmark::DoNotOptimize(picture.data());
    }
    state.counters["records"] = doc.symbolCount(0);
}
BENCHMARK(BM_DrawTactilePageByRecords)
    ->ArgName("records")
    ->Arg(10)
    ->Arg(100)
    ->Arg(1000)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5);

}  // namespace

BENCHMARK_MAIN();
