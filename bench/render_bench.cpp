// The rendering pass on a dense page, against clearing the two page images.
#include <benchmark/benchmark.h>

#include "DensePage.h"
#include "Measured.h"
#include "document/PageGeometry.h"
#include "document/PageOperations.h"
#include "document/ScoreDocument.h"
#include "document/SymbolKind.h"
#include "render/PageRenderer.h"

namespace {

using namespace noma;
using noma::bench::densePage;

void BM_RenderDensePage(benchmark::State& state) {
    bench::measureRender(state, densePage());
}
BENCHMARK(BM_RenderDensePage)->Unit(benchmark::kMicrosecond);

void BM_ClearBothImages(benchmark::State& state) {
    Canvas viewImage(pageWidth(0), pageHeight(0)), back(pageWidth(0), pageHeight(0));
    for (auto _ : state) {
        viewImage.clear(kWhite);
        back.clear(kWhite);
        benchmark::DoNotOptimize(viewImage.data());
        benchmark::DoNotOptimize(back.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_ClearBothImages)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
