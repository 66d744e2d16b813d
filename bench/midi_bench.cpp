// MIDI export of the largest score: 100 pages of four treble staves filled to 1000 records
// with notes, rests, chords, accidentals, bar lines, dots, ties and staccato marks; and the page
// cursor's reading of one such page: the page read aloud after an edit, and a cell described on
// every move.
#include <benchmark/benchmark.h>

#include "Measured.h"
#include "MusicScore.h"
#include "document/ScoreDocument.h"
#include "music/CellDescription.h"
#include "music/MidiExport.h"
#include "music/PageDescription.h"

namespace {

using namespace noma;

const ScoreDocument& fullScore() {
    static const ScoreDocument doc = bench::musicScore(kMaxPages);
    return doc;
}

void BM_MidiExportFullScore(benchmark::State& state) {
    bench::measureMidiExport(state, fullScore());
}
BENCHMARK(BM_MidiExportFullScore)->Unit(benchmark::kMillisecond);

void BM_PageReadAloud(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(readStavesAloud(fullScore(), 1, StaveSelection::Both));
}
BENCHMARK(BM_PageReadAloud)->Unit(benchmark::kMicrosecond);

void BM_CursorCellDescribed(benchmark::State& state) {
    const std::vector<StaveReading> staves = readStavesAloud(fullScore(), 1, StaveSelection::Both);
    int column = 16;
    for (auto _ : state) {
        benchmark::DoNotOptimize(describeCell(fullScore(), 0, column, 26, staves));
        column = column == 100 ? 16 : column + 1;
    }
}
BENCHMARK(BM_CursorCellDescribed)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
