// MIDI export of the largest score: 100 pages of four treble staves filled to 1000 records
// with notes, rests, chords, accidentals, bar lines, dots, ties and staccato marks.
#include <benchmark/benchmark.h>

#include "Measured.h"
#include "MusicScore.h"
#include "document/ScoreDocument.h"
#include "music/MidiExport.h"

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

}  // namespace

BENCHMARK_MAIN();
