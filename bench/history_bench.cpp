// One step of the edit history on the dense page (1000 records): the time to record it and
// the memory it holds, for a one-record change and for a change of every record on the page;
// and the same one-record step in a score of 100 such pages, where the comparison covers all.
#include <benchmark/benchmark.h>

#include <memory>

#include "DensePage.h"
#include "editing/EditHistory.h"

namespace {

using namespace noma;

// Alternates the change so that every iteration records a step.
void measureSteps(benchmark::State& state, ScoreDocument& doc, bool wholePage) {
    EditHistory history;
    history.reset(doc);
    int delta = 1;
    size_t bytes = 0;
    for (auto _ : state) {
        const int count = doc.symbolCount(0);
        for (int i = wholePage ? 0 : count / 2; i < (wholePage ? count : count / 2 + 1); ++i)
            doc.record(0, i)[2] += delta;
        delta = -delta;
        benchmark::DoNotOptimize(history.record(doc, "step", 0));
        bytes = history.lastStepBytes();
    }
    state.counters["bytes_per_step"] = static_cast<double>(bytes);
}

void BM_HistoryStepOneRecordDensePage(benchmark::State& state) {
    auto doc = std::make_unique<ScoreDocument>(bench::densePage());
    measureSteps(state, *doc, false);
}
BENCHMARK(BM_HistoryStepOneRecordDensePage)->Unit(benchmark::kMicrosecond);

void BM_HistoryStepWholeDensePage(benchmark::State& state) {
    auto doc = std::make_unique<ScoreDocument>(bench::densePage());
    measureSteps(state, *doc, true);
}
BENCHMARK(BM_HistoryStepWholeDensePage)->Unit(benchmark::kMicrosecond);

void BM_HistoryStepOneRecordHundredDensePages(benchmark::State& state) {
    auto doc = std::make_unique<ScoreDocument>(bench::densePage());
    for (int p = 1; p < kMaxPages; ++p) doc->copyPage(0, p);
    doc->header.pageCount = kMaxPages;
    measureSteps(state, *doc, false);
}
BENCHMARK(BM_HistoryStepOneRecordHundredDensePages)->Unit(benchmark::kMicrosecond);

// Undo and redo of a whole-page step: the document written back from the history's copy.
void BM_HistoryUndoRedoDensePage(benchmark::State& state) {
    auto doc = std::make_unique<ScoreDocument>(bench::densePage());
    EditHistory history;
    history.reset(*doc);
    for (int i = 0; i < doc->symbolCount(0); ++i) doc->record(0, i)[2] += 1;
    history.record(*doc, "step", 0);
    for (auto _ : state) {
        history.undo(*doc);
        history.redo(*doc);
    }
}
BENCHMARK(BM_HistoryUndoRedoDensePage)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
