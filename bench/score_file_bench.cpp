// Load and save of the largest score: 100 pages of 1000 records.
#include <benchmark/benchmark.h>

#include <charconv>
#include <string>

#include "FilledScore.h"
#include "document/ScoreDocument.h"
#include "document/ScoreFile.h"
#include "platform/FileIo.h"

namespace {

using namespace noma;

ScoreDocument& largestScore() {
    static ScoreDocument doc = bench::filledScore(kMaxPages, kMaxRecords);
    return doc;
}

// Written once; a failure shows as the failure of the benchmark that reads it.
const std::string& benchFile() {
    static const bench::ScratchFile file("largest.nmg");
    [[maybe_unused]] static const Status written = writeScoreFile(largestScore(), file.path());
    return file.path();
}

void BM_SaveLargestScore(benchmark::State& state) {
    const std::string path = benchFile();
    for (auto _ : state) {
        if (!writeScoreFile(largestScore(), path).ok()) state.SkipWithError("save failed");
    }
}
BENCHMARK(BM_SaveLargestScore)->Unit(benchmark::kMillisecond);

void BM_LoadLargestScore(benchmark::State& state) {
    const std::string path = benchFile();
    ScoreDocument doc;
    for (auto _ : state) {
        if (!readScoreFile(path, doc).ok()) state.SkipWithError("load failed");
        benchmark::DoNotOptimize(doc.pageRecords(99));
    }
}
BENCHMARK(BM_LoadLargestScore)->Unit(benchmark::kMillisecond);

// The floor a loader is measured against: read the file and parse its integers, nothing more.
void BM_ReadAndFromCharsBaseline(benchmark::State& state) {
    const std::string path = benchFile();
    for (auto _ : state) {
        const auto file = readWholeFile(path);
        if (!file.ok()) {
            state.SkipWithError("read failed");
            break;
        }
        const std::string& bytes = *file;
        const char* p = bytes.data();
        const char* end = p + bytes.size();
        long long sum = 0;
        while (p < end) {
            while (p < end && (*p == ' ' || *p == '\r' || *p == '\n')) ++p;
            if (p >= end) break;
            int v = 0;
            p = std::from_chars(p, end, v).ptr;
            sum += v;
        }
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BM_ReadAndFromCharsBaseline)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
