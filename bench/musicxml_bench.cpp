// MusicXML export of the largest score: 100 pages of four treble staves filled to 1000 records
// with notes, rests, chords, accidentals, bar lines, dots, ties and staccato marks. Both
// staves: two parts, each read and written. Budget: 50 ms.
#include <benchmark/benchmark.h>

#include "MusicScore.h"
#include "document/ScoreDocument.h"
#include "musicxml/ScoreWriter.h"

namespace {

using namespace noma;

void BM_MusicXmlExportFullScore(benchmark::State& state) {
    static const ScoreDocument doc = bench::musicScore(kMaxPages);
    MidiSettings settings = defaultMidiSettings(doc);
    settings.staves = StaveSelection::Both;
    size_t bytes = 0;
    for (auto _ : state) {
        const std::string file = exportMusicXml(doc, settings);
        bytes = file.size();
        benchmark::DoNotOptimize(file.data());
    }
    state.counters["records"] = doc.totalSymbolCount();
    state.counters["file_bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_MusicXmlExportFullScore)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
