// MusicXML import: reading and tactile layout of a 200-measure piano score (budget < 50 ms) and of
// a 10 MB file (budget < 1 s, memory < 10 × the file).
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <memory>
#include <string>

#include "document/ScoreDocument.h"
#include "interchange/MusicXmlImport.h"
#include "musicxml/ScoreReader.h"

namespace {

// A piano part as notation programs write it (positions, beams, stems): eighths with an accidental
// now and then over a left hand of chords.
std::string pianoScore(int measures) {
    std::string text =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<score-partwise version=\"4.0\">\n"
        "<work><work-title>Bench</work-title></work>\n<part-list><score-part id=\"P1\">"
        "<part-name>Piano</part-name></score-part></part-list>\n<part id=\"P1\">\n";
    static const char* kSteps = "CDEFGAB";
    for (int m = 1; m <= measures; ++m) {
        text += "<measure number=\"" + std::to_string(m) + "\" width=\"250.5\">\n";
        if (m == 1) {
            text +=
                "<attributes><divisions>2</divisions><key><fifths>-1</fifths></key><time><beats>4"
                "</beats><beat-type>4</beat-type></time><staves>2</staves><clef number=\"1\">"
                "<sign>G</sign><line>2</line></clef><clef number=\"2\"><sign>F</sign><line>4"
                "</line></clef></attributes>\n";
        }
        for (int n = 0; n < 8; ++n) {
            const int step = (m + n) % 7;
            text += "<note default-x=\"" + std::to_string(20 + 25 * n) +
                    "\" default-y=\"-20\"><pitch><step>" + kSteps[step] + "</step>" +
                    (n == 3 ? "<alter>1</alter>" : "") +
                    "<octave>5</octave></pitch><duration>1</duration><voice>1</voice><type>eighth"
                    "</type>" +
                    (n == 3 ? "<accidental>sharp</accidental>" : "") +
                    "<stem>down</stem><staff>1</staff><beam number=\"1\">" +
                    (n % 2 == 0 ? "begin" : "end") + "</beam></note>\n";
        }
        text += "<backup><duration>8</duration></backup>\n";
        for (int n = 0; n < 4; ++n) {
            for (int c = 0; c < 3; ++c) {
                text += std::string("<note default-x=\"30\">") + (c > 0 ? "<chord/>" : "") +
                        "<pitch><step>" + kSteps[(m + n + 2 * c) % 7] +
                        "</step><octave>3</octave></pitch><duration>2</duration><voice>5</voice>"
                        "<type>quarter</type><stem>up</stem><staff>2</staff></note>\n";
            }
        }
        text += "</measure>\n";
    }
    return text + "</part>\n</score-partwise>\n";
}

void importOnce(const std::string& text, noma::ScoreDocument& doc) {
    const noma::Expected<noma::musicxml::Score> score = noma::musicxml::readScoreText(text);
    if (!score.ok()) return;
    const auto report = noma::interchange::importScore(*score, {}, doc);
    benchmark::DoNotOptimize(report.ok());
}

double peakMegabytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

void BM_ImportPianoScore200Measures(benchmark::State& state) {
    const std::string text = pianoScore(200);
    auto doc = std::make_unique<noma::ScoreDocument>();
    for (auto _ : state) importOnce(text, *doc);
    state.counters["file_MB"] = static_cast<double>(text.size()) / 1e6;
    state.counters["pages"] = doc->header.pageCount;
}
BENCHMARK(BM_ImportPianoScore200Measures)->Unit(benchmark::kMillisecond);

// Far more than 100 pages of music: read and laid out in full, then refused for its length.
void BM_ImportTenMegabyteFile(benchmark::State& state) {
    std::string text = pianoScore(1);
    int measures = 1;
    while (text.size() < 10'000'000) text = pianoScore(measures *= 2);
    auto doc = std::make_unique<noma::ScoreDocument>();
    const double before = peakMegabytes();
    for (auto _ : state) importOnce(text, *doc);
    state.counters["file_MB"] = static_cast<double>(text.size()) / 1e6;
    state.counters["peak_MB_above_start"] = peakMegabytes() - before;
}
BENCHMARK(BM_ImportTenMegabyteFile)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
