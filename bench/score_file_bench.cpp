// Load and save of the largest score: 100 pages of 1000 records.
#include <benchmark/benchmark.h>

#include <charconv>
#include <cstdio>
#include <string>
#include <unistd.h>

#include "document/ScoreDocument.h"
#include "document/ScoreFile.h"
#include "platform/FileIo.h"

namespace {

using namespace noma;

ScoreDocument& largestScore() {
    static ScoreDocument doc = [] {
        ScoreDocument d;
        d.header = {kMaxPages, 8, 0};
        for (int p = 0; p < kMaxPages; ++p) {
            d.settings(p) = {1, 0, 12, 4, 10, 4};
            for (int i = 0; i < kMaxRecords; ++i) {
                SymbolRecord r;
                r[0] = 1 + (i % 63);
                r[1] = 10 + i % 90;
                r[2] = -3 + i % 70;
                r[3] = i % 7 == 0 ? 552 : 0;
                r[4] = i % 11 == 0 ? -4 : 0;
                d.append(p, r);
            }
        }
        return d;
    }();
    return doc;
}

std::string benchFile() {
    static const std::string path = [] {
        std::string p = "/tmp/noma-bench-" + std::to_string(::getpid()) + ".nmg";
        writeScoreFile(largestScore(), p);
        return p;
    }();
    return path;
}

void BM_SaveLargestScore(benchmark::State& state) {
    const std::string path = benchFile();
    for (auto _ : state) {
        auto failure = writeScoreFile(largestScore(), path);
        benchmark::DoNotOptimize(failure);
    }
}
BENCHMARK(BM_SaveLargestScore)->Unit(benchmark::kMillisecond);

void BM_LoadLargestScore(benchmark::State& state) {
    const std::string path = benchFile();
    ScoreDocument doc;
    for (auto _ : state) {
        auto failure = readScoreFile(path, doc);
        if (failure) state.SkipWithError("load failed");
        benchmark::DoNotOptimize(doc.pageRecords(99));
    }
}
BENCHMARK(BM_LoadLargestScore)->Unit(benchmark::kMillisecond);

// The floor a loader is measured against: read the file and parse its integers, nothing more.
void BM_ReadAndFromCharsBaseline(benchmark::State& state) {
    const std::string path = benchFile();
    for (auto _ : state) {
        const std::string bytes = readWholeFile(path).value();
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
