// Pointer moves with a tool armed over the dense page, and a pick-up, drag and release.
#include <benchmark/benchmark.h>

#include "DensePage.h"
#include "EditingSession.h"

namespace {

using namespace noma;
using noma::bench::EditingSession;

void BM_PointerMoveWithQuarterNote(benchmark::State& state) {
    EditingSession s(bench::densePage());
    s.armQuarterNote();
    int i = 0;
    for (auto _ : state) {
        s.sweepMove(i++);
        benchmark::DoNotOptimize(s.view.data());
    }
    state.counters["renders"] = s.host.renders;
}
BENCHMARK(BM_PointerMoveWithQuarterNote)->Unit(benchmark::kMicrosecond);

void BM_PickUpDragAndRelease(benchmark::State& state) {
    EditingSession s(bench::densePage());
    const PixelPoint hot = s.armLastRecord();
    for (auto _ : state) s.pickUpDragAndRelease(hot);
    state.counters["renders_per_gesture"] =
        benchmark::Counter(s.host.renders, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_PickUpDragAndRelease)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
