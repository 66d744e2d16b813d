// Writes the benchmark's dense page as score files for measuring whole programs on them:
//   bench_scores DIR [PAGES...]   writes DIR/dense-P.nmg, P pages of the dense page (default 1 10
//   100)
#include <charconv>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "DensePage.h"
#include "document/ScoreFile.h"

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench_scores DIR [PAGES...]\n");
        return 2;
    }
    const std::string folder = argv[1];
    std::vector<int> counts;
    for (int a = 2; a < argc; ++a) {
        const std::string_view text = argv[a];
        int pages = 0;
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), pages);
        if (error != std::errc() || end != text.data() + text.size() || pages < 1 ||
            pages > noma::kMaxPages) {
            std::fprintf(stderr, "bench_scores: page count %s is not 1..%d\n", argv[a],
                         noma::kMaxPages);
            return 2;
        }
        counts.push_back(pages);
    }
    if (counts.empty()) counts = {1, 10, 100};

    for (const int pages : counts) {
        noma::ScoreDocument doc = noma::bench::densePage();
        for (int p = 1; p < pages; ++p) doc.copyPage(0, p);
        doc.header.pageCount = pages;
        const std::string path = folder + "/dense-" + std::to_string(pages) + ".nmg";
        if (const noma::Status written = noma::writeScoreFile(doc, path); !written.ok()) {
            std::fprintf(stderr, "bench_scores: %s: %s\n", path.c_str(),
                         written.failure().gloss.c_str());
            return 1;
        }
        std::printf("%s\n", path.c_str());
    }
    return 0;
}
