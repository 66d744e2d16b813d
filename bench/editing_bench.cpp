// Pointer moves with a tool armed over the dense page, and a pick-up, drag and release.
#include <benchmark/benchmark.h>

#include "DensePage.h"
#include "EditingSession.h"

namespace {

using namespace noma;

void BM_PointerMoveWithQuarterNote(benchmark::State& state) {
    bench::measurePointerMoves(state, bench::densePage());
}
BENCHMARK(BM_PointerMoveWithQuarterNote)->Unit(benchmark::kMicrosecond);

void BM_PickUpDragAndRelease(benchmark::State& state) {
    bench::measurePickUpDragAndRelease(state, bench::densePage());
}
BENCHMARK(BM_PickUpDragAndRelease)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
