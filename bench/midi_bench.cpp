// MIDI export of the largest score: 100 pages of four treble staves filled to 1000 records
// with notes, rests, chords, accidentals, bar lines, dots, ties and staccato marks.
#include <benchmark/benchmark.h>

#include "document/PageGeometry.h"
#include "document/ScoreDocument.h"
#include "document/StaffConstruction.h"
#include "document/SymbolKind.h"
#include "music/MidiExport.h"

namespace {

using namespace noma;

SymbolRecord record(int kind, int f1, int f2, int f3 = 0, int f4 = 0, int f5 = 0, int f6 = 0) {
    SymbolRecord r;
    r[0] = kind;
    r[1] = f1;
    r[2] = f2;
    r[3] = f3;
    r[4] = f4;
    r[5] = f5;
    r[6] = f6;
    return r;
}

// One stave's music, column by column, until the page is full.
void fillStave(ScoreDocument& doc, int page, int stave) {
    static const int kNotes[] = {k4bunonpu, k8bunonpu,  k16bunonpuU,
                                 k2bunonpu, k8bunonpuU, k4bunonpuU};
    const int top = 20 * stave;
    for (int column = 16; column < 104 && doc.symbolCount(page) < kMaxRecords; ++column) {
        const int row = top + (column * 5 + stave) % 11 - 1;
        if (column % 9 == 0) {
            doc.append(page, record(kShousetu, column, top + 4));
        } else if (column % 13 == 0) {
            doc.append(page, record(k4bunkyuuhu, column, top + 4));
        } else if (column % 11 == 0) {
            doc.append(page, record(kSharp, column, row));
        } else {
            doc.append(page, record(kNotes[column % 6], column, row));
            if (column % 4 == 0) doc.append(page, record(k4bunonpu, column, row + 3));
            if (column % 5 == 0) doc.append(page, record(kFuten, column * 6 + 8, row));
            if (column % 7 == 0) doc.append(page, record(kStakato, column, row - 3));
            if (column % 10 == 3)
                doc.append(page,
                           record(kSura, column, row - 1, column + 1, row - 1, column, row - 3));
        }
    }
}

ScoreDocument& fullScore() {
    static ScoreDocument doc = [] {
        ScoreDocument d;
        d.header = {kMaxPages, 8, 0};
        for (int p = 0; p < kMaxPages; ++p) {
            d.settings(p) = {kTrebleSingle, 0, 12, 4, 10, 4};
            constructStaves(d, p, 3, ConstructionOrder::NewScore);
            for (int round = 0; d.symbolCount(p) < kMaxRecords && round < 4; ++round) {
                for (int s = 0; s < 4; ++s) fillStave(d, p, s);
            }
        }
        return d;
    }();
    return doc;
}

void BM_MidiExportFullScore(benchmark::State& state) {
    const ScoreDocument& doc = fullScore();
    MidiSettings settings = defaultMidiSettings(doc);
    settings.staves = StaveSelection::Both;
    size_t bytes = 0;
    for (auto _ : state) {
        const std::string file = exportMidi(doc, settings);
        bytes = file.size();
        benchmark::DoNotOptimize(file.data());
    }
    state.counters["records"] = doc.totalSymbolCount();
    state.counters["file_bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_MidiExportFullScore)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
