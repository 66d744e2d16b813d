#pragma once

// The measured loops that a budget benchmark and its scaling family share, so both time the
// same work.
#include <benchmark/benchmark.h>

#include <string>

#include "document/PageGeometry.h"
#include "document/ScoreDocument.h"
#include "music/MidiExport.h"
#include "render/PageRenderer.h"

namespace noma::bench {

// Renders page 0 of `doc` into view and back images, as every redraw does.
inline void measureRender(benchmark::State& state, const ScoreDocument& doc) {
    render::ViewState view;
    Canvas viewImage(pageWidth(0), pageHeight(0)), back(pageWidth(0), pageHeight(0));
    render::StaveTable staves;
    for (auto _ : state) {
        render::renderPage(doc, 0, view, viewImage, back, staves);
        benchmark::DoNotOptimize(viewImage.data());
        benchmark::DoNotOptimize(back.data());
    }
    state.counters["records"] = doc.symbolCount(0);
}

// Exports every page of `doc`, both staves, as the MIDI dialog's save does.
inline void measureMidiExport(benchmark::State& state, const ScoreDocument& doc) {
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

}  // namespace noma::bench
