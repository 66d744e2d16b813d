#include <gtest/gtest.h>
#include <cstdlib>
#include <string>

#include "RenderTestSupport.h"
#include "document/ScoreFile.h"
#include "document/SymbolKind.h"
#include "render/PageRenderer.h"

namespace noma::render {
namespace {

std::string dataFile(const std::string& name) {
    const char* folder = std::getenv("NOMA_TEST_DATA");
    return std::string(folder != nullptr ? folder : "tests/data") + "/render/" + name;
}

// Sample pages with every staff-notation kind on their staves: each record must show on the
// page, so taking it away changes pixels, and view and back agree.
TEST(ShowcaseScores, EveryRecordShowsOnThePage) {
    for (const char* name : {"showcase-pitch6.nmg", "showcase-pitch10.nmg"}) {
        ScoreDocument doc;
        ASSERT_TRUE(readScoreFile(dataFile(name), doc).ok()) << name;
        const ViewState state;
        Canvas view, back;
        StaveTable staves;
        renderPage(doc, 0, state, view, back, staves);
        const Canvas full = view;
        EXPECT_EQ(test::countAll(full, kBlack), test::countAll(back, kBlack));
        int kindsSeen[64] = {};
        for (int i = 0; i < doc.symbolCount(0); ++i) {
            SymbolRecord& r = doc.record(0, i);
            const SymbolRecord kept = r;
            if (kept.kind() == kBraille && kept[3] == 0) continue;  // a blank cell on blank paper
            r[0] = kEmptyKind;
            renderPage(doc, 0, state, view, back, staves);
            r = kept;
            bool changed = false;
            for (int p = 0; p < full.width() * full.height() && !changed; ++p)
                changed = full.data()[p] != view.data()[p];
            EXPECT_TRUE(changed) << name << " record " << i << " kind " << kept.kind();
            if (kept.kind() > 0 && kept.kind() < 64) ++kindsSeen[kept.kind()];
        }
        for (int kind = 1; kind <= 63; ++kind) {
            if (kind >= 50 && kind <= 56) continue;
            EXPECT_GT(kindsSeen[kind], 0) << name << " has no record of kind " << kind;
        }
    }
}

}  // namespace
}  // namespace noma::render
